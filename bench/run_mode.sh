#!/usr/bin/env bash
# Run mode against a real X server (Xvfb, bare):
#  - start-up: time from starting `orvel BOARD.ORV` to its board window being
#    mapped with the cover, and its peak resident memory 3 s after, against
#    Onboard (Debian's on-screen keyboard) started the same way on the same
#    display; median of 5 starts each;
#  - one scanning step on the real window (bench_scan_step under Xvfb);
#  - a switch press (Enter, xdotool) to the first key arriving in a terminal in
#    manual scanning with Interval 100: median and worst of 20 presses. The
#    figure includes starting xdotool (a few milliseconds).
set -uo pipefail
build=${ORVEL_BUILD:-build}
orvel="$build/orvel"
. "$(dirname "$0")/lib/session.sh"
require_tools run_mode.sh Xvfb xdotool xterm python3 convert
[ -x "$orvel" ] || { echo "run_mode.sh: $orvel not built, skipped"; exit 0; }

start_orvel_scratch

n=140
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$n"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# Onboard needs a session bus; both programs get the same one.
if bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null); then
  export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
  pids+=("$(sed -n 2p <<<"$bus")")
fi

# board NAME PROGRAM COVER KEYS...: root area 0,0-${ROOT_W:-640},440 and one area per key text.
board() {
  local file="$1" program="$2" cover="$3" count=$(( $# - 2 )) keys x=10
  shift 3
  program=${program//\"/¶}  # a double quote inside a quoted board line
  {
    printf ' 2 \n 1 \n%s\n %d \n"%s"\n 0 \n""\n""\n""\n""\n""\n 1 \n 0 \n 0 \n 0 \n 0 \n 100 \n' "$cover" "$count" "$program"
    printf ' 0 \n 0 \n %d \n 440 \n 0 \n 0 \n""\n""\n""\n""\n 0 \n 0 \n' "${ROOT_W:-640}"
    for keys in "$@"; do
      printf ' %d \n 10 \n %d \n 200 \n 1 \n 0 \n""\n""\n"%s"\n""\n 0 \n 0 \n' "$x" $((x + 150)) "$keys"
      x=$((x + 160))
    done
  } | sed 's/$/\r/' | iconv -f UTF-8 -t WINDOWS-1252 >"$file"
}

convert -size 640x440 plasma:fractal "$work/COBERTA.bmp" 2>/dev/null || convert -size 640x440 gradient:red-blue "$work/COBERTA.bmp"
board "$work/START.ORV" "" "COBERTA.bmp" "a" "b" "c"

# measure NAME WINDOW_PATTERN COMMAND...: prints "seconds peak_kib" for one start.
measure() {
  local pattern="$1"; shift
  python3 - "$pattern" "$@" <<'PY'
import subprocess, sys, time
pattern, cmd = sys.argv[1], sys.argv[2:]
t0 = time.monotonic()
p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
shown = None
while time.monotonic() - t0 < 20:
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                       capture_output=True, text=True)
    if r.stdout.strip():
        shown = time.monotonic() - t0
        break
    time.sleep(0.005)
time.sleep(3)
peak = anon = 0
for line in open(f"/proc/{p.pid}/status"):
    if line.startswith("VmHWM:"):
        peak = int(line.split()[1])
    if line.startswith("RssAnon:"):
        anon = int(line.split()[1])
p.terminate()
try:
    p.wait(5)
except subprocess.TimeoutExpired:
    p.kill()
print(f"{shown if shown is not None else -1:.3f} {peak} {anon}")
PY
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for program in orvel onboard; do
  if [ "$program" = onboard ] && ! command -v onboard >/dev/null; then
    echo "onboard: not installed (scripts/install-deps installs it)"; continue
  fi
  : >"$work/$program.times"; : >"$work/$program.peaks"; : >"$work/$program.anon"
  for i in 1 2 3 4 5; do
    if [ "$program" = orvel ]; then
      result=$(measure '^Orvel - ' "$orvel" "$work/START.ORV")
      rm -f "$XDG_RUNTIME_DIR/orvel.lock"
    else
      result=$(measure '^Onboard$' onboard)
    fi
    set -- $result
    echo "$1" >>"$work/$program.times"
    echo "$2" >>"$work/$program.peaks"
    echo "$3" >>"$work/$program.anon"
    sleep 0.5
  done
  printf '%-8s start-up to window shown: median %s s (5 starts: %s)  peak RSS: median %s MiB, of which private (RssAnon) %s MiB\n' "$program" \
    "$(median <"$work/$program.times")" "$(tr '\n' ' ' <"$work/$program.times")" \
    "$(awk '{printf "%.1f\n", $1/1024}' "$work/$program.peaks" | median)" \
    "$(awk '{printf "%.1f\n", $1/1024}' "$work/$program.anon" | median)"
done

if [ -x "$build/bench/bench_scan_step" ]; then
  "$build/bench/bench_scan_step" 2>/dev/null | grep BM_ScanStep | sed 's/^/scan step on Xvfb: /'
fi

# Switch press to the first key in the terminal, manual scanning, Interval 100.
mkfifo "$work/keys"
ROOT_W=400 board "$work/LATENCY.ORV" "xterm -u8 -geometry 30x6 -title terminal -e sh -c \"cat > $work/keys\"" "" "~"
printf '[Orvel]\r\nInterval= 100\r\nmodus= 1\r\ntemps= 0\r\ngruix= 8\r\ncolor= 255\r\naccio1= 3\r\naccio2= 2\r\n' >"$work/MANUAL.USR"
python3 - "$orvel" "$work/LATENCY.ORV" "$work/MANUAL.USR" "$work/keys" <<'PY'
import os, subprocess, sys, threading, time
orvel, board, profile, fifo = sys.argv[1:]
p = subprocess.Popen([orvel, board, profile], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
arrived = []
event = threading.Event()
def reader():
    with open(fifo, "rb", buffering=0) as f:
        while True:
            b = f.read(1)
            if not b:
                return
            arrived.append(time.monotonic())
            event.set()
threading.Thread(target=reader, daemon=True).start()
def board_window():
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Orvel - "], capture_output=True, text=True)
    return r.stdout.split()[0] if r.stdout.split() else None
def wait_focus(w):
    for _ in range(100):
        if subprocess.run(["xdotool", "getwindowfocus"], capture_output=True, text=True).stdout.strip() == w:
            return True
        time.sleep(0.02)
    return False
w = None
for _ in range(200):
    w = board_window()
    if w:
        break
    time.sleep(0.05)
time.sleep(1.5)
wait_focus(w)
subprocess.run(["xdotool", "key", "space"])  # highlight the area
time.sleep(0.3)
lat = []
for i in range(20):
    if not wait_focus(w):
        break
    time.sleep(0.2)
    event.clear()
    t0 = time.monotonic()
    subprocess.run(["xdotool", "key", "Return"])
    if event.wait(3):
        lat.append((arrived[-1] - t0) * 1000)
p.terminate()
try:
    p.wait(5)
except subprocess.TimeoutExpired:
    p.kill()
if lat:
    lat.sort()
    print(f"switch press to first key (manual scanning, Interval 100): median {lat[len(lat)//2]:.1f} ms, "
          f"worst {lat[-1]:.1f} ms over {len(lat)} presses")
else:
    print("switch press to first key: no key arrived")
PY
