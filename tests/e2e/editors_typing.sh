#!/bin/bash
# Orvel types into real editors of both toolkits (mousepad: GTK 3,
# gnome-text-editor: GTK 4, featherpad: Qt 5) while they are still busy reading
# a long text: accented letters and symbols typed through lent keycodes must
# arrive exactly, also when they need more keycodes than the layout has spare,
# so that lent keycodes take new symbols and are given back at the end. What the
# editor holds is read back (select all, copy, clipboard) and compared character
# for character. --execute and run mode (areas clicked 0.7 s apart), on a
# bare X server and under openbox, in the us and es layouts: each editor meets
# each server and each layout once.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"
. "$(dirname "$0")/lib/editor.sh"

texts="$E2E_WORK/texts"
mkdir -p "$texts"
write_editor_texts "$texts"
text() { cat "$texts/$1.txt"; }

# Every editor starts with its own empty settings: no session or draft restored.
fresh_home() {
    local home="$E2E_WORK/home-$1"
    rm -rf "$home"
    mkdir -p "$home/config" "$home/data" "$home/state" "$home/cache"
    export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_STATE_HOME="$home/state"
    export XDG_CACHE_HOME="$home/cache"
}

# check_editor EDITOR CASE EXPECTED_TEXT: what the editor holds must be exactly that.
check_editor() {
    local editor="$1" case="$2" expected="$E2E_WORK/expected-$2.txt" actual="$E2E_WORK/actual-$2.txt"
    printf '%s' "$3" >"$expected"
    local window
    window=$(editor_window "$editor")
    [ -n "$window" ] || fail "no $editor window ($case)"
    editor_text "$window" "$actual" || fail "could not read $editor's text ($case)"
    if ! cmp -s "$expected" "$actual"; then
        import -window root "$E2E_WORK/screen-$case.png" 2>/dev/null
        diff <(fold -w 100 "$expected") <(fold -w 100 "$actual") | head -20
        fail "$editor holds other text ($case): lost, wrong: $(text_difference "$expected" "$actual")"
    fi
}

# Plain text long enough to keep the editor busy: gnome-text-editor reads a long
# line far more slowly than the others (about 4 s for 3000 characters), so it gets a third.
long_text() {
    if [ "$1" = gnome-text-editor ]; then text ascii1000; else text "ascii$2"; fi
}

# 3000 characters, then accented letters while the editor is still reading them,
# then more characters the layout lacks than it has spare keycodes.
execute_case() {
    local editor="$1" mode="$2" layout="$3" case="execute-$1-$2-$3"
    start_x "$mode"
    setxkbmap "$layout" || fail "setxkbmap $layout"
    fresh_home "$case"
    local board="$E2E_WORK/$case.ORV" log="$E2E_WORK/$case.log" rc=0
    write_board "$board" "$(editor_command "$editor")" "" \
        "$(long_text "$editor" 3000){ENTER}" "$(text catalan){ENTER}" "$(text letters){ENTER}" "$(text symbols){ENTER}"
    "$ORVEL_BIN" --execute "$board" 2 3 4 5 >"$log" 2>&1 || rc=$?
    [ "$rc" = 0 ] || { cat "$log"; fail "orvel --execute exited $rc ($case)"; }
    check_editor "$editor" "$case" \
        "$(printf '%s\n' "$(long_text "$editor" 3000)" "$(text catalan)" "$(text letters)" "$(text symbols)")"$'\n'
    echo "ok: $case"
    stop_x
}

# Run mode with the mouse: three areas clicked 0.7 s apart, as a person would,
# while Orvel still waits for the editor to read the first one; the last area's
# last command moves the pointer one pixel once everything before has been read.
run_mode_case() {
    local editor="$1" mode="$2" layout="$3" case="run-$1-$2-$3"
    start_x "$mode"
    setxkbmap "$layout" || fail "setxkbmap $layout"
    fresh_home "$case"
    local board="$E2E_WORK/$case.ORV" profile="$E2E_WORK/$case.usr" log="$E2E_WORK/$case.log"
    write_grid_board "$board" "$(editor_command "$editor")" "$(long_text "$editor" 2000){ENTER}" \
        "$(text letters){ENTER}" "$(text symbols){ENTER}{|MOUSE D 1}" ""
    write_profile "$profile" 0 0 8 255 0 0
    start_orvel "$board" "$profile" "$log"
    local n=0
    until [ -n "$(editor_window "$editor")" ]; do
        n=$((n + 1))
        [ "$n" -lt 100 ] || { cat "$log"; fail "$editor did not start ($case)"; }
        sleep 0.1
    done
    # Orvel moves the editor beside the board once both are up; a click before
    # that would land on the editor, which opens over the board.
    local clear_of_clicks=$((BOARD_LEFT + $(board_x 300) + 1))
    n=0
    until [ "$(xdotool getwindowgeometry --shell "$(editor_window "$editor")" | sed -n 's/^X=//p')" -ge "$clear_of_clicks" ]; do
        n=$((n + 1))
        [ "$n" -lt 100 ] || { cat "$log"; fail "$editor was not placed beside the board ($case)"; }
        sleep 0.1
    done
    local spot x="" y
    for spot in "100 80" "300 80" "100 220"; do
        set -- $spot
        [ -z "$x" ] || sleep 0.7  # the pace of the clicks, not a wait for a result
        x=$((BOARD_LEFT + $(board_x "$1")))
        y=$((BOARD_TOP + $(board_y "$2")))
        xdotool mousemove "$x" "$y" click 1
    done
    n=0
    until [ "$(xdotool getmouselocation --shell | sed -n 's/^X=//p')" = $((x + 1)) ]; do
        n=$((n + 1))
        [ "$n" -lt 300 ] || { cat "$log"; fail "the last area did not finish ($case)"; }
        sleep 0.1
    done
    check_editor "$editor" "$case" \
        "$(printf '%s\n' "$(long_text "$editor" 2000)" "$(text letters)" "$(text symbols)")"$'\n'
    if grep -q '^orvel' "$log"; then cat "$log"; fail "orvel reported problems ($case)"; fi
    echo "ok: $case"
    stop_x
}

# E2E_EDITORS chooses a subset while working on one editor.
for editor in ${E2E_EDITORS:-mousepad featherpad gnome-text-editor}; do
    command -v "$editor" >/dev/null || fail "$editor is not installed (scripts/install-deps)"
    case $editor in
        mousepad) execute_case "$editor" bare us; execute_case "$editor" openbox es; run_mode_case "$editor" bare es ;;
        featherpad) execute_case "$editor" bare es; execute_case "$editor" openbox us; run_mode_case "$editor" openbox us ;;
        gnome-text-editor) execute_case "$editor" bare us; execute_case "$editor" openbox es; run_mode_case "$editor" openbox es ;;
    esac
done
