#!/usr/bin/env bash
# `orvel --execute` with the commands that reach files, the clipboard and the registry:
#  - REG writes typed values into the registry database of XDG_DATA_HOME and refuses
#    a value with ":" and no known prefix;
#  - a registry database that cannot be read is set aside (kept byte for byte), the
#    user is told once, and the commands go on with an empty one;
#  - ENGANXA of a text file and of a JPG picture runs through without a message;
#  - CARREGA of a missing board prints the not-found message with the full name.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "${E2E_WORK:?}"
source "$here/lib/board_session.sh"
mkdir -p "$E2E_WORK/board"
cd "$E2E_WORK"

printf 'Bon dia, m\xc3\xb3n' > board/NOTA.TXT
convert -size 40x30 xc:'#0000ff' board/FOTO.JPG || fail "cannot make the picture"

write_board board/FITXERS.ORV "" "" \
  '{|REG [HKEY_CURRENT_USER\Software\Orvel]=prova}{|REG [HKEY_CURRENT_USER\Software\Orvel]Nom=abc}{|REG [hkey_current_user\SOFTWARE\orvel]Num=DWORD:12345678}{|REG [HKEY_CURRENT_USER\Software\Orvel]Cami=C:\abc}' \
  '{|ENGANXA NOTA.TXT}' \
  '{|ENGANXA foto.jpg}' \
  '{|CARREGA NOEXISTE.ORV}'

start_x bare
database="$XDG_DATA_HOME/orvel/registry.sqlite"

run_area() {  # area, name of the output files
  "$ORVEL_BIN" --execute board/FITXERS.ORV "$1" >"$2.out" 2>"$2.err"
}

values() {
  sqlite3 "$database" "SELECT v.folded || '|' || v.type || '|' || hex(v.data) FROM registry_values v
                       JOIN registry_keys k ON k.id = v.key WHERE k.folded = 'ORVEL' ORDER BY v.folded"
}

# Registry writes.
run_area 2 reg || { cat reg.err >&2; fail "REG run failed"; }
expected=$'|0|70726F7661\nNOM|0|616263\nNUM|2|78563412'
got=$(values)
echo "registry values: $(echo "$got" | tr '\n' ' ')"
[ "$got" = "$expected" ] || fail "registry holds [$got], expected [$expected]"

# An unreadable database: set aside untouched, one message, and REG still writes.
head -c 8192 /dev/urandom > "$database" && rm -f "$database-wal" "$database-shm"
cp "$database" garbage.copy
run_area 2 reg_bad || { cat reg_bad.err >&2; fail "REG run over a damaged database failed"; }
[ "$(grep -c "El registre d'Orvel no es podia llegir" reg_bad.err)" = 1 ] \
  || { cat reg_bad.err >&2; fail "no single message about the unreadable registry"; }
aside=$(ls "$database".unreadable-* 2>/dev/null | head -n 1)
[ -n "$aside" ] && cmp -s "$aside" garbage.copy || fail "the unreadable database was not kept aside"
got=$(values)
[ "$got" = "$expected" ] || fail "after setting the bad database aside the registry holds [$got]"

# ENGANXA through the whole program: text and picture reach the clipboard without a
# message. (Another client can read them only while orvel serves its event loop,
# which a headless run does not do before it exits: the X clipboard test of
# test_platform reads them back.)
for area in 3 4; do
  run_area $area paste$area || { cat paste$area.err >&2; fail "ENGANXA run of area $area failed"; }
  [ ! -s paste$area.err ] || { cat paste$area.err >&2; fail "ENGANXA of area $area printed a message"; }
done

# CARREGA of a missing board.
run_area 5 load
grep -q "Orvel no troba el fitxer .*board/NOEXISTE.ORV" load.err \
  || { cat load.err >&2; fail "no not-found message for the missing board"; }

echo "PASS"
