#!/bin/bash
# A communication set made elsewhere (the hand-made Open Board Format set of the test
# data) imported with `orvel --import` runs: with manual scanning the frame steps over
# the grid's rows first (space), Enter enters the row, space reaches its first cell and
# Enter speaks it (SDL's disk audio driver keeps what left the device); the choice
# takes the frame back to the rows. A screenshot of the board is kept.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"
: "${ORVEL_SOURCE_DIR:?}"

start_x bare
set_dir="$E2E_WORK/set"
"$ORVEL_BIN" --import "$ORVEL_SOURCE_DIR/tests/data/obf/comunica/inicio.obf" "$set_dir" >"$E2E_WORK/import.log" 2>&1 ||
    { cat "$E2E_WORK/import.log"; fail "the import failed"; }
[ -f "$set_dir/INICIO.ORV" ] || fail "no INICIO.ORV"
# Space steps (switch 1), Enter selects (switch 2); a red frame 3 pixels wide.
write_profile "$E2E_WORK/manual.USR" 1 0 3 255 3 2
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_WORK/audio.raw"
LOG="$E2E_WORK/orvel.log"
start_orvel "$set_dir/INICIO.ORV" "$E2E_WORK/manual.USR" "$LOG"
geometry=$(xwininfo -id "$BOARD_WINDOW")
y=$(sed -n 's/ *Absolute upper-left Y: *//p' <<<"$geometry")
h=$(sed -n 's/ *Height: *//p' <<<"$geometry")
top=$((y + h - $(board_y 445)))
# The middle of the first row (template y 74) on the screen.
row_y=$((top + $(board_y 74)))

# The x positions of red pixels on the screen's row y.
red_at() {
    import -window root -crop "1024x1+0+$1" +repage -depth 8 txt:- 2>/dev/null |
        awk -F'[,:() ]+' '/^[0-9]/ { if ($3 > 200 && $4 < 60 && $5 < 60) print $1 }' | tr '\n' ' '
}
# Waits until a red pixel lies within 4 pixels of x on the screen's row y (present=1)
# or none does (0); y is the first row's middle unless given.
wait_frame_edge() {
    local x="$1" present="$2" y="${3:-$row_y}" n=0 found
    while :; do
        found=0
        for px in $(red_at "$y"); do
            [ $((px - x)) -le 4 ] && [ $((x - px)) -le 4 ] && found=1
        done
        [ "$found" = "$present" ] && return 0
        n=$((n + 1))
        [ "$n" -lt 50 ] || return 1
        sleep 0.1
    done
}
row_right=$(( $(board_x 512) ))  # the first row ends at template x 512
cell_right=$(( $(board_x 128) ))  # its first cell at 128

press space
wait_frame_edge "$row_right" 1 || { import -window root "$E2E_WORK/rows.png"; fail "the frame is not on the first row"; }
wait_frame_edge "$cell_right" 0 || fail "the frame is on a cell, not on the row"
import -window root "$E2E_WORK/imported-board-row.png"
press Return space
wait_frame_edge "$cell_right" 1 || { import -window root "$E2E_WORK/cell.png"; fail "the frame is not on the first cell"; }
wait_frame_edge "$row_right" 0 || fail "the frame still spans the row"
before=$(stat -c %s "$E2E_WORK/audio.raw" 2>/dev/null || echo 0)
press Return
# "yo" is spoken, then the next step goes on over the rows (the second one: scanning
# goes on from where it was).
n=0
loud=0
while [ "$loud" -lt 2000 ]; do
    loud=$(tail -c +"$((before + 1))" "$E2E_WORK/audio.raw" | od -An -v -t d2 -w2 |
        awk '{ if ($1 > 1500 || $1 < -1500) k++ } END { print k + 0 }')
    n=$((n + 1))
    [ "$n" -lt 80 ] || { cat "$LOG"; fail "nothing was spoken after the selection ($loud loud samples)"; }
    sleep 0.1
done
press space
second_row_y=$((top + $(board_y 222)))
wait_frame_edge "$(board_x 640)" 1 "$second_row_y" ||
    { import -window root "$E2E_WORK/back.png"; fail "the choice did not go back to the rows"; }
wait_frame_edge "$cell_right" 0 "$second_row_y" || fail "the frame is on a cell of the second row, not on the row" 
import -window root "$E2E_WORK/imported-board.png"
echo "PASS: rows scanned, the cell spoke ($loud loud samples), back to the rows"
