#!/bin/bash
# A switch pressed right after a selection belongs to the board, never to the
# person's document: the board takes the focus back as soon as the keys are
# typed. Manual scanning (space steps, Enter selects): Enter then space 100 ms
# later, eight times, and 100 Enter presses at five a second. Keyboard cursors:
# Enter then an arrow 80 ms later runs the selection and then moves. A real
# terminal records what reaches it. On a bare X server and under openbox.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

check_text() {
    local out="$1" expected="$2" what="$3"
    wait_for_text "$out" "$expected" || {
        echo "--- expected"; printf '%s' "$expected" | od -c | tail -5
        echo "--- arrived"; od -c "$out" | tail -5
        fail "$what"
    }
}

# start_grid NAME MODUS ACCIO1 ACCIO2: the grid board typing into a terminal that
# writes $out, in run mode with that access method.
start_grid() {
    local name="$1-$mode"
    out="$E2E_WORK/$name.txt"
    rm -f "$out"
    write_grid_board "$E2E_WORK/$name.ORV" "xterm -u8 -geometry 30x6 -fn fixed -title terminal -e sh -c \"cat > $out\""
    write_profile "$E2E_WORK/$name.USR" "$2" 0 8 255 "$3" "$4"
    start_orvel "$E2E_WORK/$name.ORV" "$E2E_WORK/$name.USR" "$E2E_WORK/$name.log"
}

run_case() {
    mode="$1"
    start_x "$mode"

    # Manual scanning: Enter selects the highlighted area, space 100 ms later steps.
    start_grid manual 1 3 2
    press space  # highlights area 2 (a)
    wait_board_focus || fail "no focus ($mode)"
    local i
    for i in 1 2 3 4 5 6 7 8; do
        xdotool key Return sleep 0.1 key space sleep 0.4
    done
    check_text "$out" $'abc\nabc\n' "a press 100 ms after a selection did not reach the board ($mode)"

    # 100 selections at five a second: every Enter reaches the board, none the terminal.
    local before
    before=$(cat "$out"; printf X)
    wait_board_focus || fail "no focus ($mode)"
    xdotool key --delay 200 $(for i in $(seq 100); do printf 'Return '; done)
    # The terminal hands a line over at its end: step to area 5 (Enter) and select it.
    press space space space Return
    check_text "$out" "${before%X}$(printf 'a%.0s' $(seq 100))"$'\n' \
        "a press at five a second reached the terminal or was lost ($mode)"
    stop_orvel "$out"

    # Keyboard cursors: Enter, then an arrow 80 ms later, four times.
    start_grid cursors 3 0 0
    press Up  # area 3 (b)
    wait_board_focus || fail "no focus ($mode)"
    # (xdotool's --delay would hold each key for half the delay: separate presses.)
    xdotool key Return sleep 0.08 key Left sleep 0.08 key Return sleep 0.08 key Down sleep 0.08 \
        key Return sleep 0.08 key Right sleep 0.08 key Return sleep 0.08 key Up
    check_text "$out" $'bac\n' "a move right after a selection lost it ($mode)"
    stop_orvel "$out"
    echo "ok: $mode"
    stop_x
}

for mode in ${E2E_MODES:-bare openbox}; do
    run_case "$mode"
done
