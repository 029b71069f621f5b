#!/usr/bin/env bash
# orvel --scan-cost on a hand-made board: the costs per area and the mean worked out by
# hand for automatic and manual scanning, weighted by a reaction record in the user's
# state folder, and the exit statuses and messages for bad boards and profiles.
# No display needed.
set -uo pipefail

bin=${ORVEL_BIN:?ORVEL_BIN must name the orvel executable}
src=${ORVEL_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}

# shellcheck source=lib/cli_checks.sh
. "$src/tests/e2e/lib/cli_checks.sh"
export XDG_STATE_HOME="$work/state" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"

# Root 1; 2 "a"; group 3 holding 4 "b"; 5 "c".
{
  header "" 5
  area 0 0 640 445 0 "" "" -1
  area 0 0 100 100 1 "" "a" 0
  area 100 0 300 100 1 "" "" -1
  area 100 0 200 100 3 "" "b" 0
  area 300 0 400 100 1 "" "c" 0
} | crlf >TAULER.ORV
printf '[Orvel]\r\nmodus= 2\r\ntemps= 10\r\n' >AUTO.USR
printf '[Orvel]\r\nmodus= 1\r\n' >MANUAL.USR
tab=$'\t'

# Automatic, 1 s steps: 2 after one step, group 3 after two, 5 after three; 4 is the
# first member after its group: 2 + 1 steps, two presses. Mean over 2, 4, 5.
run auto --scan-cost TAULER.ORV AUTO.USR
expect_rc auto 0
expect_no_err auto
expect_out auto "# scanning${tab}automatic${tab}step_ms=1000${tab}first_step_delay_ms=0${tab}rows=off"
expect_out auto "area${tab}level${tab}kind${tab}steps${tab}presses${tab}time_ms${tab}selections${tab}text"
expect_out auto "2${tab}1${tab}area${tab}1${tab}1${tab}1000${tab}0${tab}a"
expect_out auto "3${tab}1${tab}group${tab}2${tab}1${tab}2000${tab}0${tab}"
expect_out auto "4${tab}3${tab}area${tab}3${tab}2${tab}3000${tab}0${tab}b"
expect_out auto "5${tab}1${tab}area${tab}3${tab}1${tab}3000${tab}0${tab}c"
expect_out auto "total${tab}equal${tab}3${tab}1.33${tab}2333.33"
[ "$(wc -l <auto.out)" = 9 ] || fail "auto: expected 9 lines, got $(wc -l <auto.out)"

# Manual: a press per step and one to select, on every level; no time.
run manual --scan-cost TAULER.ORV MANUAL.USR
expect_rc manual 0
expect_out manual "# scanning${tab}manual${tab}step_ms=1000"
expect_out manual "4${tab}3${tab}area${tab}3${tab}5${tab}-${tab}0${tab}b"
expect_out manual "total${tab}equal${tab}3${tab}3.67${tab}-"

# Rows and a first-step delay from the profile: a 2 x 2 grid; row 0 is highlighted at
# 1 s and keeps 0.3 s more, the first cell of a row shows at once and keeps it too.
{
  header "" 5
  area 0 0 640 445 0 "" "" -1
  area 0 0 100 100 1 "" "p" 0
  area 100 0 200 100 1 "" "q" 0
  area 0 100 100 200 1 "" "r" 0
  area 100 100 200 200 1 "" "s" 0
} | crlf >GRAELLA.ORV
printf '[Orvel]\r\nmodus= 2\r\ntemps= 10\r\nretard_inicial= 300\r\nfiles= 1\r\n' >FILES.USR
run rows --scan-cost GRAELLA.ORV FILES.USR
expect_rc rows 0
expect_out rows "# scanning${tab}automatic${tab}step_ms=1000${tab}first_step_delay_ms=300${tab}rows=on"
expect_out rows "2${tab}1${tab}area${tab}1${tab}2${tab}1000${tab}0${tab}p"
expect_out rows "3${tab}1${tab}area${tab}2${tab}2${tab}2300${tab}0${tab}q"
expect_out rows "4${tab}1${tab}area${tab}2${tab}2${tab}2300${tab}0${tab}r"
expect_out rows "5${tab}1${tab}area${tab}3${tab}2${tab}3600${tab}0${tab}s"
expect_out rows "total${tab}equal${tab}4${tab}2.00${tab}2300.00"

# The reaction record weighs the mean: area 2 chosen three times, area 5 once (and a
# selection on another board that does not count).
mkdir -p state/orvel
board=$(pwd)/TAULER.ORV
{
  echo "#orvel-reaccions 1"
  for a in 2 2 2 5; do printf '1700000000000\t1700000000000\t%s\t%s\t2\t1000\t400\t0\n' "$board" "$a"; done
  printf '1700000000000\t1700000000000\t/elsewhere/ALTRE.ORV\t4\t2\t1000\t400\t0\n'
  printf '1700000000000\t17000000'  # cut short by a crash
} >state/orvel/reaccions.tsv
run weighted --scan-cost TAULER.ORV AUTO.USR
expect_rc weighted 0
expect_out weighted "2${tab}1${tab}area${tab}1${tab}1${tab}1000${tab}3${tab}a"
expect_out weighted "4${tab}3${tab}area${tab}3${tab}2${tab}3000${tab}0${tab}b"
expect_out weighted "total${tab}selections${tab}2${tab}1.00${tab}1500.00"
rm -rf state

# Bad input: a clear message, nothing on stdout, and the status of the other modes.
run no_board --scan-cost MISSING.ORV AUTO.USR
expect_rc no_board 1
expect_no_out no_board
expect_err no_board "MISSING.ORV"
printf 'not a board\r\n' >TEXT.ORV
run text_board --scan-cost TEXT.ORV AUTO.USR
expect_rc text_board 1
expect_no_out text_board
run no_profile --scan-cost TAULER.ORV MISSING.USR
expect_rc no_profile 1
expect_no_out no_profile
expect_err no_profile "No es pot llegir el perfil d'usuari"
head -c 3000 /dev/urandom | tr -d '[]' >GARBAGE.USR
run garbage_profile --scan-cost TAULER.ORV GARBAGE.USR
expect_rc garbage_profile 1
expect_err garbage_profile "[Orvel]"
run folder_profile --scan-cost TAULER.ORV .
expect_rc folder_profile 1
run usage --scan-cost TAULER.ORV
expect_rc usage 2
expect_err usage "usage: orvel --scan-cost BOARD.ORV PROFILE.USR"
run help --help
expect_out help "--scan-cost BOARD.ORV PROFILE.USR"

if [ "$failures" -gt 0 ]; then
  echo "scan_cost_cli: $failures failure(s)" >&2
  exit 1
fi
echo "scan_cost_cli: all checks passed"
