#!/usr/bin/env bash
# Typing speed and accuracy into an xterm, bare Xvfb and under openbox: Orvel's
# X11 key sender against `xdotool type --delay 0` and `xdotool type` (12 ms), on a
# 1000-character Catalan text and a 1000-character ASCII text. Reports characters
# per second, characters lost or wrong, and the window manager's CPU time.
set -uo pipefail
build=${ORVEL_BUILD:-build}
driver="$build/bench/bench_typing"
. "$(dirname "$0")/lib/session.sh"
. "$(dirname "$0")/../tests/e2e/lib/editor.sh"
require_tools typing.sh Xvfb xterm xdotool openbox python3
[ -x "$driver" ] || { echo "typing.sh: $driver not built, skipped"; exit 0; }

start_scratch

# The texts: about 120 accented letters (capitals among them), € · ¡ ¿ in the Catalan one.
python3 - "$work" <<'PY'
import sys
folder = sys.argv[1]
para = ("Àngel i Èlia van a l'hospital. És clar que la Núria, l'Òscar i Íngrid també: què farem demà? "
        "¡Quina alegria! ¿Vindràs? El cafè val 1,50 €; la col·lecció, 20 €. Açò és així: lliçó, camió, "
        "pingüí, raïm, veïna, Úrsula, Àfrica. Ésser o no ésser, vet aquí la qüestió del mòbil.\n")
text = (para * 10)[:999] + "\n"
assert len(text) == 1000
open(folder + "/catalan.txt", "w", encoding="utf-8").write(text)
accented = sum(1 for c in text if ord(c) > 127 and c.isalpha())
capitals = sum(1 for c in text if ord(c) > 127 and c.isupper())
print(f"catalan text: 1000 characters, {accented} accented letters ({capitals} capitals), "
      f"{text.count('€')} €, {text.count('·')} ·, {text.count('¡')} ¡, {text.count('¿')} ¿")
ascii_para = "The quick brown fox jumps over the lazy dog; 0123456789 times, said Ann & Bob (twice)!\n"
ascii_text = (ascii_para * 13)[:999] + "\n"
open(folder + "/ascii.txt", "w", encoding="utf-8").write(ascii_text)
PY

cpu_seconds() {  # utime + stime of a process, in seconds
  [ -n "${1:-}" ] && [ -r "/proc/$1/stat" ] || { echo 0; return; }
  awk -v hz="$(getconf CLK_TCK)" '{ sub(/^.*\) /, ""); print ($12 + $13) / hz }' "/proc/$1/stat"
}

wait_wm_idle() {  # until the window manager has used no CPU for half a second (at most 60 s)
  [ -n "${wm_pid:-}" ] || return 0
  local previous=-1 current
  for _ in $(seq 120); do
    current=$(cpu_seconds "$wm_pid")
    [ "$current" = "$previous" ] && return 0
    previous=$current
    sleep 0.5
  done
}

run_one() {  # mode tool text
  local mode=$1 tool=$2 text=$3
  local out="$work/out-$mode-$tool-$text.txt"
  local title="bench-$mode-$tool-$text"
  LANG=C.UTF-8 LC_ALL=C.UTF-8 xterm -u8 -T "$title" -geometry 100x30+0+0 -e sh -c "cat > '$out'" 2>/dev/null &
  local xterm_pid=$!
  local window
  window=$(xdotool search --sync --name "^$title\$" | head -1)
  wait_wm_idle
  for _ in 1 2 3; do
    if [ "$mode" = openbox ]; then xdotool windowactivate --sync "$window" 2>/dev/null; else xdotool windowfocus --sync "$window" 2>/dev/null; fi
    sleep 0.3
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && break
  done
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] || echo "typing.sh: $title did not get the focus" >&2
  local expected_size; expected_size=$(stat -c %s "$work/$text.txt")
  local cpu_before; cpu_before=$(cpu_seconds "$wm_pid")
  local start; start=$(date +%s.%N)
  case $tool in
    orvel) "$driver" --type "$work/$text.txt" --until "$out" ;;
    xdotool-delay0) xdotool type --delay 0 --file "$work/$text.txt" ;;
    xdotool-default) xdotool type --file "$work/$text.txt" ;;
  esac
  # Until the terminal has written everything it got (or nothing more comes for 5 s).
  local last=-1 size=0 stable_since; stable_since=$(date +%s.%N)
  local finished=$stable_since
  while :; do
    size=$(stat -c %s "$out" 2>/dev/null || echo 0)
    local now; now=$(date +%s.%N)
    if [ "$size" -ge "$expected_size" ]; then finished=$now; break; fi
    if [ "$size" != "$last" ]; then last=$size; stable_since=$now; finished=$now
    elif awk -v a="$now" -v b="$stable_since" 'BEGIN{exit !(a-b>5)}'; then break; fi
    sleep 0.01
  done
  # The window manager's bill includes the keymap changes it is still catching up with.
  wait_wm_idle
  local cpu_after; cpu_after=$(cpu_seconds "$wm_pid")
  xdotool key --clearmodifiers ctrl+d; sleep 0.1; xdotool key ctrl+d
  for _ in $(seq 100); do kill -0 "$xterm_pid" 2>/dev/null || break; sleep 0.05; done
  kill "$xterm_pid" 2>/dev/null; wait "$xterm_pid" 2>/dev/null
  read -r lost wrong < <(text_difference "$work/$text.txt" "$out")
  awk -v m="$mode" -v t="$tool" -v x="$text" -v s="$start" -v f="$finished" -v l="$lost" -v w="$wrong" \
      -v c0="$cpu_before" -v c1="$cpu_after" \
      'BEGIN { d = f - s; printf "%-8s %-16s %-8s %8.2f s %8.0f chars/s  lost %4d  wrong %4d  wm cpu %6.2f s\n",
               m, t, x, d, 1000 / d, l, w, c1 - c0 }'
}

for mode in ${TYPING_MODES:-bare openbox}; do
  start_x_server "$mode" typing.sh
  setxkbmap us
  for text in catalan ascii; do
    for tool in ${TYPING_TOOLS:-orvel xdotool-delay0 xdotool-default}; do
      run_one "$mode" "$tool" "$text"
    done
  done
  stop_x_server
done
