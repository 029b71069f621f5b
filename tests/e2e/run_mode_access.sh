#!/bin/bash
# Orvel in run mode types into a real terminal, driven by real key and mouse
# events: the keyboard cursors (arrows and Enter), manual scanning (space steps,
# Enter selects), automatic scanning (space selects the highlighted area, found
# on the screen by its frame colour) and mouse clicks on the areas. "&Sortir" leaves run mode and closes the
# terminal the board started. On a bare X server and under openbox.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

# leave_and_check OUT: "&Sortir" with the board focused, then the terminal must go.
leave_and_check() {
    local out="$1" n=0
    if [ "$method" = mouse ]; then
        # With the mouse method the person clicks "Sortir" on the menu bar (its
        # third command, about 172 pixels from the window's left).
        xdotool mousemove "$((BOARD_LEFT + 172))" "$((BOARD_TOP - 10))" click 1
    else
        wait_board_focus || fail "no focus before leaving"
        xdotool key alt+s
    fi
    while terminal_running "$out"; do
        n=$((n + 1))
        [ "$n" -lt 50 ] || {
            import -window root "$E2E_WORK/leave-${CASE// /-}.png"
            pgrep -af "cat > $out"; ps -eo pid,ppid,stat,args | grep -E "xterm|cat" | grep -v grep
            fail "leaving run mode did not close the terminal ($CASE)"
        }
        sleep 0.1
    done
    kill -0 "$ORVEL_PID" 2>/dev/null || fail "orvel ended instead of returning to the editor ($CASE)"
    xdotool search --onlyvisible --name '^Orvel - ' >/dev/null || fail "the editor is not shown ($CASE)"
}

run_method() {
    local mode="$1" method="$2"
    CASE="$mode $method"
    local out="$E2E_WORK/typed-$mode-$method.txt" board="$E2E_WORK/grid-$mode-$method.ORV"
    local profile="$E2E_WORK/$method.USR" log="$E2E_WORK/orvel-$mode-$method.log"
    rm -f "$out"
    write_grid_board "$board" "xterm -u8 -geometry 30x6 -fn fixed -title terminal -e sh -c \"cat > $out\""
    local expected
    case "$method" in
    cursors)
        write_profile "$profile" 3 0 8 255 0 0
        start_orvel "$board" "$profile" "$log"
        # The highlight starts on area 5 (Enter).
        press Up Return Left Return Down Return Right Return
        expected=$'bac\n'
        ;;
    manual)
        write_profile "$profile" 1 0 8 255 3 2
        start_orvel "$board" "$profile" "$log"
        press space Return space space Return space Return
        expected=$'ac\n'
        ;;
    mouse)
        # A click selects the area under the pointer: area 3 (b), then area 5 (Enter).
        write_profile "$profile" 0 0 8 255 0 0
        start_orvel "$board" "$profile" "$log"
        local spot
        for spot in "300 80" "300 220"; do
            set -- $spot
            sleep 0.5
            xdotool mousemove "$((BOARD_LEFT + $(board_x "$1")))" "$((BOARD_TOP + $(board_y "$2")))" click 1
        done
        expected=$'b\n'
        ;;
    automatic)
        # Steps of 1.5 s, a blue frame 4 pixels wide; space is the switch.
        write_profile "$profile" 2 15 4 16711680 3 0
        start_orvel "$board" "$profile" "$log"
        local area x y
        for area in "20 160" "220 160"; do
            set -- $area
            # The middle of the frame's top edge over area 4, then over area 5.
            x=$((BOARD_LEFT + $(board_x $(($1 + 80)))))
            y=$((BOARD_TOP + $(board_y "$2") + 1))
            wait_board_focus || fail "no focus ($CASE)"
            wait_pixel "$x" "$y" "0,0,255" 120 || {
                import -window root "$E2E_WORK/screen-$mode-$method.png"
                fail "the blue frame never reached the area at $1,$2 ($CASE)"
            }
            xdotool key space
        done
        expected=$'c\n'
        ;;
    esac
    wait_for_text "$out" "$expected" || {
        import -window root "$E2E_WORK/screen-$mode-$method.png" 2>/dev/null
        echo "--- expected"; printf '%s' "$expected" | od -c
        echo "--- arrived"; od -c "$out" 2>/dev/null
        cat "$log"
        fail "typed text differs ($CASE)"
    }
    leave_and_check "$out"
    # "&Fitxers", "&Sortir" in the editor ends the program.
    xdotool key alt+f
    sleep 0.3
    import -window root "$E2E_WORK/editor-${CASE// /-}.png"
    xdotool getwindowfocus >"$E2E_WORK/focus-${CASE// /-}.txt"
    xdotool key s
    local n=0
    while kill -0 "$ORVEL_PID" 2>/dev/null; do
        n=$((n + 1))
        [ "$n" -lt 50 ] || fail "\"&Sortir\" in the editor did not end Orvel ($CASE)"
        sleep 0.1
    done
    wait "$ORVEL_PID"
    local status=$?
    [ "$status" -eq 0 ] || fail "orvel ended with status $status ($CASE)"
    echo "ok: $CASE"
}

for mode in ${E2E_MODES:-bare openbox}; do
    start_x "$mode"
    for method in ${E2E_METHODS:-cursors manual automatic mouse}; do
        run_method "$mode" "$method"
    done
    stop_x
done
