#!/bin/bash
# A board's start-up: a program that cannot be started is reported once and the
# next one still starts; a program slow to show its window still becomes the
# target of the initial keys and of the areas.
set -u
. "$(dirname "$0")/lib/board_session.sh"

for mode in bare openbox; do
    start_x "$mode"
    out="$E2E_WORK/startup-$mode.txt"
    log="$E2E_WORK/startup-$mode.log"
    rm -f "$out"
    board="$E2E_WORK/startup-$mode.ORV"
    write_board "$board" \
        "no-such-program-for-orvel|sh -c \"sleep 1.5; exec xterm -u8 -fn fixed -e sh -c 'cat > $out'\"" \
        "lent~" "{|ESPERA 1}area~" "^d"
    rc=0
    "$ORVEL_BIN" --execute "$board" 2 3 >"$log" 2>&1 || rc=$?
    [ "$rc" = 0 ] || { cat "$log"; fail "orvel --execute exited $rc ($mode)"; }
    wait_for_file "$out" || fail "the slow terminal did not receive its keys ($mode)"
    [ "$(cat "$out")" = "$(printf 'lent\narea')" ] || { od -c "$out"; fail "typed text differs ($mode)"; }
    reports=$(grep -c 'no-such-program-for-orvel' "$log")
    [ "$reports" = 1 ] || { cat "$log"; fail "the failed program was reported $reports times ($mode)"; }
    echo "ok: startup $mode"
    stop_x
done

# A board whose program never starts types nothing and says nothing more.
start_x bare
board="$E2E_WORK/no-target.ORV"
write_board "$board" "" "" "{|M+ x}typed nowhere{|SONA A.WAV}"
rc=0
"$ORVEL_BIN" --execute "$board" 2 >"$E2E_WORK/no-target.log" 2>&1 || rc=$?
[ "$rc" = 0 ] || fail "no target: exited $rc"
[ ! -s "$E2E_WORK/no-target.log" ] || { cat "$E2E_WORK/no-target.log"; fail "no target: messages shown"; }
# Bad command lines are refused before anything runs.
"$ORVEL_BIN" --execute "$board" 9 >/dev/null 2>&1 && fail "an area the board lacks was accepted"
"$ORVEL_BIN" --execute "$board" x >/dev/null 2>&1 && fail "a bad area number was accepted"
"$ORVEL_BIN" --execute "$E2E_WORK/missing.ORV" >/dev/null 2>&1 && fail "a missing board was accepted"
stop_x
( unset DISPLAY; "$ORVEL_BIN" --execute "$board" 2 >"$E2E_WORK/no-display.log" 2>&1 ); rc=$?
[ "$rc" = 1 ] && grep -q 'X display' "$E2E_WORK/no-display.log" || fail "without a display: status $rc, $(cat "$E2E_WORK/no-display.log")"
echo "ok: refusals"
