#!/usr/bin/env bash
# Typing into real editors (mousepad: GTK 3, gnome-text-editor: GTK 4, featherpad:
# Qt 5), bare Xvfb and under openbox, us layout: Orvel's X11 key sender against
# `xdotool type` (its default 12 ms delay) and `xdotool type --delay 0`, on a
# 300-character Catalan text and on 3000 ASCII characters followed by a line of
# accented letters and symbols (two runs of keys, as two areas). Characters per
# second count until the editor has read everything (it answered a ping sent after
# the keys); lost and wrong come from the editor's text, read back and compared.
set -uo pipefail
build=${ORVEL_BUILD:-build}
driver="$build/bench/bench_typing"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/session.sh"
. "$here/../tests/e2e/lib/editor.sh"
require_tools typing_editors.sh Xvfb xdotool xclip openbox python3 mousepad featherpad gnome-text-editor
[ -x "$driver" ] || { echo "typing_editors.sh: $driver not built, skipped"; exit 0; }

start_scratch
export LANG=C.UTF-8 LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

write_editor_texts "$work"
python3 - "$work" <<'PY'
import sys
folder = sys.argv[1]
para = ("Àngel i Èlia van a l'hospital. És clar que la Núria, l'Òscar i Íngrid també: què farem demà? "
        "¡Quina alegria! ¿Vindràs? El cafè val 1,50 €; la col·lecció, 20 €. Açò és així: lliçó, camió, "
        "pingüí, raïm, veïna, Úrsula, Àfrica. Ésser o no ésser, vet aquí la qüestió del mòbil. ")
open(f"{folder}/catalan300.txt", "w", encoding="utf-8").write((para * 2)[:299] + "\n")
open(f"{folder}/long1.txt", "w", encoding="utf-8").write(open(f"{folder}/ascii3000.txt", encoding="utf-8").read() + "\n")
open(f"{folder}/long2.txt", "w", encoding="utf-8").write(open(f"{folder}/catalan.txt", encoding="utf-8").read() + "\n")
PY
cat "$work/long1.txt" "$work/long2.txt" >"$work/long.txt"

run_one() {  # mode editor text tool
  local mode=$1 editor=$2 text=$3 tool=$4
  local home="$work/home-$mode-$editor-$text-$tool"
  mkdir -p "$home"
  XDG_CONFIG_HOME="$home/c" XDG_DATA_HOME="$home/d" XDG_STATE_HOME="$home/s" XDG_CACHE_HOME="$home/k" \
    $(editor_command "$editor") >/dev/null 2>&1 &
  local editor_pid=$!
  local window="" n=0
  until [ -n "$window" ] || [ "$n" -ge 200 ]; do window=$(editor_window "$editor"); n=$((n + 1)); sleep 0.05; done
  [ -n "$window" ] || { echo "typing_editors.sh: $editor did not start" >&2; kill "$editor_pid"; return; }
  if [ "$mode" = openbox ]; then xdotool windowactivate --sync "$window" 2>/dev/null; else xdotool windowfocus --sync "$window" 2>/dev/null; fi
  "$driver" --wait-read  # the editor has settled
  local files=("$work/$text.txt")
  [ "$text" = long ] && files=("$work/long1.txt" "$work/long2.txt")
  local start end
  start=$(date +%s.%N)
  case $tool in
    orvel) "$driver" $(printf -- '--type %s ' "${files[@]}") ;;
    xdotool-delay0) for f in "${files[@]}"; do xdotool type --delay 0 --file "$f"; done; "$driver" --wait-read ;;
    xdotool-default) for f in "${files[@]}"; do xdotool type --file "$f"; done; "$driver" --wait-read ;;
  esac
  end=$(date +%s.%N)
  local lost wrong chars
  editor_text "$window" "$work/out.txt" || : >"$work/out.txt"
  read -r lost wrong < <(text_difference "$work/$text.txt" "$work/out.txt")
  chars=$(python3 -c "import sys; print(len(open(sys.argv[1], encoding='utf-8').read()))" "$work/$text.txt")
  kill "$editor_pid" 2>/dev/null; wait "$editor_pid" 2>/dev/null
  awk -v m="$mode" -v e="$editor" -v t="$text" -v o="$tool" -v s="$start" -v f="$end" -v c="$chars" -v l="$lost" -v w="$wrong" \
      'BEGIN { d = f - s; printf "%-8s %-18s %-11s %-16s %7.2f s %7.0f chars/s  lost %4d  wrong %4d\n", m, e, t, o, d, c / d, l, w }'
}

for mode in ${TYPING_MODES:-bare openbox}; do
  start_x_server "$mode" typing_editors.sh
  setxkbmap us
  for editor in ${TYPING_EDITORS:-mousepad featherpad gnome-text-editor}; do
    for text in catalan300 long; do
      for tool in ${TYPING_TOOLS:-orvel xdotool-delay0 xdotool-default}; do
        run_one "$mode" "$editor" "$text" "$tool"
      done
    done
  done
  stop_x_server
done
