#!/bin/bash
# orvel --execute types a board's areas into a real terminal program: plain
# text, Catalan and Spanish letters, key names, modifiers, braced characters,
# Enter and commands, under three keyboard layouts, on a bare X server and
# under a window manager. What arrives is compared character for character.
set -u
. "$(dirname "$0")/lib/board_session.sh"

run_case() {
    local mode="$1" layout="$2"
    local out="$E2E_WORK/typed-$mode-$layout.txt" board="$E2E_WORK/typing-$mode-$layout.ORV"
    rm -f "$out"
    start_x "$mode"
    setxkbmap "$layout" || fail "setxkbmap $layout"

    write_board "$board" "xterm -u8 -geometry 80x10+300+200 -fn fixed -e sh -c \"cat > $out\"" "inici~" \
        "Hola, món! 0123456789 ;:,.-_/=?*@#\$&'" \
        "àèéíïòóúüç ÀÈÉÍÏÒÓÚÜÇ ñÑ ·€¡¿ªº~" \
        "+a+(bc)d{+}{^}{%}{~}{(}{)}{{}{}}{[}{]}{ENTER}" \
        "x{|ESPERA 2}y{|CM}{|M+ 4}{|M+ 3}{|RM}{TAB}z{ENTER 2}" \
        "mal{BS}{BK}{BACKSPACE 2}be~" \
        "^d"
    local log="$E2E_WORK/orvel-$mode-$layout.log"
    local rc=0
    "$ORVEL_BIN" --execute "$board" 2 3 4 5 6 7 >"$log" 2>&1 || rc=$?
    [ "$rc" = 0 ] || { cat "$log"; fail "orvel --execute exited $rc ($mode, $layout)"; }
    wait_for_file "$out" || fail "the terminal did not finish ($mode, $layout)"

    local expected
    expected=$(printf 'inici\nHola, món! 0123456789 ;:,.-_/=?*@#$&'"'"'àèéíïòóúüç ÀÈÉÍÏÒÓÚÜÇ ñÑ ·€¡¿ªº\nABCd+^%%~(){}[]\nxy7\tz\n\nbe\nX')
    local actual
    actual=$(cat "$out"; printf X)
    if [ "$actual" != "$expected" ]; then
        echo "--- expected ($mode, $layout)"; printf '%s' "$expected" | od -c | head -20
        echo "--- arrived"; printf '%s' "$actual" | od -c | head -20
        cat "$log"
        import -window root "$E2E_WORK/screen-$mode-$layout.png" 2>/dev/null
        fail "typed text differs ($mode, $layout)"
    fi
    if grep -q '^orvel' "$log"; then cat "$log"; fail "orvel reported problems ($mode, $layout)"; fi
    echo "ok: $mode $layout"
    stop_x
}

# Keys that cannot be typed as written make --execute fail, though the rest runs.
failed_run_case() {
    local out="$E2E_WORK/typed-failed.txt" board="$E2E_WORK/typing-failed.ORV" log="$E2E_WORK/orvel-failed.log"
    rm -f "$out"
    start_x bare
    write_board "$board" "xterm -u8 -geometry 80x10+300+200 -fn fixed -e sh -c \"cat > $out\"" "" "a{NOSUCHKEY}" "b~^d"
    local rc=0
    "$ORVEL_BIN" --execute "$board" 2 3 >"$log" 2>&1 || rc=$?
    [ "$rc" = 3 ] || { cat "$log"; fail "orvel --execute exited $rc after a failed run, not 3"; }
    wait_for_file "$out" || fail "the terminal did not finish (failed run)"
    [ "$(cat "$out")" = b ] || fail "the runs around a failed one were not typed: $(cat "$out")"
    echo "ok: a failed run makes --execute exit 3"
    stop_x
}
failed_run_case

# E2E_MODES and E2E_LAYOUTS choose a subset while working on one case.
for mode in ${E2E_MODES:-bare openbox}; do
    for layout in ${E2E_LAYOUTS:-us es fr}; do
        run_case "$mode" "$layout"
    done
done
