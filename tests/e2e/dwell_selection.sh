#!/bin/bash
# Dwell in the mouse method: resting the real pointer on an area for the dwell
# time types its key into a real terminal, once; staying or moving within the
# area types nothing more; leaving and coming back, or resting on another area,
# selects again. On a bare X server and under openbox.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

# point_at X Y: the pointer to template point X,Y of the board.
point_at() { xdotool mousemove "$((BOARD_LEFT + $(board_x "$1")))" "$((BOARD_TOP + $(board_y "$2")))"; }

run_case() {
    CASE="dwell-$1"
    local out="$E2E_WORK/typed-$CASE.txt" board="$E2E_WORK/grid-$CASE.ORV" profile="$E2E_WORK/dwell.USR"
    LOG="$E2E_WORK/orvel-$CASE.log"
    rm -f "$out"
    write_grid_board "$board" "$RAW_TERMINAL$out\""
    # The mouse method with a dwell of 0.8 s.
    write_profile "$profile" 0 0 8 255 0 0
    printf 'acceptacio= 0\r\npost_acceptacio= 0\r\nretard_inicial= 0\r\nvoltes= 0\r\nfiles= 0\r\n' >>"$profile"
    printf 'permanencia= 800\r\nmarc_contrast= 0\r\n' >>"$profile"
    start_orvel "$board" "$profile" "$LOG"

    point_at 300 80        # area 3 types b
    wait_typed "$out" "b"
    sleep 2.5              # three dwell times more on the same area
    point_at 310 90        # a move within it
    sleep 2
    wait_typed "$out" "b"
    point_at 100 220       # area 4 types c
    wait_typed "$out" "bc"
    point_at 300 80        # back on area 3: left it, so it selects again
    wait_typed "$out" "bcb"
    point_at 200 150       # the background between the areas selects nothing
    sleep 2
    wait_typed "$out" "bcb"
    stop_orvel "$out"
    echo "ok: $CASE"
}

for mode in ${E2E_MODES:-bare openbox}; do
    start_x "$mode"
    run_case "$mode"
    stop_x
done
