#!/bin/bash
# A one-switch user with a tremor writes a word with row scanning: on a board of
# 4 rows x 5 letters the frame steps over the rows, a press held long enough
# enters the row, the frame steps over its letters, and a held press selects.
# The presses are real key downs and ups held for real times: the tremor's
# short extra taps (80-150 ms, below the acceptance time, or right after an
# accepted press) must select nothing. The letters go into a real terminal.
# On a bare X server and under openbox.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

# Cells in template pixels: columns at 10 + 78 c (70 wide), rows at 10 + 72 r (64 high),
# inside the root 0,0-400,300. Letters a..t row by row.
cell_x() { echo $((10 + 78 * $1)); }
row_y() { echo $((10 + 72 * $1)); }

write_letter_board() {
    local file="$1" program="${2//\"/¶}" r c letters=abcdefghijklmnopqrst i=0
    {
        printf ' 2 \n 1 \n\n 21 \n"%s"\n 0 \n""\n""\n""\n""\n""\n 1 \n 0 \n 0 \n 0 \n 0 \n 100 \n' "$program"
        printf ' 0 \n 0 \n 400 \n 300 \n 0 \n 0 \n""\n""\n""\n""\n 0 \n 0 \n'
        for r in 0 1 2 3; do
            for c in 0 1 2 3 4; do
                printf ' %d \n %d \n %d \n %d \n 1 \n 0 \n""\n""\n"%s"\n""\n 0 \n 0 \n' \
                    "$(cell_x $c)" "$(row_y $r)" "$(($(cell_x $c) + 70))" "$(($(row_y $r) + 64))" "${letters:i:1}"
                i=$((i + 1))
            done
        done
    } | sed 's/$/\r/' | iconv -f UTF-8 -t WINDOWS-1252 >"$file" || fail "cannot write board $file"
}

# Automatic scanning, steps of 2.5 s (time for a loaded test machine to see the
# frame and press), a red frame 4 pixels wide with its contrast
# outline, space as the one switch; presses count after 300 ms held, presses
# within 400 ms after a counted one are ignored; the first row stays 0.5 s longer.
write_tremor_profile() {
    write_profile "$1" 2 25 4 255 3 0
    printf 'acceptacio= 300\r\npost_acceptacio= 400\r\nretard_inicial= 500\r\nvoltes= 0\r\nfiles= 1\r\n' >>"$1"
    printf 'permanencia= 0\r\nmarc_contrast= 1\r\n' >>"$1"
}

WAIT_PIXELS="$(dirname "$ORVEL_BIN")/orvel_e2e_wait_pixels"

# Screen points: the frame's top edge in the gap between the first two cells of
# row R (red only while the whole row is highlighted), and over the middle of cell R C.
row_point() { echo "$((BOARD_LEFT + $(board_x 84))),$((BOARD_TOP + $(board_y $(row_y $1)) + 1))"; }
cell_point() { echo "$((BOARD_LEFT + $(board_x $(($(cell_x $2) + 35))))),$((BOARD_TOP + $(board_y $(row_y $1)) + 1))"; }

# wait_red WHAT POINT...: until the red frame shows as the points say (a point
# ending in ",!" must not be red), for at most 40 s.
wait_red() {
    local what="$1"
    shift
    "$WAIT_PIXELS" 40000 ff0000 "$@" || {
        import -window root "$E2E_WORK/screen-$CASE.png"
        cat "$LOG"
        fail "$what never highlighted ($CASE)"
    }
}
wait_row() { wait_red "row $1" "$(row_point "$1")"; }
wait_cell() { wait_red "cell $1,$2" "$(cell_point "$1" "$2")" "$(row_point "$1"),!"; }

# hold SECONDS: the switch held down that long. One xdotool call, so that a
# loaded machine starting a second program does not lengthen the hold.
hold() {
    wait_board_focus || fail "no focus before a press ($CASE)"
    xdotool keydown space sleep "$1" keyup space
}

run_case() {
    CASE="$1"
    local out="$E2E_WORK/typed-$CASE.txt" board="$E2E_WORK/letters-$CASE.ORV" profile="$E2E_WORK/tremor.USR"
    LOG="$E2E_WORK/orvel-$CASE.log"
    rm -f "$out"
    write_letter_board "$board" "$RAW_TERMINAL$out\""
    write_tremor_profile "$profile"
    start_orvel "$board" "$profile" "$LOG"

    # A too-short tap on the first row does not enter it: the frame goes on to row 2.
    wait_row 0
    hold 0.15
    wait_row 1
    [ ! -s "$out" ] || fail "a short tap selected something ($CASE)"

    # "hola": h is row 1 cell 2, o row 2 cell 4, l row 2 cell 1, a row 0 cell 0.
    # The intended presses of "o" are held 1.2 s, past the keyboard's auto-repeat
    # delay: each still counts once.
    local typed="" target row cell letter held
    for target in "1 2 h 0.45" "2 4 o 1.2" "2 1 l 0.45" "0 0 a 0.45"; do
        set -- $target
        row=$1 cell=$2 letter=$3 held=$4
        wait_row "$row"
        hold 0.09               # a tremor tap on the row: ignored
        hold "$held"            # the intended press enters the row
        hold 0.1                # a bounce right after it: within the post-acceptance time
        wait_cell "$row" "$cell"
        hold "$held"
        typed+="$letter"
        wait_typed "$out" "$typed"
        hold 0.08               # a tremor tap once the board has the focus back: ignored
    done
    import -window root "$E2E_WORK/screen-$CASE.png"
    # Nothing more arrives: the extra taps selected nothing.
    sleep 2
    wait_typed "$out" "hola"
    leave_run_mode "$out"
    echo "ok: $CASE"
}

for mode in ${E2E_MODES:-bare openbox}; do
    start_x "$mode"
    run_case "$mode"
    stop_x
done
