#!/bin/bash
# What a person sees in run mode: the board window sized from its root area,
# the started program placed in the free strip beside it, and the highlight
# frame (8 pixels, red, the new user's frame) exactly over the highlighted
# area, read back from a screenshot. A second copy of Orvel says so and ends.
# On a bare X server and under openbox.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

is_red() { [ "$1" = red ] || [ "$1" = "srgb(255,0,0)" ]; }

check_screen() {
    local mode="$1"
    local out="$E2E_WORK/screen-$mode.txt" board="$E2E_WORK/screen-$mode.ORV"
    local profile="$E2E_WORK/cursors.USR" log="$E2E_WORK/orvel-screen-$mode.log"
    local shot="$E2E_WORK/run-mode-$mode.png"
    rm -f "$out"
    write_grid_board "$board" "xterm -u8 -geometry 30x6 -fn fixed -title terminal -e sh -c \"cat > $out\""
    write_profile "$profile" 3 0 0 255 0 0
    start_orvel "$board" "$profile" "$log"

    # The terminal goes into the strip right of the board and below it.
    local terminal tries=0
    until terminal=$(xdotool search --onlyvisible --name '^terminal$' 2>/dev/null | head -1) && [ -n "$terminal" ]; do
        tries=$((tries + 1)); [ "$tries" -lt 100 ] || fail "no terminal window ($mode)"; sleep 0.1
    done
    sleep 1
    local tx ty
    tx=$(xwininfo -id "$terminal" | sed -n 's/ *Absolute upper-left X: *//p')
    ty=$(xwininfo -id "$terminal" | sed -n 's/ *Absolute upper-left Y: *//p')
    # The strip starts at template x 399, y 333 (the band under the board).
    [ "$tx" -ge "$(board_x 399)" ] || fail "the terminal is over the board: x $tx ($mode)"
    [ "$ty" -ge "$(board_y 333)" ] || fail "the terminal is over the board: y $ty ($mode)"

    # The cursor method starts on the last area, 220,160-380,280.
    local fx fy fw fh
    fx=$((BOARD_LEFT + $(board_x 220))); fy=$((BOARD_TOP + $(board_y 160)))
    fw=$(( $(board_x 380) - $(board_x 220) )); fh=$(( $(board_y 280) - $(board_y 160) ))
    wait_pixel "$fx" "$fy" "255,0,0" 50 || true
    import -window root "$shot" || fail "no screenshot ($mode)"
    # The red pixels of the screen form exactly the frame's box.
    local box
    box=$(convert "$shot" -fill black +opaque '#FF0000' -format '%@' info: 2>/dev/null)
    [ "$box" = "${fw}x${fh}+${fx}+${fy}" ] || fail "red frame at $box, expected ${fw}x${fh}+${fx}+${fy} ($mode)"
    local inside
    inside=$(convert "$shot" -format "%[pixel:p{$((fx + 7)),$((fy + fh / 2))}] %[pixel:p{$((fx + 8)),$((fy + fh / 2))}] %[pixel:p{$((fx + fw / 2)),$((fy + fh - 8))}] %[pixel:p{$((fx + fw / 2)),$((fy + fh - 9))}]" info:)
    set -- $inside
    is_red "$1" || fail "the frame's 8th pixel column is $1 ($mode)"
    is_red "$2" && fail "the frame is wider than 8 pixels ($mode)"
    is_red "$3" || fail "the frame's bottom edge is $3 ($mode)"
    is_red "$4" && fail "the frame's bottom edge is thicker than 8 pixels ($mode)"

    # An arrow moves it to area 3 (220,20-380,140): the red box follows.
    wait_board_focus || fail "the board has no focus ($mode)"
    xdotool key Up
    fy=$((BOARD_TOP + $(board_y 20))); fh=$(( $(board_y 140) - $(board_y 20) ))
    wait_pixel "$((fx + 1))" "$((fy + 1))" "255,0,0" 50 || fail "the frame did not move up ($mode)"
    sleep 0.2
    import -window root "$shot.up.png"
    box=$(convert "$shot.up.png" -fill black +opaque '#FF0000' -format '%@' info: 2>/dev/null)
    [ "$box" = "${fw}x${fh}+${fx}+${fy}" ] || fail "after Up the red frame is at $box ($mode)"

    # A second copy refuses to start and says why.
    "$ORVEL_BIN" "$board" >"$E2E_WORK/second-$mode.log" 2>&1 &
    local second=$!
    E2E_PIDS+=("$second")
    local box_window="" n=0
    until [ -n "$box_window" ]; do
        box_window=$(xdotool search --onlyvisible --name '^Orvel$' 2>/dev/null | head -1)
        n=$((n + 1)); [ "$n" -lt 100 ] || fail "the second copy showed no message ($mode)"
        sleep 0.1
    done
    import -window root "$E2E_WORK/second-$mode.png"
    xdotool windowactivate --sync "$box_window" 2>/dev/null || xdotool windowfocus "$box_window"
    xdotool key --window "$box_window" Return 2>/dev/null; xdotool key Return
    n=0
    while kill -0 "$second" 2>/dev/null; do
        n=$((n + 1)); [ "$n" -lt 50 ] || fail "the second copy did not end ($mode)"
        sleep 0.1
    done
    wait "$second"; local status=$?
    [ "$status" -eq 1 ] || fail "the second copy ended with $status ($mode)"
    kill -0 "$ORVEL_PID" || fail "the first copy ended ($mode)"

    kill "$ORVEL_PID"; wait "$ORVEL_PID" 2>/dev/null
    echo "ok: $mode"
}

for mode in ${E2E_MODES:-bare openbox}; do
    start_x "$mode"
    check_screen "$mode"
    stop_x
done
