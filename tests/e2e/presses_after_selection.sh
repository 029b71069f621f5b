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

wait_for_text() {
    local file="$1" expected="$2" n=0
    until [ -f "$file" ] && [ "$(cat "$file"; printf X)" = "${expected}X" ]; do
        n=$((n + 1))
        [ "$n" -lt 80 ] || return 1
        sleep 0.1
    done
}

check_text() {
    local out="$1" expected="$2" what="$3"
    wait_for_text "$out" "$expected" || {
        echo "--- expected"; printf '%s' "$expected" | od -c | tail -5
        echo "--- arrived"; od -c "$out" | tail -5
        fail "$what"
    }
}

stop_orvel() {
    kill "$ORVEL_PID" 2>/dev/null
    wait "$ORVEL_PID" 2>/dev/null
    pkill -f "cat > $1"
    rm -f "$XDG_RUNTIME_DIR/orvel.lock"
}

run_case() {
    local mode="$1" out board profile log
    start_x "$mode"

    # Manual scanning: Enter selects the highlighted area, space 100 ms later steps.
    out="$E2E_WORK/manual-$mode.txt" board="$E2E_WORK/manual-$mode.ORV"
    profile="$E2E_WORK/manual-$mode.USR" log="$E2E_WORK/manual-$mode.log"
    rm -f "$out"
    write_grid_board "$board" "xterm -u8 -geometry 30x6 -fn fixed -title terminal -e sh -c \"cat > $out\""
    write_profile "$profile" 1 0 8 255 3 2
    start_orvel "$board" "$profile" "$log"
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
    out="$E2E_WORK/cursors-$mode.txt" board="$E2E_WORK/cursors-$mode.ORV"
    profile="$E2E_WORK/cursors-$mode.USR" log="$E2E_WORK/cursors-$mode.log"
    rm -f "$out"
    write_grid_board "$board" "xterm -u8 -geometry 30x6 -fn fixed -title terminal -e sh -c \"cat > $out\""
    write_profile "$profile" 3 0 8 255 0 0
    start_orvel "$board" "$profile" "$log"
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
