#!/bin/bash
# No key stays down in the X server because of Orvel, and none left down by an
# injector that was killed changes what Orvel types: a Shift held on the XTest
# device (as a killed typist leaves it) is released before the next run, so
# "abc 123" arrives as it is. SIGTERM and SIGINT end --execute in a wait and the
# board in run mode within a second. On a bare X server and under openbox.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

# ends_within PID TENTHS: the process is gone within that many tenths of a second.
ends_within() {
    local pid="$1" tenths="$2" n=0
    while kill -0 "$pid" 2>/dev/null; do
        n=$((n + 1))
        [ "$n" -le "$tenths" ] || return 1
        sleep 0.1
    done
}

terminal() { echo "xterm -u8 -geometry 60x6+300+300 -fn fixed -e sh -c \"cat > $1\""; }

run_case() {
    local mode="$1" out board log
    start_x "$mode"

    # A Shift left down on the XTest device, as a typist killed mid-word leaves it.
    out="$E2E_WORK/left-$mode.txt" board="$E2E_WORK/left-$mode.ORV" log="$E2E_WORK/left-$mode.log"
    rm -f "$out"
    write_board "$board" "$(terminal "$out")" "" "abc 123{ENTER}"
    xdotool keydown shift
    "$ORVEL_BIN" --execute "$board" 1 >"$log" 2>&1 || { cat "$log"; fail "--execute failed ($mode)"; }
    "$ORVEL_BIN" --execute "$board" 2 >>"$log" 2>&1 || { cat "$log"; fail "--execute failed ($mode)"; }
    wait_for_text "$out" $'abc 123\n' || {
        od -c "$out"; cat "$log"; fail "a Shift left down changed what was typed ($mode)"
    }
    pkill -f "cat > $out"

    # SIGTERM and SIGINT during a wait of --execute: it ends within a second.
    local signal
    for signal in TERM INT; do
        out="$E2E_WORK/wait-$signal-$mode.txt" board="$E2E_WORK/wait-$signal-$mode.ORV"
        rm -f "$out"
        write_board "$board" "$(terminal "$out")" "" "x{ENTER}{|ESPERA 30}y{ENTER}"
        "$ORVEL_BIN" --execute "$board" 2 >"$log" 2>&1 &
        local pid=$!
        E2E_PIDS+=("$pid")
        wait_for_text "$out" $'x\n' || { cat "$log"; fail "the first key never arrived ($signal, $mode)"; }
        kill -"$signal" "$pid"
        ends_within "$pid" 10 || fail "--execute did not end within a second of SIG$signal ($mode)"
        [ "$(cat "$out"; printf X)" = $'x\nX' ] || fail "keys were typed after SIG$signal ($mode)"
        pkill -f "cat > $out"
    done

    # SIGTERM to the board in run mode.
    out="$E2E_WORK/run-$mode.txt" board="$E2E_WORK/run-$mode.ORV"
    write_board "$board" "$(terminal "$out")" "" "a"
    "$ORVEL_BIN" "$board" >"$log" 2>&1 &
    pid=$!
    E2E_PIDS+=("$pid")
    local n=0
    until xdotool search --onlyvisible --name '^Orvel - ' >/dev/null 2>&1; do
        n=$((n + 1))
        [ "$n" -lt 100 ] || { cat "$log"; fail "the board did not appear ($mode)"; }
        sleep 0.1
    done
    kill -TERM "$pid"
    ends_within "$pid" 10 || fail "the board did not end within a second of SIGTERM ($mode)"
    pkill -f "cat > $out"
    echo "ok: $mode"
    stop_x
}

for mode in ${E2E_MODES:-bare openbox}; do
    run_case "$mode"
done
