#!/usr/bin/env bash
# The board takes the keyboard focus back after a selection: in manual scanning
# (Interval 100) a switch press (Enter, XTest) selects an area that types one
# letter into a terminal; the focus is read from the X server every half
# millisecond. Figures, median and worst of 30 selections, on a bare Xvfb and
# under openbox:
#  - selection to focus back: from the press to the board holding the focus again;
#  - away from the board: how long the terminal held the focus.
set -uo pipefail
build=${ORVEL_BUILD:-build}
orvel="$build/orvel"
. "$(dirname "$0")/lib/session.sh"
require_tools focus_return.sh Xvfb xdotool xterm python3 openbox
[ -x "$orvel" ] || { echo "focus_return.sh: $orvel not built, skipped"; exit 0; }

start_orvel_scratch

{
  printf ' 2 \n 1 \n\n 2 \n"xterm -geometry 30x6 -title terminal -e sh -c ¶cat > %s¶"\n 0 \n""\n""\n""\n""\n""\n 1 \n 0 \n 0 \n 0 \n 0 \n 100 \n' "$work/typed"
  printf ' 0 \n 0 \n 400 \n 440 \n 0 \n 0 \n""\n""\n""\n""\n 0 \n 0 \n'
  printf ' 10 \n 10 \n 200 \n 200 \n 1 \n 0 \n""\n""\n"a"\n""\n 0 \n 0 \n'
} | sed 's/$/\r/' | iconv -f UTF-8 -t WINDOWS-1252 >"$work/FOCUS.ORV"
printf '[Orvel]\r\nInterval= 100\r\nmodus= 1\r\ntemps= 0\r\ngruix= 8\r\ncolor= 255\r\naccio1= 3\r\naccio2= 2\r\n' >"$work/MANUAL.USR"

for mode in bare openbox; do
  start_x_server "$mode" focus_return.sh
  python3 - "$orvel" "$work/FOCUS.ORV" "$work/MANUAL.USR" "$mode" <<'PY'
import ctypes, subprocess, sys, time
orvel, board, profile, mode = sys.argv[1:]
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int)]
dpy = x.XOpenDisplay(None)
def focus():
    w, r = ctypes.c_ulong(), ctypes.c_int()
    x.XGetInputFocus(dpy, ctypes.byref(w), ctypes.byref(r))
    return w.value
p = subprocess.Popen([orvel, board, profile], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
board_window = None
for _ in range(200):
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Orvel - "], capture_output=True, text=True)
    if r.stdout.split():
        board_window = int(r.stdout.split()[0])
        break
    time.sleep(0.05)
def wait_board(limit):
    end = time.monotonic() + limit
    while time.monotonic() < end:
        if focus() == board_window:
            return True
        time.sleep(0.0005)
    return False
wait_board(10)
time.sleep(1.5)
subprocess.run(["xdotool", "key", "space"])  # highlight the area
back, away = [], []
for i in range(30):
    if not wait_board(3):
        break
    time.sleep(0.25)
    press = subprocess.Popen(["xdotool", "key", "Return"])
    t0 = time.monotonic()
    left = None
    end = t0 + 3
    while time.monotonic() < end:
        f = focus()
        now = time.monotonic()
        if f != board_window and left is None:
            left = now
        if left is not None and f == board_window:
            back.append((now - t0) * 1000)
            away.append((now - left) * 1000)
            break
        time.sleep(0.0005)
    press.wait()
p.terminate()
try:
    p.wait(5)
except subprocess.TimeoutExpired:
    p.kill()
def stats(v):
    v = sorted(v)
    return f"median {v[len(v)//2]:.1f} ms, worst {v[-1]:.1f} ms" if v else "no figure"
print(f"{mode:8s} selection to focus back: {stats(back)}; terminal held the focus: {stats(away)} ({len(back)} selections)")
PY
  stop_x_server
  pkill -f "cat > $work/typed" 2>/dev/null
  rm -f "$XDG_RUNTIME_DIR/orvel.lock"
  sleep 0.3
done
