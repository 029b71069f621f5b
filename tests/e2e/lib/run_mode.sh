# Shared by the run-mode end-to-end scripts: a four-area board whose program is
# a terminal writing what it receives into a file, profiles, starting Orvel in
# run mode, finding its board on the screen and reading pixels of the screen.
# Needs board_session.sh first.

# The board must be a real X11 window here, whatever the unit tests ask for.
unset QT_QPA_PLATFORM

# The board: root area 0,0-400,300 (640 x 483 board pixels on a 1024 x 768
# screen), four areas in a 2 x 2 grid typing a, b, c and Enter, or the four key
# texts given after the program.
#   2: 20,20-180,140   3: 220,20-380,140   4: 20,160-180,280   5: 220,160-380,280
write_grid_board() {
    local file="$1" program="$2"
    local keys=("${3:-a}" "${4:-b}" "${5:-c}" "${6:-~}")
    program=${program//\"/¶}
    {
        printf ' 2 \n 1 \n\n 5 \n"%s"\n 0 \n""\n""\n""\n""\n""\n 1 \n 0 \n 0 \n 0 \n 0 \n 100 \n' "$program"
        printf ' 0 \n 0 \n 400 \n 300 \n 0 \n 0 \n""\n""\n""\n""\n 0 \n 0 \n'
        local area i=0
        for area in "20 20 180 140" "220 20 380 140" "20 160 180 280" "220 160 380 280"; do
            set -- $area
            printf ' %d \n %d \n %d \n %d \n 1 \n 0 \n""\n""\n"%s"\n""\n 0 \n 0 \n' "$1" "$2" "$3" "$4" \
                "${keys[i]//\"/¶}"
            i=$((i + 1))
        done
    } | sed 's/$/\r/' | iconv -f UTF-8 -t WINDOWS-1252 >"$file" || fail "cannot write board $file"
}

# write_profile FILE MODUS TEMPS GRUIX COLOR ACCIO1 ACCIO2
write_profile() {
    printf '[Orvel]\r\nInterval= 100\r\nSo=Si\r\nmodus= %d\r\ntemps= %d\r\ngruix= %d\r\ncolor= %d\r\naccio1= %d\r\naccio2= %d\r\nvariable1=\r\nvariable2=\r\nretard1= 0\r\nretard2= 0\r\nn_joystic= 0\r\njoystic_sensi= 0\r\njoystic_retard= 0\r\n' \
        "$2" "$3" "$4" "$5" "$6" "$7" >"$1"
}

# Template pixels to board pixels on the 1024 x 768 screen.
board_x() { python3 -c "print(round($1 * 1024 * 15 / 9600))"; }
board_y() { python3 -c "print(round($1 * 768 * 15 / 7155))"; }

# start_orvel BOARD PROFILE LOG: starts Orvel in run mode; sets ORVEL_PID and
# BOARD_WINDOW, and BOARD_LEFT, BOARD_TOP (the board's top-left on the screen).
start_orvel() {
    "$ORVEL_BIN" "$1" "$2" >"$3" 2>&1 &
    ORVEL_PID=$!
    E2E_PIDS+=("$ORVEL_PID")
    local tries=0
    BOARD_WINDOW=""
    until [ -n "$BOARD_WINDOW" ]; do
        BOARD_WINDOW=$(xdotool search --onlyvisible --name '^Orvel - ' 2>/dev/null | head -1)
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || { cat "$3"; fail "the board window did not appear"; }
        kill -0 "$ORVEL_PID" 2>/dev/null || { cat "$3"; fail "orvel ended at start"; }
        sleep 0.1
    done
    find_board
}

# The board fills the bottom of the window's client area, under the menu bar.
find_board() {
    local geometry x y w h
    geometry=$(xwininfo -id "$BOARD_WINDOW") || fail "xwininfo $BOARD_WINDOW"
    x=$(sed -n 's/ *Absolute upper-left X: *//p' <<<"$geometry")
    y=$(sed -n 's/ *Absolute upper-left Y: *//p' <<<"$geometry")
    w=$(sed -n 's/ *Width: *//p' <<<"$geometry")
    h=$(sed -n 's/ *Height: *//p' <<<"$geometry")
    BOARD_LEFT=$x
    BOARD_TOP=$((y + h - $(board_y 300)))
    BOARD_WIDTH=$w
}

# The colour of one screen pixel as "r,g,b".
pixel() {
    import -window root -crop "1x1+$1+$2" +repage -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -1
}

# Waits until the screen pixel has the colour (up to about TRIES tenths of a second).
wait_pixel() {
    local x="$1" y="$2" colour="$3" tries="${4:-100}" n=0
    until [ "$(pixel "$x" "$y")" = "$colour" ]; do
        n=$((n + 1))
        [ "$n" -lt "$tries" ] || return 1
        sleep 0.05
    done
}

# Waits until the board has the keyboard focus again (the focus keeper gives it
# back after each execution).
wait_board_focus() {
    local n=0 focused
    while :; do
        focused=$(xdotool getwindowfocus 2>/dev/null)
        [ "$focused" = "$BOARD_WINDOW" ] && return 0
        n=$((n + 1))
        [ "$n" -lt 50 ] || return 1
        sleep 0.1
    done
}

# press KEY...: each key typed on the board once it has the focus.
press() {
    local k
    for k in "$@"; do
        wait_board_focus || fail "the board did not get the focus back before $k"
        xdotool key "$k"
        sleep 0.3
    done
}

terminal_running() { pgrep -f "cat > $1" >/dev/null; }

# Waits until the file holds exactly the expected text (up to about 8 s).
wait_for_text() {
    local file="$1" expected="$2" n=0
    until [ -f "$file" ] && [ "$(cat "$file"; printf X)" = "${expected}X" ]; do
        n=$((n + 1))
        [ "$n" -lt 80 ] || return 1
        sleep 0.1
    done
}

# stop_orvel OUT: ends the board started by start_orvel and the terminal writing OUT.
stop_orvel() {
    kill "$ORVEL_PID" 2>/dev/null
    wait "$ORVEL_PID" 2>/dev/null
    pkill -f "cat > $1" 2>/dev/null
    rm -f "$XDG_RUNTIME_DIR/orvel.lock"
}
