#!/bin/bash
# The shipped keyboard (boards/teclat/TECLAT.ORV) starts its editor and types into
# it: letters, an accented one, the space, then "Llegeix", which copies the whole
# text to read it aloud and leaves the caret at the end, so the next letter adds to
# the text instead of replacing it; Enter ends the line.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/editor.sh"

board="$ORVEL_SOURCE_DIR/boards/teclat/TECLAT.ORV"
start_x openbox

# The number of the area whose spoken name is given, from the board itself.
area() {
    "$ORVEL_BIN" --dump "$board" | python3 -c '
import json, sys
areas = json.load(sys.stdin)["areas"]
print(next(i + 1 for i, a in enumerate(areas) if a["sound_file"] == sys.argv[1]))' "$1"
}
areas=()
for name in h o l a Espai b é Llegeix s Intro; do
    areas+=("$(area "$name")") || fail "no area $name"
done

log="$E2E_WORK/orvel.log"
rc=0
"$ORVEL_BIN" --execute "$board" "${areas[@]}" >"$log" 2>&1 || rc=$?
[ "$rc" = 0 ] || { cat "$log"; fail "orvel --execute exited $rc"; }
window=$(editor_window mousepad)
[ -n "$window" ] || { cat "$log"; fail "the board did not start mousepad"; }
# What "Llegeix" read: the text as it stood, copied by the editor.
read_aloud=$(xclip -o -selection clipboard 2>/dev/null)
[ "$read_aloud" = "hola bé" ] || fail "Llegeix read «$read_aloud», not «hola bé»"
editor_text "$window" "$E2E_WORK/text.txt" || fail "cannot read the editor's text"
printf 'hola bés\n' >"$E2E_WORK/expected.txt"
cmp -s "$E2E_WORK/expected.txt" "$E2E_WORK/text.txt" ||
    { od -c "$E2E_WORK/text.txt"; cat "$log"; fail "the editor holds other text"; }
if grep -q '^orvel' "$log"; then cat "$log"; fail "orvel reported problems"; fi
echo "ok: the keyboard typed and read into mousepad"
