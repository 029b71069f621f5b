#!/bin/bash
# The real program in the language of the desktop's locale, or of Orvel.INI's "Idioma":
# the "Fitxers" menu is opened with the keyboard through that language's own accelerators
# (Alt+A, A in Spanish; Alt+F, O in English and Catalan) and the file dialog it opens
# has that language's title. A C locale is Catalan even with a LANGUAGE list.
set -u
. "$(dirname "$0")/lib/board_session.sh"
# A real X11 window, whatever the unit tests ask for.
unset QT_QPA_PLATFORM

# run_case NAME SETTING MENU_KEY ITEM_KEY TITLE [VARIABLE=VALUE ...]
run_case() {
    local name="$1" setting="$2" menu_key="$3" item_key="$4" title="$5"
    shift 5
    rm -rf "$XDG_CONFIG_HOME/orvel"
    if [ -n "$setting" ]; then
        mkdir -p "$XDG_CONFIG_HOME/orvel"
        printf '[Orvel]\r\nIdioma=%s\r\n' "$setting" >"$XDG_CONFIG_HOME/orvel/Orvel.INI"
    fi
    env "$@" "$ORVEL_BIN" >"$E2E_WORK/$name.log" 2>&1 &
    local pid=$! window="" dialog="" n=0
    E2E_PIDS+=("$pid")
    until window=$(xdotool search --onlyvisible --name '^Orvel' 2>/dev/null | head -1) && [ -n "$window" ]; do
        n=$((n + 1))
        [ "$n" -lt 100 ] || { cat "$E2E_WORK/$name.log"; fail "no editor window ($name)"; }
        sleep 0.1
    done
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key --clearmodifiers "alt+$menu_key"
    sleep 0.3
    xdotool key --clearmodifiers "$item_key"
    n=0
    until dialog=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1) && [ -n "$dialog" ]; do
        n=$((n + 1))
        [ "$n" -lt 100 ] || {
            import -window root "$E2E_WORK/$name.png"
            fail "no dialog titled \"$title\" ($name)"
        }
        sleep 0.1
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    echo "ok: $name"
}

start_x bare
run_case spanish "" a a "Cargar el archivo de plantilla" LC_ALL= LANG=es_ES.UTF-8
run_case english_setting en f o "Open a board file" LC_ALL=C.UTF-8 LANGUAGE=es
run_case catalan_c_locale "" f o "Carregar el fitxer de plantilla" LC_ALL=C.UTF-8 LANGUAGE=es
run_case english_language_list "" f o "Open a board file" LC_ALL= LANG=fr_FR.UTF-8 LANGUAGE=de:en
stop_x
