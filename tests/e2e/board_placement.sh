#!/bin/bash
# Where the board and its target go on the screen, as a person sees them:
#  - at 100 %, 150 % and 200 % desktop scaling (QT_SCALE_FACTOR, and Xft.dpi 192
#    in the X resources) the board has the
#    same size in screen pixels (the root area of 400 x 300 template pixels is
#    640 screen pixels wide on 1024 x 768) and the terminal it started is placed
#    in the strip at its right;
#  - a board whose root area is 32767 pixels wide is cut to the screen, and
#    Orvel's memory stays small;
#  - under a window manager, after "&Sortir" from a command-line start the
#    editor's title bar is on the screen, and so is the board's after a message
#    box came before it.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

# left TOP-LEVEL-WINDOW: the client's left edge on the screen.
left_of() { xwininfo -id "$1" | sed -n 's/ *Absolute upper-left X: *//p'; }
top_of() { xwininfo -id "$1" | sed -n 's/ *Absolute upper-left Y: *//p'; }
width_of() { xwininfo -id "$1" | sed -n 's/ *Width: *//p'; }
# The frame's top edge: the client's, less the manager's title band.
frame_top() {
    local extents top
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p')
    top=$(top_of "$1")
    [ -n "$extents" ] && top=$((top - $(cut -d, -f3 <<<"$extents")))
    echo "$top"
}

run_case() {
    local mode="$1" out board profile log scale
    start_x "$mode"
    profile="$E2E_WORK/cursors.USR"
    write_profile "$profile" 3 0 8 255 0 0

    for scale in 1 1.5 2 dpi192; do
        out="$E2E_WORK/scaled-$scale-$mode.txt" board="$E2E_WORK/scaled-$scale-$mode.ORV"
        log="$E2E_WORK/scaled-$scale-$mode.log"
        write_grid_board "$board" "xterm -u8 -geometry 30x6 -fn fixed -title terminal -e sh -c \"cat > $out\""
        if [ "$scale" = dpi192 ]; then
            xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	192"
            start_orvel "$board" "$profile" "$log"
            xprop -root -remove RESOURCE_MANAGER
        else
            QT_SCALE_FACTOR=$scale start_orvel "$board" "$profile" "$log"
        fi
        local width terminal n=0
        width=$(width_of "$BOARD_WINDOW")
        # (At 150 % a toolkit pixel is 1.5 screen pixels: one pixel more or less.)
        [ "$width" -ge 639 ] && [ "$width" -le 641 ] || {
            import -window root "$E2E_WORK/scaled-$scale-$mode.png"
            fail "at scale $scale the board is $width screen pixels wide, not 640 ($mode)"
        }
        until terminal=$(xdotool search --onlyvisible --name '^terminal$' 2>/dev/null | head -1) && [ -n "$terminal" ] &&
            [ "$(left_of "$terminal")" -ge 630 ]; do
            n=$((n + 1))
            [ "$n" -lt 50 ] || {
                import -window root "$E2E_WORK/scaled-$scale-$mode.png"
                fail "at scale $scale the terminal is not in the strip right of the board ($mode)"
            }
            sleep 0.1
        done
        [ "$(left_of "$terminal")" -le 650 ] || fail "at scale $scale the terminal is placed too far right ($mode)"
        stop_orvel "$out"
    done

    # A root area of 32767 pixels: the board is cut to the screen.
    board="$E2E_WORK/huge-$mode.ORV" log="$E2E_WORK/huge-$mode.log"
    {
        printf ' 2 \n 1 \n\n 2 \n""\n 0 \n""\n""\n""\n""\n""\n 1 \n 0 \n 0 \n 0 \n 0 \n 100 \n'
        printf ' 0 \n 0 \n 32767 \n 32767 \n 0 \n 0 \n""\n""\n""\n""\n 0 \n 0 \n'
        printf ' 10 \n 10 \n 100 \n 100 \n 1 \n 0 \n""\n""\n"a"\n""\n 0 \n 0 \n'
    } | sed 's/$/\r/' >"$board"
    start_orvel "$board" "$profile" "$log"
    sleep 2
    kill -0 "$ORVEL_PID" 2>/dev/null || fail "orvel ended on a huge board ($mode)"
    [ "$(width_of "$BOARD_WINDOW")" -le 1024 ] || fail "the huge board is wider than the screen ($mode)"
    local rss
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$ORVEL_PID/status")
    [ "$rss" -lt 400000 ] || fail "orvel holds $rss KiB for a huge board ($mode)"
    stop_orvel none

    # "&Sortir" from a command-line start: the editor's title bar is on the screen.
    if [ "$mode" = openbox ]; then
        out="$E2E_WORK/leave-$mode.txt" board="$E2E_WORK/leave-$mode.ORV" log="$E2E_WORK/leave-$mode.log"
        write_grid_board "$board" "xterm -u8 -geometry 30x6 -fn fixed -title terminal -e sh -c \"cat > $out\""
        start_orvel "$board" "$profile" "$log"
        wait_board_focus || fail "no focus ($mode)"
        xdotool key alt+s
        local n=0
        while terminal_running "$out"; do
            n=$((n + 1))
            [ "$n" -lt 50 ] || fail "\"&Sortir\" did not leave run mode ($mode)"
            sleep 0.1
        done
        sleep 0.5
        local top
        top=$(frame_top "$BOARD_WINDOW")
        [ "$top" -ge 0 ] || {
            import -window root "$E2E_WORK/leave-$mode.png"
            fail "the editor's title bar is above the screen (frame top $top) ($mode)"
        }
        stop_orvel "$out"

        # A message box before the board (a profile that is not there): the board's
        # title bar is on the screen too.
        "$ORVEL_BIN" "$board" "$E2E_WORK/NOPE.USR" >"$log" 2>&1 &
        ORVEL_PID=$!
        E2E_PIDS+=("$ORVEL_PID")
        n=0
        until xdotool search --onlyvisible --name '^Orvel$' >/dev/null 2>&1; do
            n=$((n + 1))
            [ "$n" -lt 100 ] || fail "no message for the missing profile ($mode)"
            sleep 0.1
        done
        xdotool key Return
        BOARD_WINDOW=""
        n=0
        until [ -n "$BOARD_WINDOW" ] && [ "$(frame_top "$BOARD_WINDOW")" -ge 0 ]; do
            BOARD_WINDOW=$(xdotool search --onlyvisible --name '^Orvel - ' 2>/dev/null | head -1)
            n=$((n + 1))
            [ "$n" -lt 50 ] || {
                import -window root "$E2E_WORK/box-$mode.png"
                fail "after a message box the board's title bar is above the screen ($mode)"
            }
            sleep 0.1
        done
        stop_orvel "$out"
    fi
    echo "ok: $mode"
    stop_x
}

for mode in ${E2E_MODES:-bare openbox}; do
    run_case "$mode"
done
