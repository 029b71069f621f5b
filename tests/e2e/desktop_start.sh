#!/bin/bash
# Orvel started as the desktop starts it. "orvel --start FILE", as a double click on a board
# in the file manager runs it, opens the board in run mode. On XWayland (WAYLAND_DISPLAY
# beside DISPLAY) Orvel says on stderr at every start, and once in a box, that it types only
# into X11 programs; on Wayland without X11 it says why it cannot run and ends.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

# Wayland without X11: a reason and status 1, not a crash or silence.
env -u DISPLAY WAYLAND_DISPLAY=wayland-e2e "$ORVEL_BIN" --start >"$E2E_WORK/wayland-only.log" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "Wayland without X11: status $status"
grep -q "sessió Wayland sense X11" "$E2E_WORK/wayland-only.log" || { cat "$E2E_WORK/wayland-only.log"; fail "no reason given"; }

# On a real Wayland compositor (weston, headless) with Qt's Wayland plugin the reason is
# also shown in a box, which waits for an answer: Orvel is still there once it has said why.
weston --backend=headless-backend.so --socket=wayland-orvel-e2e --idle-time=0 --debug --use-pixman \
    >"$E2E_WORK/weston.log" 2>&1 &
weston_pid=$!
E2E_PIDS+=("$weston_pid")
n=0
until [ -S "$XDG_RUNTIME_DIR/wayland-orvel-e2e" ]; do
    n=$((n + 1))
    [ "$n" -lt 100 ] || { cat "$E2E_WORK/weston.log"; fail "weston did not start"; }
    sleep 0.1
done
env -u DISPLAY WAYLAND_DISPLAY=wayland-orvel-e2e "$ORVEL_BIN" >"$E2E_WORK/wayland-box.log" 2>&1 &
pid=$!
E2E_PIDS+=("$pid")
n=0
until grep -q "sessió Wayland sense X11" "$E2E_WORK/wayland-box.log"; do
    n=$((n + 1))
    kill -0 "$pid" 2>/dev/null || { cat "$E2E_WORK/wayland-box.log"; fail "Orvel ended on Wayland without showing why"; }
    [ "$n" -lt 100 ] || fail "no reason on Wayland"
    sleep 0.1
done
for n in 1 2 3 4 5; do
    kill -0 "$pid" 2>/dev/null || { cat "$E2E_WORK/wayland-box.log"; fail "no message box on Wayland"; }
    sleep 0.1
done
(cd "$E2E_WORK" && WAYLAND_DISPLAY=wayland-orvel-e2e weston-screenshooter >/dev/null 2>&1)
kill "$pid" "$weston_pid"
wait "$pid" "$weston_pid" 2>/dev/null

start_x bare
export WAYLAND_DISPLAY=wayland-e2e
# A name as file managers pass it: a blank, an accent, a lower-case extension.
board="$E2E_WORK/Plafó de prova.orv"
write_grid_board "$board" ""
rm -f "$XDG_STATE_HOME/orvel/xwayland-notice-shown"

# Waits for a visible window whose name matches; prints its id.
wait_window() {
    local id="" n=0
    until id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ]; do
        n=$((n + 1))
        [ "$n" -lt 100 ] || return 1
        sleep 0.1
    done
    echo "$id"
}

# The board in run mode: its window is area 1 scaled to the screen, not the editor.
wait_run_mode() {
    local window="$1" n=0 width=""
    until [ "$width" = "$(board_x 400)" ]; do
        width=$(xwininfo -id "$window" 2>/dev/null | sed -n 's/ *Width: *//p')
        n=$((n + 1))
        [ "$n" -lt 100 ] || fail "the board is not in run mode (window width $width)"
        sleep 0.1
    done
}

"$ORVEL_BIN" --start "$board" >"$E2E_WORK/first.log" 2>&1 &
pid=$!
E2E_PIDS+=("$pid")
board_window=$(wait_window '^Orvel - ') || { cat "$E2E_WORK/first.log"; fail "no board window"; }
wait_run_mode "$board_window"
box=$(wait_window '^Orvel$') || { import -window root "$E2E_WORK/first.png"; fail "no XWayland message"; }
grep -q "només pot escriure" "$E2E_WORK/first.log" || fail "no XWayland line on stderr"
import -window root "$E2E_WORK/xwayland-box.png"
xdotool windowfocus --sync "$box" key Return
n=0
while xdotool search --onlyvisible --name '^Orvel$' >/dev/null 2>&1; do
    n=$((n + 1))
    [ "$n" -lt 100 ] || fail "the message did not close"
    sleep 0.1
done
[ -f "$XDG_STATE_HOME/orvel/xwayland-notice-shown" ] || fail "the message is not remembered"
kill "$pid"
wait "$pid" 2>/dev/null

# The second start says it on stderr only.
"$ORVEL_BIN" --start "$board" >"$E2E_WORK/second.log" 2>&1 &
pid=$!
E2E_PIDS+=("$pid")
board_window=$(wait_window '^Orvel - ') || { cat "$E2E_WORK/second.log"; fail "no board window at the second start"; }
wait_run_mode "$board_window"
n=0
until grep -q "només pot escriure" "$E2E_WORK/second.log"; do
    n=$((n + 1))
    [ "$n" -lt 100 ] || fail "no XWayland line on stderr at the second start"
    sleep 0.1
done
for n in 1 2 3 4 5 6 7 8 9 10; do
    ! xdotool search --onlyvisible --name '^Orvel$' >/dev/null 2>&1 || fail "the XWayland message came again"
    sleep 0.1
done
kill "$pid"
wait "$pid" 2>/dev/null

# From the applications menu, with no file: the board shipped with Orvel.
"$ORVEL_BIN" --start >"$E2E_WORK/menu.log" 2>&1 &
pid=$!
E2E_PIDS+=("$pid")
shipped="$(dirname "$ORVEL_BIN")/boards/"
wait_window "^Orvel - ${shipped//./\\.}" >/dev/null || {
    cat "$E2E_WORK/menu.log"; import -window root "$E2E_WORK/menu.png"; fail "--start opened no shipped board"; }
echo "ok"
