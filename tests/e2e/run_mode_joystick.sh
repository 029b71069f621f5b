#!/bin/bash
# The joystick method drives a board in run mode and types into a real
# terminal: a virtual joystick (the test build orvel_e2e_joystick plugs one in
# and moves it by the lines written to a FIFO) moves the highlight up, left,
# down and right and presses its button; then it is unplugged mid-run and
# Orvel goes on. The mouse standing in for a joystick ("Multimouse") does the
# same with real pointer moves and clicks. On a bare X server and under openbox.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

JOYSTICK_BIN="$(dirname "$ORVEL_BIN")/orvel_e2e_joystick"
[ -x "$JOYSTICK_BIN" ] || fail "missing $JOYSTICK_BIN"

# write_joystick_profile FILE MODUS N_JOYSTIC: polled every tenth of a second.
write_joystick_profile() {
    printf '[Orvel]\r\nInterval= 100\r\nSo=Si\r\nmodus= %d\r\ntemps= 0\r\ngruix= 8\r\ncolor= 255\r\naccio1= 0\r\naccio2= 0\r\nvariable1=\r\nvariable2=\r\nretard1= 0\r\nretard2= 0\r\nn_joystic= %d\r\njoystic_sensi= 1\r\njoystic_retard= 1\r\n' \
        "$2" "$3" >"$1"
}

run_joystick() {
    CASE="joystick-$1"
    local out="$E2E_WORK/typed-$CASE.txt" board="$E2E_WORK/grid-$CASE.ORV" profile="$E2E_WORK/$CASE.USR"
    local fifo="$E2E_WORK/joystick-$CASE.fifo"
    LOG="$E2E_WORK/orvel-$CASE.log"
    rm -f "$out" "$fifo"
    mkfifo "$fifo"
    write_grid_board "$board" "$RAW_TERMINAL$out\""
    write_joystick_profile "$profile" 4 1
    ORVEL_E2E_JOYSTICK_FIFO="$fifo" ORVEL_BIN="$JOYSTICK_BIN" start_orvel "$board" "$profile" "$LOG"
    exec 3>"$fifo"
    wait_highlight 220 160
    # Each line is the joystick's position for one poll: a push, the rest, the
    # button for one poll, the rest. Moving before the selected area has run
    # would cancel it, so each letter is awaited in the terminal.
    local step expected=""
    for step in "0 -32768:220 20:b" "-32768 0:20 20:a" "0 32767:20 160:c" "32767 0:220 160:"; do
        IFS=: read -r push area letter <<<"$step"
        printf '%s 0\n0 0 0\n' "$push" >&3
        wait_highlight $area
        printf '0 0 1\n0 0 0\n' >&3
        expected+="${letter:-$'\r'}"
        wait_typed "$out" "$expected"
    done
    # Unplugged mid-run: no hang, no crash, and the keyboard still leaves run mode.
    printf 'unplug\n' >&3
    local n=0
    until grep -q "virtual joystick unplugged" "$LOG"; do
        n=$((n + 1))
        [ "$n" -lt 50 ] || fail "the joystick was not unplugged ($CASE)"
        sleep 0.1
    done
    printf '32767 0 1\n' >&3
    sleep 0.5
    kill -0 "$ORVEL_PID" 2>/dev/null || { cat "$LOG"; fail "orvel ended when the joystick went ($CASE)"; }
    wait_highlight 220 160
    exec 3>&-
    [ "$(cat "$out"; printf X)" = "${expected}X" ] || fail "keys arrived after the joystick went ($CASE)"
    leave_run_mode "$out"
    echo "ok: $CASE"
}

run_multimouse() {
    CASE="multimouse-$1"
    local out="$E2E_WORK/typed-$CASE.txt" board="$E2E_WORK/grid-$CASE.ORV" profile="$E2E_WORK/$CASE.USR"
    LOG="$E2E_WORK/orvel-$CASE.log"
    rm -f "$out"
    write_grid_board "$board" "$RAW_TERMINAL$out\""
    write_joystick_profile "$profile" 8 100
    # The pointer rests where the middle of the board will be before Orvel
    # starts: the first poll only takes its position.
    xdotool mousemove 320 280
    start_orvel "$board" "$profile" "$LOG"
    wait_highlight 220 160
    local step expected=""
    for step in "0 -40:220 20:b" "-40 0:20 20:a" "0 40:20 160:c" "40 0:220 160:"; do
        IFS=: read -r move area letter <<<"$step"
        # The first move may come before Orvel's first poll, which only
        # takes the pointer's position: then the move is made again.
        local tries=0
        until xdotool mousemove_relative -- $move && wait_highlight $area 20; do
            tries=$((tries + 1))
            [ "$tries" -lt 3 ] || wait_highlight $area
        done
        xdotool click 1
        expected+="${letter:-$'\r'}"
        wait_typed "$out" "$expected"
    done
    # Small moves within the band (5 pixels per sensitivity step) move nothing.
    xdotool mousemove_relative -- 4 0
    sleep 0.3
    wait_highlight 220 160
    leave_run_mode "$out"
    echo "ok: $CASE"
}

for mode in ${E2E_MODES:-bare openbox}; do
    start_x "$mode"
    run_joystick "$mode"
    run_multimouse "$mode"
    stop_x
done
