#!/bin/bash
# The shipped keyboard (boards/teclat/TECLAT.ORV) starts its editor and types into
# it: letters, an accented one, the space, then "Llegeix", which copies the whole
# text to read it aloud and leaves the caret at the end, so the next letter adds to
# the text instead of replacing it; Enter ends the line. Then, in run mode with the
# shipped two-switch profile, rows first: space steps to the third row, Enter enters
# it, space steps to its third cell, Enter types that letter.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/editor.sh"
. "$(dirname "$0")/lib/run_mode.sh"

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
stop_x

start_x openbox
log="$E2E_WORK/run.log"
start_orvel "$board" "$ORVEL_SOURCE_DIR/boards/teclat/ESCANEIG_MANUAL.USR" "$log"
n=0
until window=$(editor_window mousepad) && [ -n "$window" ]; do
    n=$((n + 1))
    [ "$n" -lt 100 ] || { cat "$log"; fail "the board did not start mousepad in run mode"; }
    sleep 0.1
done
press space space space Return space space Return
# The third row's third cell, read from the board.
expected=$("$ORVEL_BIN" --dump "$board" | python3 -c '
import json, sys
areas = json.load(sys.stdin)["areas"]
cells = sorted((a for a in areas if a["parent"] == 1), key=lambda a: (a["Yi"], a["Xi"]))
print(cells[2 * 8 + 2]["keys"])')
n=0
until editor_text "$window" "$E2E_WORK/run-text.txt" && [ "$(cat "$E2E_WORK/run-text.txt")" = "$expected" ]; do
    n=$((n + 1))
    [ "$n" -lt 20 ] || { od -c "$E2E_WORK/run-text.txt"; cat "$log"; fail "row scanning did not type «$expected»"; }
    sleep 0.2
done
echo "ok: row scanning with two switches typed «$expected»"
