# Shared by the end-to-end scripts: a private X server (bare or with openbox),
# boards written as Windows-1252 text with CRLF line ends, and clean-up.
# Needs: ORVEL_BIN, E2E_WORK.

set -u

: "${ORVEL_BIN:?ORVEL_BIN must name the orvel executable}"
: "${E2E_WORK:?E2E_WORK must name a work folder}"

mkdir -p "$E2E_WORK"
export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
export XDG_CONFIG_HOME="$E2E_WORK/config"
export XDG_STATE_HOME="$E2E_WORK/state"
export XDG_DATA_HOME="$E2E_WORK/data"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_DATA_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export SDL_AUDIODRIVER=dummy

E2E_PIDS=()
e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb on a free display and exports DISPLAY; with "openbox" also a window manager.
start_x() {
    local mode="$1" n="" tries=0
    # The server picks its own free display and writes its number: several test
    # runs at once never race for the same one.
    # -noreset: without it the server resets whenever its last client leaves,
    # forgetting the keyboard layout and putting the pointer back in the middle.
    local displayfile="$E2E_WORK/xvfb-display.$$"
    rm -f "$displayfile"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$displayfile" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_PIDS+=($!)
    until n=$(head -1 "$displayfile" 2>/dev/null) && [ -n "$n" ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || fail "Xvfb did not start"
        sleep 0.1
    done
    export DISPLAY=":$n"
    tries=0
    until xdpyinfo >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || fail "Xvfb :$n did not start"
        sleep 0.1
    done
    if [ "$mode" = openbox ]; then
        openbox >"$E2E_WORK/openbox-$n.log" 2>&1 &
        E2E_PIDS+=($!)
        tries=0
        until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
            tries=$((tries + 1))
            [ "$tries" -lt 100 ] || fail "openbox did not start"
            sleep 0.1
        done
    fi
}

stop_x() {
    e2e_cleanup
    E2E_PIDS=()
}

# write_board FILE PROGRAM INITIAL_KEYS KEYS...: a board with one root area and
# one area per key text, written as the Windows program writes it.
write_board() {
    local file="$1" program="$2" initial="$3"
    shift 3
    local count=$(( $# + 1 )) keys
    # Quoted lines hold a double quote as the character ¶.
    program=${program//\"/¶}
    initial=${initial//\"/¶}
    {
        printf ' 2 \n 1 \n\n %d \n"%s"\n 0 \n""\n"%s"\n""\n""\n""\n 1 \n 0 \n 0 \n 0 \n 0 \n 100 \n' \
            "$count" "$program" "$initial"
        printf ' 0 \n 0 \n 639 \n 444 \n 0 \n 0 \n""\n""\n""\n""\n 0 \n 0 \n'
        for keys in "$@"; do
            printf ' 10 \n 10 \n 100 \n 100 \n 1 \n 0 \n""\n""\n"%s"\n""\n 0 \n 0 \n' "${keys//\"/¶}"
        done
    } | sed 's/$/\r/' | iconv -f UTF-8 -t WINDOWS-1252 >"$file" || fail "cannot write board $file"
}

# Waits until the file stops growing and the process writing it has ended.
wait_for_file() {
    local file="$1" tries=0
    until [ -f "$file" ] && ! pgrep -f "cat > $file" >/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || return 1
        sleep 0.1
    done
}
