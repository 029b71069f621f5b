#!/bin/bash
# Spoken orders drive a board in run mode and type into a real terminal. The
# person's words were trained beforehand (a word file made from espeak-ng's
# Catalan voice); Orvel's microphone is SDL's disk audio driver reading a FIFO
# that a feeder fills in real time, with other renderings of the orders (other
# speeds and pitches) said on demand. The voice dialog is opened from the
# board's menu, "Entrenament" starts the engine (which reads the word file),
# and after "Acceptar" the five orders move the highlight and select.
set -u
. "$(dirname "$0")/lib/board_session.sh"
. "$(dirname "$0")/lib/run_mode.sh"

TRAIN_BIN="$(dirname "$ORVEL_BIN")/orvel_e2e_train_words"
FEED="$(dirname "$0")/lib/microphone_feed.py"
ORDERS=(avançar recular dreta esquerra acceptar)

# wait_window NAME: the id of the visible window titled NAME.
wait_window() {
    local n=0 id=""
    until id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ]; do
        n=$((n + 1))
        [ "$n" -lt 100 ] || { import -window root "$E2E_WORK/screen-$CASE.png"; cat "$LOG"; fail "no window \"$1\" ($CASE)"; }
        sleep 0.1
    done
    echo "$id"
}

# keys_to WINDOW KEY...: the window takes the focus, then the keys.
keys_to() {
    local id="$1"
    shift
    xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
    xdotool key "$@"
}

# say INDEX: the feeder says order INDEX (0..4) as rendered for this test.
say() { printf '%s\n' "$E2E_WORK/said-$1.raw" >&4; }

prepare_words() {
    local i
    mkdir -p "$XDG_DATA_HOME/orvel/veu"
    # Trained with the dialog's first recording length, 5 tenths.
    "$TRAIN_BIN" "$XDG_DATA_HOME/orvel/veu/VOICE.VEU" 5 AVANÇAR RECULAR DRETA ESQUERRA ACCEPTAR TEST ||
        fail "the words could not be trained"
    # Said at a speed and pitch the training never heard.
    for i in 0 1 2 3 4; do
        espeak-ng -v ca -s 165 -p 56 --stdout "${ORDERS[$i]}" |
            sox -t wav - -t raw -r 16000 -e signed -b 16 -c 1 "$E2E_WORK/said-$i.raw" || fail "espeak-ng or sox"
    done
}

run_voice() {
    CASE="voice-$1"
    local out="$E2E_WORK/typed-$CASE.txt" board="$E2E_WORK/grid-$CASE.ORV" profile="$E2E_WORK/VOICE.USR"
    local mic="$E2E_WORK/mic-$CASE.fifo" control="$E2E_WORK/control-$CASE.fifo"
    LOG="$E2E_WORK/orvel-$CASE.log"
    rm -f "$out" "$mic" "$control"
    mkfifo "$mic" "$control"
    write_grid_board "$board" "$RAW_TERMINAL$out\""
    printf '[Orvel]\r\nInterval= 100\r\nSo=Si\r\nmodus= 7\r\ntemps= 0\r\ngruix= 8\r\ncolor= 255\r\naccio1= 0\r\naccio2= 0\r\nvariable1=\r\nvariable2=\r\nretard1= 0\r\nretard2= 0\r\nn_joystic= 0\r\njoystic_sensi= 1\r\njoystic_retard= 1\r\n' >"$profile"
    python3 "$FEED" "$mic" "$control" &
    E2E_PIDS+=($!)
    exec 4>"$control"
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILEIN="$mic" SDL_DISKAUDIOFILE=/dev/null start_orvel "$board" "$profile" "$LOG"
    wait_highlight 220 160

    # "&Accessibilitat", "&Veu"; "&Entrenament" starts the engine on the
    # person's words; the training window is closed; "Acceptar".
    keys_to "$BOARD_WINDOW" alt+a
    sleep 0.3
    xdotool key v
    local dialog training
    dialog=$(wait_window "Control per veu")
    keys_to "$dialog" alt+e
    training=$(wait_window "Entrenament")
    import -window root "$E2E_WORK/training-$CASE.png"
    keys_to "$training" Escape
    keys_to "$dialog" Return
    local n=0
    while xdotool search --onlyvisible --name "^Control per veu\$" >/dev/null 2>&1; do
        n=$((n + 1))
        [ "$n" -lt 50 ] || fail "the voice dialog stayed open ($CASE)"
        sleep 0.1
    done
    wait_highlight 220 160

    # avançar (up), acceptar; esquerra (left), acceptar; recular (down),
    # acceptar; dreta (right), acceptar.
    local step expected=""
    for step in "0:220 20:b" "3:20 20:a" "1:20 160:c" "2:220 160:"; do
        IFS=: read -r order area letter <<<"$step"
        say "$order"
        wait_highlight $area
        say 4
        expected+="${letter:-$'\r'}"
        wait_typed "$out" "$expected"
    done
    exec 4>&-
    leave_run_mode "$out"
    echo "ok: $CASE"
}

prepare_words
for mode in ${E2E_MODES:-bare openbox}; do
    start_x "$mode"
    run_voice "$mode"
    stop_x
done
