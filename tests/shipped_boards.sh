#!/usr/bin/env bash
# Every board shipped in boards/ runs without a problem `orvel --check` can see, and the
# boards written by tools/make_boards are what it writes today (scripts/make-boards
# makes them again after a change to the generator).
# Needs: ORVEL_BIN, MAKE_BOARDS_BIN, ORVEL_SOURCE_DIR, WORK.
set -u
fail=0
boards=0
while IFS= read -r -d '' board; do
    boards=$((boards + 1))
    if ! out=$("$ORVEL_BIN" --check "$board" 2>&1) || [ -n "$out" ]; then
        echo "FAIL: orvel --check $board:"
        echo "$out"
        fail=1
    fi
done < <(find "$ORVEL_SOURCE_DIR/boards" -iname '*.orv' -print0)
[ "$boards" -ge 13 ] || { echo "FAIL: only $boards boards found"; fail=1; }

rm -rf "$WORK" && mkdir -p "$WORK"
if ! "$MAKE_BOARDS_BIN" "$WORK" "$ORVEL_SOURCE_DIR/data/symbols" >"$WORK/../make_boards.log" 2>&1; then
    echo "FAIL: orvel_make_boards:"; cat "$WORK/../make_boards.log"; fail=1
fi
for folder in "$WORK"/*/; do
    name=$(basename "$folder")
    shipped="$ORVEL_SOURCE_DIR/boards/$name"
    # The same files, and the same boards and profiles byte for byte.
    if ! diff <(cd "$folder" && find . -type f | sort) <(cd "$shipped" && find . -type f | sort); then
        echo "FAIL: boards/$name holds other files than the generator writes"; fail=1
    fi
    for file in "$folder"*.ORV "$folder"*.USR; do
        cmp -s "$file" "$shipped/$(basename "$file")" ||
            { echo "FAIL: boards/$name/$(basename "$file") differs from what the generator writes"; fail=1; }
    done
done
[ "$fail" = 0 ] && echo "$boards boards checked"
exit "$fail"
