#!/usr/bin/env bash
# `orvel --execute` speaks and plays for real, through SDL's disk audio driver, whose
# output file is everything that left the program's audio device in real time:
#  - {|SONA BEEP.WAV} plays the whole one-second tone before the program exits;
#  - {|LLEGIR ...} speaks, and the program waits for the end of the speech;
#  - two {|LLEGIR ...} in one key text are both heard whole, one after the other;
#  - a missing sound file prints "Orvel no troba el fitxer " and its full name.
set -euo pipefail
: "${ORVEL_BIN:?}" "${E2E_WORK:?}"
rm -rf "$E2E_WORK" && mkdir -p "$E2E_WORK/board"
cd "$E2E_WORK"
export XDG_RUNTIME_DIR="$E2E_WORK/runtime" XDG_CONFIG_HOME="$E2E_WORK/config" \
       XDG_STATE_HOME="$E2E_WORK/state" XDG_DATA_HOME="$E2E_WORK/data"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*" >&2; exit 1; }

# The device is 22050 Hz, 16-bit mono.
rate=22050
sox -n -r $rate -c 1 -b 16 board/beep.wav synth 1.0 sine 440 vol 0.5

line() { printf '%s\r\n' "$1"; }
area() {  # Xi Yi Xf Yf keys
  line " $1 "; line " $2 "; line " $3 "; line " $4 "; line " 1 "; line " 0 "
  line '""'; line '""'; line "\"$5\""; line '""'; line " 0 "; line " 0 "
}
{
  line " 2 "; line " 1 "; line ""; line " 7 "; line '""'; line " 0 "; line '""'; line '""'
  line '""'; line '""'; line '"Sons i veu"'; line " 0 "; line "-1 "; line " 0 "
  line " 0 "; line " 0 "; line " 100 "
  line " 0 "; line " 0 "; line " 640 "; line " 445 "; line " 0 "; line " 0 "
  line '""'; line '""'; line '""'; line '""'; line " 0 "; line "-1 "
  area 10 10 200 100 '{|SONA BEEP.WAV}'
  area 210 10 400 100 '{|LLEGIR Bon dia. Com estàs?}'
  area 410 10 600 100 '{|SONA FALTA.WAV}'
  area 10 110 200 200 '{|LLEGIR Aquesta és la primera frase, i és prou llarga.}'
  area 210 110 400 200 '{|LLEGIR I aquesta, la segona.}'
  area 410 110 600 200 '{|LLEGIR Aquesta és la primera frase, i és prou llarga.}{|LLEGIR I aquesta, la segona.}'
} | iconv -f UTF-8 -t WINDOWS-1252 > board/SONS.ORV

# Samples louder than a quiet hiss in a raw 16-bit output file.
loud_samples() {
  od -An -v -t d2 -w2 "$1" | awk '{ if ($1 > 1500 || $1 < -1500) n++ } END { print n + 0 }'
}

run_area() {  # area, output file
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$2" \
    xvfb-run -a "$ORVEL_BIN" --execute board/SONS.ORV "$1" >"$2.out" 2>"$2.err" || true
}

run_area 2 wave.raw
loud=$(loud_samples wave.raw)
echo "wave: $loud loud samples"
# A tone cut short at exit would leave far fewer than a second's worth.
[ "$loud" -ge $((rate * 8 / 10)) ] || fail "the WAV file was not played to its end ($loud loud samples)"

run_area 3 speech.raw
loud=$(loud_samples speech.raw)
echo "speech: $loud loud samples"
[ "$loud" -ge $((rate / 4)) ] || fail "nothing was spoken ($loud loud samples)"

run_area 4 missing.raw
grep -q "Orvel no troba el fitxer .*board/FALTA.WAV" missing.raw.err \
  || { cat missing.raw.err >&2; fail "no not-found message for the missing sound"; }

echo "PASS"

run_area 5 first.raw
run_area 6 second.raw
run_area 7 both.raw
first=$(loud_samples first.raw) second=$(loud_samples second.raw) both=$(loud_samples both.raw)
echo "readings: first $first, second $second, both in one key text $both loud samples"
[ "$both" -ge $(( (first + second) * 85 / 100 )) ] \
  || fail "two readings in one key text were not both heard whole ($both of $first + $second)"
