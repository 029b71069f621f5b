#!/bin/bash
# MOUSE commands move and click the real pointer: positions are read back from
# the X server, and clicks are seen by a terminal that selects what they point at.
set -u
. "$(dirname "$0")/lib/board_session.sh"

pointer() {
    local X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    echo "$X $Y"
}

expect_pointer() {
    local wanted="$1" what="$2" got
    got=$(pointer)
    [ "$got" = "$wanted" ] || fail "$what: pointer at $got, expected $wanted"
}

run_areas() {
    "$ORVEL_BIN" --execute "$@" >>"$E2E_WORK/orvel.log" 2>&1 || { cat "$E2E_WORK/orvel.log"; fail "orvel --execute $*"; }
}

# Without a target window positions count from the screen's corner.
for mode in bare openbox; do
    start_x "$mode"
    board="$E2E_WORK/moves-$mode.ORV"
    write_board "$board" "" "" \
        "{|MOUSE M 100 50}" \
        "{|Mouse D 20 R 10}" \
        "{|MOUSE A n}" \
        "{|MOUSE E 0 A 3}" \
        "{|MOUSE PD+ 30 -5}" \
        "{|mouse cd}{|MOUSE M 900 700 CD}"
    run_areas "$board" 2;  expect_pointer "100 50" "M ($mode)"
    run_areas "$board" 3;  expect_pointer "120 60" "D then R ($mode)"
    run_areas "$board" 4;  expect_pointer "120 55" "A with its placeholder ($mode)"
    run_areas "$board" 5;  expect_pointer "115 52" "E 0 and A ($mode)"
    run_areas "$board" 6;  expect_pointer "145 47" "PD+ drag ($mode)"
    run_areas "$board" 7;  expect_pointer "900 700" "M then CD ($mode)"
    echo "ok: moves $mode"
    stop_x
done

# Clicks inside a target: a double click selects a word, a drag a stretch of text.
start_x bare
out="$E2E_WORK/clicks.txt"
rm -f "$out"
board="$E2E_WORK/clicks.ORV"
write_board "$board" "xterm -u8 -geometry 40x5+0+0 -fn fixed -e sh -c \"cat > $out\"" "paraula segona~" \
    "{|MOUSE M 20 8 2CD}" \
    "{|MOUSE M 3 8}{|MOUSE PD+ 66 0}" \
    "^d"
run_areas "$board" 2
sleep 0.3
selected=$(xclip -o -selection primary 2>/dev/null)
[ "$selected" = "paraula" ] || fail "double click selected \"$selected\""
run_areas "$board" 3
sleep 0.3
selected=$(xclip -o -selection primary 2>/dev/null)
[ "$selected" = "paraula seg" ] || fail "drag selected \"$selected\""
run_areas "$board" 4
echo "ok: clicks"
