#!/bin/bash
# A second copy of Orvel started while a board runs (scanning, taking the focus
# back at every step) shows "Orvel ja s'està executant!" above the board, and
# ends by itself when nobody answers; the board goes on. Bare and under openbox.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

# Top-level windows (managed clients under a manager), bottom of the stack first, in decimal.
stacking() {
    if [ "$1" = openbox ]; then
        xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,/\n/g' | while read -r id; do printf '%d\n' "$id"; done
    else
        python3 - <<'PY'
import ctypes
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                         ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)), ctypes.POINTER(ctypes.c_uint)]
d = x.XOpenDisplay(None)
root, parent = ctypes.c_ulong(), ctypes.c_ulong()
children, n = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
x.XQueryTree(d, x.XDefaultRootWindow(d), ctypes.byref(root), ctypes.byref(parent), ctypes.byref(children), ctypes.byref(n))
for i in range(n.value):  # bottom first
    print(children[i])
PY
    fi
}

run_case() {
    local mode="$1"
    start_x "$mode"
    local out="$E2E_WORK/first-$mode.txt" board="$E2E_WORK/first-$mode.ORV" profile="$E2E_WORK/auto.USR"
    write_grid_board "$board" "xterm -u8 -geometry 30x6 -fn fixed -title terminal -e sh -c \"cat > $out\""
    write_profile "$profile" 2 1 8 255 3 0
    start_orvel "$board" "$profile" "$E2E_WORK/first-$mode.log"
    local first=$ORVEL_PID
    wait_board_focus || fail "no focus ($mode)"

    "$ORVEL_BIN" "$board" >"$E2E_WORK/second-$mode.log" 2>&1 &
    local second=$! box="" n=0
    E2E_PIDS+=("$second")
    until box=$(xdotool search --onlyvisible --name '^Orvel$' 2>/dev/null | head -1) && [ -n "$box" ]; do
        n=$((n + 1))
        [ "$n" -lt 100 ] || fail "the second copy showed no message ($mode)"
        sleep 0.1
    done
    # While the board scans and takes the focus, the message stays the top window.
    local i top
    for i in 1 2 3 4 5; do
        sleep 0.5
        top=$(stacking "$mode" | while read -r w; do
            [ "$w" = "$box" ] || [ "$w" = "$BOARD_WINDOW" ] && echo "$w"
        done | tail -1)
        # Under a manager the client's frame is what stacks; compare through the client list.
        [ "$top" = "$box" ] || {
            import -window root "$E2E_WORK/second-$mode.png"
            fail "the message is under the board ($mode)"
        }
    done
    # Nobody answers: the second copy ends by itself; the board goes on.
    n=0
    while kill -0 "$second" 2>/dev/null; do
        n=$((n + 1))
        [ "$n" -lt 200 ] || fail "the second copy did not end by itself ($mode)"
        sleep 0.1
    done
    kill -0 "$first" 2>/dev/null || fail "the board ended ($mode)"
    echo "ok: $mode"
    stop_x
}

for mode in ${E2E_MODES:-bare openbox}; do
    run_case "$mode"
done
