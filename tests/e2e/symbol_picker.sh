#!/bin/bash
# A library symbol put on the example board with the keyboard alone: the board
# runs, "Sortir" leaves it for the editor, a click picks the "Gràcies" area, Alt+M
# opens "Símbols", "gat" is typed and Enter chooses. The picture lands in the
# board's folder, the editor's cover shows it at once, and "Desar" stores it in
# the area. Screenshots of the window and the result are kept. Bare and under openbox.
set -u
. "$(dirname "$0")/lib/board_session.sh"

# A real window on the X server, not the offscreen one the unit tests use.
unset QT_QPA_PLATFORM
src="${ORVEL_SOURCE_DIR:?}"

wait_window() {
    local n=0 id=""
    until id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ]; do
        n=$((n + 1)); [ "$n" -lt 100 ] || return 1; sleep 0.1
    done
    echo "$id"
}

wait_focus() {
    local n=0
    until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; do
        n=$((n + 1)); [ "$n" -lt 50 ] || return 1; sleep 0.1
    done
}

# How many pixels of the cat's orange lie in the rectangle W x H + X + Y of the shot.
orange_in() {
    convert "$1" -crop "$2" +repage -fuzz 3% -fill black +opaque '#F4AA41' -fill white -opaque '#F4AA41' \
        -format '%[fx:round(mean*w*h)]' info:
}

pick_symbol() {
    local mode="$1" folder="$E2E_WORK/board-$1" log="$E2E_WORK/orvel-$1.log"
    rm -rf "$folder"; mkdir -p "$folder"
    cp "$src"/boards/EXEMPLE.ORV "$src"/boards/*.bmp "$src"/boards/EXEMPLE.BMP "$folder"/
    "$ORVEL_BIN" "$folder/EXEMPLE.ORV" >"$log" 2>&1 &
    local pid=$!
    E2E_PIDS+=("$pid")
    local editor
    editor=$(wait_window '^Orvel - ') || { cat "$log"; fail "the board did not run ($mode)"; }
    xdotool windowactivate "$editor" 2>/dev/null || xdotool windowfocus "$editor"
    wait_focus "$editor" || xdotool windowfocus "$editor"
    # "Sortir": the same window turns into the editor, whose grey margin left of the
    # canvas replaces the board's white and black.
    xdotool key alt+s
    local shot="$E2E_WORK/editor-$mode.png" x y n=0
    until import -window "$editor" "$shot" &&
        convert "$shot" -crop 1x1+3+200 +repage -depth 8 txt:- | grep -qv -e '#FFFFFF' -e '#000000' -e '^#'; do
        n=$((n + 1)); [ "$n" -lt 50 ] || { cat "$log"; fail "no editor after Sortir ($mode)"; }; sleep 0.1
    done
    # The canvas: the first white pixel of a row and of a column across the cover."
    x=$(convert "$shot" -crop 400x1+0+200 +repage -depth 8 txt:- | grep -m1 '#FFFFFF' | cut -d, -f1)
    y=$(convert "$shot" -crop 1x300+100+0 +repage -depth 8 txt:- | grep -m1 '#FFFFFF' | cut -d: -f1 | cut -d, -f2)
    [ -n "$x" ] && [ -n "$y" ] || fail "no canvas found in the editor ($mode)"
    [ "$(orange_in "$shot" "200x100+$((x + 220))+$((y + 10))")" = 0 ] || fail "orange on the cover already ($mode)"
    # "Gràcies" (area 3, 220,10 - 420,110), then "Símbols..." by its key.
    xdotool mousemove --window "$editor" "$((x + 320))" "$((y + 60))" click 1
    sleep 0.3
    xdotool key alt+m
    local picker
    picker=$(wait_window '^Símbols$') || { import -window root "$E2E_WORK/no-picker-$mode.png"; fail "no Símbols window ($mode)"; }
    wait_focus "$picker" || true
    xdotool type --delay 60 "gat"
    sleep 0.5
    import -window root "$E2E_WORK/picker-$mode.png"
    xdotool key Return
    n=0
    until [ -s "$folder/gat.bmp" ]; do
        n=$((n + 1)); [ "$n" -lt 50 ] || { cat "$log"; fail "gat.bmp was not written ($mode)"; }; sleep 0.1
    done
    [ "$(od -An -tu2 -j28 -N2 "$folder/gat.bmp" | tr -d ' ')" = 24 ] || fail "gat.bmp is not a 24-bit bitmap ($mode)"
    # The cover shows the cat inside "Gràcies" and nowhere else.
    n=0
    until import -window "$editor" "$shot" && [ "$(orange_in "$shot" "200x100+$((x + 220))+$((y + 10))")" -gt 300 ]; do
        n=$((n + 1)); [ "$n" -lt 30 ] || fail "the cover does not show the symbol ($mode)"; sleep 0.1
    done
    [ "$(orange_in "$shot" "200x100+$((x + 10))+$((y + 120))")" = 0 ] || fail "the symbol shows outside its area ($mode)"
    # "&Fitxers", "&Desar ...": the area keeps the picture's name.
    xdotool windowfocus "$editor"; wait_focus "$editor" || true
    xdotool key alt+f; sleep 0.3; xdotool key d
    local save
    save=$(wait_window '^Enregistrar el fitxer de plantilla$') || fail "no save dialog ($mode)"
    wait_focus "$save" || true
    xdotool key Return
    # The board's file is there already: the dialog asks before replacing it, in a
    # box that takes the focus ("Sí" is Alt+S).
    n=0
    until [ "$(xdotool getwindowfocus 2>/dev/null)" != "$save" ]; do
        n=$((n + 1)); [ "$n" -lt 50 ] || fail "no question before replacing the board ($mode)"; sleep 0.1
    done
    xdotool key alt+s
    n=0
    until "$ORVEL_BIN" --dump "$folder/EXEMPLE.ORV" 2>/dev/null | grep -q '"icon_file": "gat.bmp"'; do
        n=$((n + 1)); [ "$n" -lt 50 ] || { import -window root "$E2E_WORK/save-$mode.png"; cat "$log"; fail "the area does not name gat.bmp after saving ($mode)"; }; sleep 0.1
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    echo "ok: $mode"
}

for mode in ${E2E_MODES:-bare openbox}; do
    start_x "$mode"
    pick_symbol "$mode"
    stop_x
done
