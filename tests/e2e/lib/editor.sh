# Shared by the scripts that type into real editors (GTK 3 mousepad, GTK 4
# gnome-text-editor, Qt 5 featherpad): starting each as a fresh instance, and
# reading back what it holds through select-all, copy and the clipboard.
# Needs an X display in DISPLAY.

# The command line that starts a fresh instance of the editor with an empty document.
editor_command() {
    case "$1" in
        mousepad) echo "mousepad --disable-server" ;;
        featherpad) echo "featherpad --standalone" ;;
        gnome-text-editor) echo "gnome-text-editor --standalone" ;;
        *) return 1 ;;
    esac
}

# The editor's visible top-level window (the one whose class names it), or nothing.
editor_window() {
    xdotool search --onlyvisible --class "$1" 2>/dev/null | tail -1
}

# editor_text WINDOW FILE: the whole text the editor holds, into FILE.
editor_text() {
    local window="$1" file="$2"
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        xdotool windowactivate --sync "$window" 2>/dev/null
    else
        xdotool windowfocus --sync "$window" 2>/dev/null
    fi
    printf '' | xclip -selection clipboard
    xdotool key --clearmodifiers ctrl+a ctrl+c
    local n=0
    rm -f "$file"
    # Until the editor owns the clipboard and gives its text.
    until xclip -o -selection clipboard >"$file" 2>/dev/null && [ -s "$file" ]; do
        n=$((n + 1))
        [ "$n" -lt 50 ] || return 1
        sleep 0.1
    done
}

# text_difference EXPECTED_FILE ACTUAL_FILE: prints "LOST WRONG", the characters
# missing from the actual text and those that differ or were added.
text_difference() {
    python3 - "$1" "$2" <<'PY'
import sys, difflib
want = open(sys.argv[1], encoding="utf-8").read()
try:
    got = open(sys.argv[2], encoding="utf-8", errors="replace").read()
except FileNotFoundError:
    got = ""
lost = wrong = 0
for op, a1, a2, b1, b2 in difflib.SequenceMatcher(None, want, got, autojunk=False).get_opcodes():
    if op == "delete":
        lost += a2 - a1
    elif op == "replace":
        wrong += min(a2 - a1, b2 - b1)
        lost += max(0, (a2 - a1) - (b2 - b1))
    elif op == "insert":
        wrong += b2 - b1
print(lost, wrong)
PY
}

# The texts the editor tests and benchmarks type, one file each in FOLDER:
# ascii3000, ascii2000, ascii1000 (no brackets or quotes an editor might pair), catalan (the
# accented line), letters (69 accented letters of Windows-1252), symbols (51 of its
# other characters): letters and symbols need more keycodes than a layout has spare.
write_editor_texts() {
    python3 - "$1" <<'PY'
import sys
folder = sys.argv[1]
para = "The quick brown fox jumps over the lazy dog; 0123456789 times, said Ann & Bob twice! "
texts = {
    "ascii3000": (para * 40)[:3000],
    "ascii2000": (para * 30)[:2000],
    "ascii1000": (para * 30)[:1000],
    "catalan": "Què, Núria? ÀÈÉÍÏÒÓÚÜÇ 5 € l·l ¡¿«»’ àèéíïòóúüç",
}
cp1252 = "".join(bytes([b]).decode("cp1252", "ignore") for b in range(0x80, 0x100))
letters = [c for c in cp1252 if c.isalpha() and c not in "ƒˆªµº"]
# ¶ stands for a double quote in a board file.
symbols = [c for c in cp1252 if not c.isalpha() and c not in "\xa0\xad¶"] + list("ƒˆªµº")
assert len(letters) == 69 and len(symbols) == 51
texts["letters"] = "".join(letters)
texts["symbols"] = "".join(symbols)
for name, text in texts.items():
    open(f"{folder}/{name}.txt", "w", encoding="utf-8").write(text)
PY
}
