#!/bin/bash
# A board made only through the editor's windows: the root band drawn with the
# mouse, subdivided 3 x 4 from the canvas's pop-up menu, key texts typed into
# the cells (one starts a terminal), saved through the save dialog, then run
# with manual scanning, typing into that terminal. Nothing but Orvel writes the
# board. A screenshot of the editor with the board is kept. Bare and under openbox.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

# Waits until the window has the keyboard focus.
wait_focus() {
    local n=0
    until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; do
        n=$((n + 1)); [ "$n" -lt 50 ] || return 1; sleep 0.1
    done
}

# Waits until a window with this exact name is visible; prints its id.
wait_window() {
    local n=0 id=""
    until id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ]; do
        n=$((n + 1)); [ "$n" -lt 100 ] || return 1; sleep 0.1
    done
    echo "$id"
}

# The canvas's top-left corner in the editor window: the first white pixel of a
# row and of a column that cross it (the empty canvas is white, the window grey).
find_canvas() {
    local shot="$E2E_WORK/editor-empty.png"
    import -window "$EDITOR" "$shot"
    CANVAS_X=$(convert "$shot" -crop 400x1+0+200 +repage -depth 8 txt:- | grep -m1 '#FFFFFF' | cut -d, -f1)
    CANVAS_Y=$(convert "$shot" -crop 1x300+200+0 +repage -depth 8 txt:- | grep -m1 '#FFFFFF' | cut -d: -f1 | cut -d, -f2)
    [ -n "$CANVAS_X" ] && [ -n "$CANVAS_Y" ] || fail "no canvas found in the editor ($mode)"
}

# at X Y: the pointer over template point X, Y of the canvas.
at() { xdotool mousemove --window "$EDITOR" "$((CANVAS_X + $1))" "$((CANVAS_Y + $2))"; }

build_and_run() {
    local mode="$1"
    local out="$E2E_WORK/typed-$mode.txt" board="$E2E_WORK/made-$mode.ORV"
    local profile="$E2E_WORK/manual.USR" log="$E2E_WORK/orvel-$mode.log"
    rm -f "$out" "$board"
    write_profile "$profile" 1 0 8 255 3 2
    "$ORVEL_BIN" "$profile" >"$log" 2>&1 &
    ORVEL_PID=$!
    E2E_PIDS+=("$ORVEL_PID")
    EDITOR=$(wait_window '^Orvel - ') || { cat "$log"; fail "no editor window ($mode)"; }
    BOARD_WINDOW=$EDITOR
    xdotool windowactivate "$EDITOR" 2>/dev/null || xdotool windowfocus "$EDITOR"
    sleep 0.5
    find_canvas

    # The root band: a drag from near the top-left corner, mostly downwards.
    at 5 5; xdotool mousedown 1
    at 300 200; at 600 440; xdotool mouseup 1
    sleep 0.3
    # Right click, "&Subdividir àrea": 3 rows, 4 columns with the arrow keys.
    at 300 200; xdotool click 3
    sleep 0.5
    xdotool key s
    local grid
    grid=$(wait_window "^Subdividir l'àrea$") || fail "no subdivision dialog ($mode)"
    wait_focus "$grid" || true
    xdotool key Up Up Tab Up Up Up Return
    sleep 0.5

    # Cells are 150 x 148, numbered row by row from area 2. Each click puts the
    # caret in "Tecles:".
    local cell text
    for cell in "0 0 {|EXECUTA xterm -u8 -geometry 30x6 -fn fixed -title terminal -e sh -c \"cat > $out\"}" \
                "1 0 h" "2 0 o" "3 0 la{ENTER}"; do
        set -- $cell
        local column=$1 row=$2
        shift 2
        text="$*"
        at $((75 + 150 * column)) $((74 + 148 * row)); xdotool click 1
        sleep 0.3
        xdotool type --delay 20 "$text"
    done
    sleep 0.3
    import -window root "$E2E_WORK/editor-board-$mode.png"

    # "&Fitxers", "&Desar ...": the name typed into the save dialog.
    xdotool key alt+f; sleep 0.3; xdotool key d
    local save
    save=$(wait_window '^Enregistrar el fitxer de plantilla$') || fail "no save dialog ($mode)"
    wait_focus "$save" || true
    sleep 0.3
    xdotool type --delay 10 "$board"
    xdotool key Return
    local n=0
    until [ -f "$board" ]; do
        n=$((n + 1)); [ "$n" -lt 50 ] || { cat "$log"; fail "the board was not saved ($mode)"; }; sleep 0.1
    done
    "$ORVEL_BIN" --dump "$board" >"$E2E_WORK/dump-$mode.json" 2>&1
    grep -q '"area_count": 13' "$E2E_WORK/dump-$mode.json" || { cat "$E2E_WORK/dump-$mode.json"; fail "not 13 areas ($mode)"; }

    # "&Fitxers", "&Activar"; then manual scanning: space steps, Enter selects.
    # The closed dialog may leave the focus nowhere on a bare server: give it back.
    xdotool windowfocus "$EDITOR"
    wait_focus "$EDITOR" || fail "the editor did not get the focus back ($mode)"
    xdotool key alt+f; sleep 0.3; xdotool key a
    press space Return
    local terminal
    terminal=$(wait_window '^terminal$') || { cat "$log"; fail "the terminal did not start ($mode)"; }
    press space Return space Return space Return
    n=0
    until [ -f "$out" ] && [ "$(cat "$out"; printf X)" = $'hola\nX' ]; do
        n=$((n + 1))
        [ "$n" -lt 60 ] || {
            import -window root "$E2E_WORK/run-$mode.png"
            od -c "$out" 2>/dev/null; cat "$log"
            fail "typed text differs ($mode)"
        }
        sleep 0.1
    done
    # "&Sortir" leaves run mode and closes the terminal the board started.
    press alt+s
    n=0
    while terminal_running "$out"; do
        n=$((n + 1)); [ "$n" -lt 50 ] || fail "the terminal stayed open ($mode)"; sleep 0.1
    done
    kill "$ORVEL_PID" 2>/dev/null
    wait "$ORVEL_PID" 2>/dev/null
    echo "ok: $mode"
}

for mode in ${E2E_MODES:-bare openbox}; do
    start_x "$mode"
    build_and_run "$mode"
    stop_x
done
