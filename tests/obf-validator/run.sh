#!/usr/bin/env bash
# Exports boards with `orvel --export` and checks the sets with an independent Open
# Board Format validator (installed by scripts/install-deps test): the example board,
# and the hand-made communication set imported and exported again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
orvel=${ORVEL_BIN:?ORVEL_BIN names the program under test}
if [ ! -d "$here/node_modules/@willwade/aac-processors" ]; then
  echo "the validator is not installed: scripts/install-deps test" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$orvel" --export "$ORVEL_SOURCE_DIR/boards/EXEMPLE.ORV" "$work/exemple.obz" > /dev/null
"$orvel" --import "$ORVEL_SOURCE_DIR/tests/data/obf/comunica/inicio.obf" "$work/comunica" > /dev/null 2>&1
"$orvel" --export "$work/comunica/INICIO.ORV" "$work/comunica.obz" > /dev/null 2> "$work/export-report.txt"
node "$here/validate.js" "$work/exemple.obz" "$work/comunica.obz"
