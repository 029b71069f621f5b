#!/usr/bin/env bash
# orvel --dump / --resave / --check / --cover on hand-made good and bad boards: exit statuses,
# standard output and the message lines on standard error. No display needed.
set -uo pipefail

bin=${ORVEL_BIN:?ORVEL_BIN must name the orvel executable}
src=${ORVEL_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}

# shellcheck source=lib/cli_checks.sh
. "$src/tests/e2e/lib/cli_checks.sh"

example="$src/boards/EXEMPLE.ORV"

# --- the example board ---
run ex_dump --dump "$example"
expect_rc ex_dump 0
expect_no_err ex_dump
expect_out ex_dump '"area_count": 10'
expect_out ex_dump '"keys": "{|LLEGIR Gràcies}Gràcies "'
expect_out ex_dump '"format_major": 2'
[ "$(grep -c '"Xi"' ex_dump.out)" = 10 ] || fail "ex_dump: expected 10 areas"
if command -v jq >/dev/null; then
  jq -e '.areas | length == 10' ex_dump.out >/dev/null || fail "ex_dump: not valid JSON"
fi

run ex_check --check "$example"
expect_rc ex_check 0
expect_no_out ex_check
expect_no_err ex_check

run ex_resave --resave "$example" resaved.ORV
expect_rc ex_resave 0
cmp -s "$example" resaved.ORV || fail "ex_resave: writing the example again changed its bytes"

# --- usage ---
run usage1 --dump
expect_rc usage1 2
run usage2 --resave only.ORV
expect_rc usage2 2
run usage3 --check a.ORV b.ORV
expect_rc usage3 2

# --- refused and missing ---
run missing --dump "$work/none.ORV"
expect_rc missing 1
expect_no_out missing
expect_err missing "Error en llegir el fitxer $work/none.ORV 53 File not found"

cp "$example" board.txt
run format --dump board.txt
expect_rc format 1
expect_err format "Format incorrecte"

{ printf '%s\n' " 3 " " 0 " "X.BMP" " 0 "; } | crlf >v30.ORV
run v30 --dump v30.ORV
expect_rc v30 1
expect_err v30 "Teniu instal·lada una versió de Orvel anterior que no reconeix aquets format de fitxer"
{ printf '%s\n' " 2 " " 2 "; } | crlf >v22.ORV
run v22 --check v22.ORV
expect_rc v22 1

# --- read errors: the board is still dumped ---
{ header "" 3; area 0 0 640 445 0 "" "" -1; area 10 10 20 20 1 "" "a" 0; printf ' 5 \n 6 \n'; } | crlf >cut.ORV
run cut --dump cut.ORV
expect_rc cut 0
expect_out cut '"area_count": 3'
expect_err cut "Error en llegir el fitxer $work/cut.ORV 62 Input past end of file"
[ "$(grep -c 'Error en llegir' cut.err)" = 1 ] || fail "cut: the same error number was shown twice"

{ header "" 1; printf '%s\n' " 99999 " " abc " " 1 " " 1 " " 0 " " 0 " '""' '""' '""' '""' " 0 " " 0 "; } | crlf >nums.ORV
run nums --dump nums.ORV
expect_rc nums 0
expect_err nums "6 Overflow"
expect_err nums "13 Type mismatch"

# A valid version, then random bytes (which could otherwise spell a newer version): no board.
{ printf ' 2 \r\n 1 \r\n'; head -c 100000 /dev/urandom; } >garbage.ORV
run garbage --dump garbage.ORV
expect_rc garbage 1
expect_no_out garbage

# --- a board read with errors is never resaved: one typo in the count line ---
{ header "" 2 | sed '4s/.*/ 1O /'; area 0 0 640 445 0 "" "" -1; area 10 10 20 20 1 "" "a" 0; } | crlf >typo.ORV
cp typo.ORV typo-before.ORV
run typo --resave typo.ORV typo.ORV
expect_rc typo 1
expect_err typo "Not written"
cmp -s typo.ORV typo-before.ORV || fail "typo: a board read with errors was written over"

# --- LF-only files read like CRLF files ---
tr -d '\r' <"$example" >lf.ORV
run lf --dump lf.ORV
expect_rc lf 0
cmp -s ex_dump.out lf.out || fail "lf: an LF-only board dumps differently"

# --- version 1.0 brought to 2.1 by --resave ---
{ printf '%s\n' " 1 " " 0 " "" " 1 " '""' " 0 " '""' '""' '""' '""' '"vella"' " 0 " "-1 "; area 0 0 640 445 0 "" "x" 0; } | crlf >v10.ORV
run v10 --resave v10.ORV v10new.ORV
expect_rc v10 0
[ "$(wc -l <v10new.ORV)" = 29 ] || fail "v10: the resaved board is not 17 + 12 lines"
run v10dump --dump v10new.ORV
expect_out v10dump '"format_major": 2'
expect_out v10dump '"description": "vella"'
expect_out v10dump '"auto_cover": 0'

# --- --check on a board with problems ---
mkdir -p sons
: >sons/bee.wav
{
  header "COVER.BMP" 6
  area 0 0 640 445 0 "" "" -1
  area 10 10 100 100 1 'SONS\BEE.WAV' '{|SONA SONS\BEE.WAV}{|LLEGIR hola}' 0
  area 10 10 700 100 1 "" '{|XYZ 1}' 0
  area 10 10 20 20 9 "" '{|SONA A.WAV' 0
  area 10 10 20 20 1 "falta.wav" '{|CARREGA no.orv}{|sim 1 {x}}' 0
  area 10 10 20 20 1 "" '{|SIM 1 {{|ENGANXA foto.bmp}} {x}}' 0
} | crlf >bad.ORV
run bad --check bad.ORV
expect_rc bad 1
expect_out bad "cover_file: file not found: $work/COVER.BMP"
expect_out bad "area 3 keys: unknown command: {|XYZ 1}"
expect_out bad "area 3: outside the root area (area 1)"
expect_out bad "area 4 keys: command never closed: {|SONA A.WA"
expect_out bad "area 4 keys: {|SONA A.WA: file not found: $work/A.WA"
expect_out bad "area 4: parent 9 names no area"
expect_out bad "area 5 sound_file: file not found: $work/falta.wav"
expect_out bad "area 5 keys: {|CARREGA no.orv}: file not found: $work/no.orv"
expect_out bad "area 5 keys: unknown command: {|sim 1 {x}}"
expect_out bad "area 6 keys: {|ENGANXA foto.bmp}: file not found: $work/foto.bmp"
if grep -q "area 2" bad.out; then fail "bad: area 2 is fine (SONS\\BEE.WAV names sons/bee.wav)"; fi
[ "$(wc -l <bad.out)" = 10 ] || fail "bad: expected 10 problems, got $(wc -l <bad.out)"

# Keys that cannot be typed, a program found nowhere, an area 1 wider than the screen,
# parents that go round in a loop, text that was UTF-8 read as Windows-1252.
{
  header "" 4 | sed 's/^"desc"$/"Caf\xc3\xa9"/; 5s/.*/"NOTEPAD.EXE"/'
  area 0 0 900 445 0 "" "{FOO}" -1
  area 10 10 20 20 3 "" "a" -1
  area 10 10 20 20 2 "" "b" -1
  area 10 10 20 20 1 "" '{|SIM 1 {{ENTRA}} {x}}' 0
} | crlf >more.ORV
run more --check more.ORV
expect_rc more 1
expect_out more "program: program not found: NOTEPAD.EXE"
expect_out more "description: looks like UTF-8 text read as Windows-1252"
expect_out more "area 1: 900 x 445 is larger than the screen (640 x 445)"
expect_out more "area 1 keys: {FOO}: unknown key name"
expect_out more "area 2: its parents go round in a loop (2 -> 3 -> 2), so scanning never reaches it"
expect_out more "area 3: its parents go round in a loop (2 -> 3 -> 2), so scanning never reaches it"
expect_out more "area 4 keys: {ENTRA}: unknown key name"
[ "$(wc -l <more.out)" = 7 ] || fail "more: expected 7 problems, got $(wc -l <more.out)"

# The same board saved as UTF-8 with a byte-order mark reads as UTF-8.
{ printf '\xef\xbb\xbf'; header "" 1 | sed 's/^"desc"$/"Caf\xc3\xa9"/'; area 0 0 640 445 0 "" "x" 0; } | crlf >bom.ORV
run bom --dump bom.ORV
expect_rc bom 0
expect_out bom '"description": "Café"'

run badread --check cut.ORV
expect_rc badread 1
expect_out badread "board: Error en llegir el fitxer $work/cut.ORV 62 Input past end of file"

# --cover draws the example's cover into a 24-bit bitmap of area 1's size; the board is
# not changed, and a board that cannot be read draws nothing.
cp "$example" cover_board.ORV
run cover --cover cover_board.ORV drawn.gif
expect_rc cover 0
expect_out cover "$work/drawn.BMP"
[ "$(identify -format '%w %h %z' drawn.BMP 2>/dev/null)" = "640 445 8" ] || fail "cover: drawn.BMP is not 640 x 445: $(identify drawn.BMP 2>&1)"
[ "$(od -An -tu2 -j28 -N2 drawn.BMP | tr -d ' ')" = 24 ] || fail "cover: drawn.BMP is not a 24-bit bitmap"
cmp -s "$example" cover_board.ORV || fail "cover: the board was changed"
run nocover --cover nothere.ORV never.bmp
expect_rc nocover 1
[ ! -e never.bmp ] || fail "nocover: a cover was drawn for a board that was not read"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed; outputs kept in $work" >&2
  exit 1
fi
echo "board_cli: all checks passed"
