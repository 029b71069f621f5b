#!/bin/bash
# An installed tree: `cmake --install` under a temporary prefix gives a program that finds
# its data under that prefix, checks every shipped board cleanly, documents every option in
# its man page, and a desktop entry and file type that the desktop tools accept and map
# *.orv files to.
set -u
: "${ORVEL_BUILD_DIR:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$ORVEL_BUILD_DIR" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "install"; }
orvel="$prefix/bin/orvel"
data="$prefix/share/orvel"

# The program's data is the prefix's, not the build tree's.
manual=$("$orvel" --help | sed -n 's/^Manual: //p')
[ "$manual" = "$data/help/index.html" ] || fail "the installed program reads its manual from '$manual'"
[ -f "$manual" ] || fail "no manual at $manual"

# Every link of the manual leads to a page, and an anchor, that is there.
python3 - "$data/help" <<'PY' || fail "broken links in the manual"
import html.parser, os, sys
folder = sys.argv[1]
class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(); self.links = []; self.ids = set()
    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a: self.ids.add(a["id"])
        for key in ("href", "src"):
            if key in a and "://" not in a[key] and not a[key].startswith("mailto:"): self.links.append(a[key])
pages = {}
for name in os.listdir(folder):
    if name.endswith(".html"):
        p = Page(); p.feed(open(os.path.join(folder, name), encoding="utf-8").read()); pages[name] = p
broken = []
for name, page in pages.items():
    for link in page.links:
        target, _, anchor = link.partition("#")
        target = target or name
        if not os.path.exists(os.path.join(folder, target)): broken.append(f"{name}: {link}")
        elif anchor and anchor not in pages.get(target, Page()).ids: broken.append(f"{name}: {link}")
print("\n".join(broken), file=sys.stderr)
sys.exit(1 if broken or "index.html" not in pages else 0)
PY

# Every shipped board checks cleanly with the installed program.
boards=0
while IFS= read -r -d '' board; do
    boards=$((boards + 1))
    out=$("$orvel" --check "$board" 2>&1) || fail "--check $board: $out"
    [ -z "$out" ] || fail "--check $board reports: $out"
done < <(find "$data/boards" -iname '*.orv' -print0)
[ "$boards" -gt 0 ] || fail "no boards installed"

# The man page renders without warnings and names every option of the usage text.
page="$prefix/share/man/man1/orvel.1.gz"
warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
[ -z "$warnings" ] || fail "man page: $warnings"
for option in $("$orvel" --help | grep -o -- '--[a-z-]*' | sort -u); do
    zcat "$page" | grep -q -- "${option//-/\\\\-}" || fail "the man page does not describe $option"
done
grep -q "$data" < <(zcat "$page") || fail "the man page does not name the data folder $data"

# The desktop entry is valid, runs the installed command and opens boards.
entry="$prefix/share/applications/orvel.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate"
grep -q '^Exec=orvel --start %f$' "$entry" || fail "Exec line"
grep -q '^MimeType=application/x-orvel-board;$' "$entry" || fail "MimeType line"
[ -f "$prefix/share/icons/hicolor/scalable/apps/orvel.svg" ] || fail "no scalable icon"
for size in 16 32 48 256; do
    identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/orvel.png" | grep -qx "${size}x${size}" ||
        fail "icon ${size}x${size}"
done

# The file type: *.orv in any letter case is an Orvel board for the desktop's file managers
# (GIO reads the same shared-mime-info database), and Orvel is registered to open it.
# The caches are what the Debian package's triggers and make install build.
update-mime-database "$prefix/share/mime" || fail "update-mime-database"
update-desktop-database "$prefix/share/applications" || fail "update-desktop-database"
cp "$data/boards/EXEMPLE.ORV" "$work/lower case.orv"
cp "$data/boards/EXEMPLE.ORV" "$work/UPPER.ORV"
export PATH="$prefix/bin:$PATH" XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_DATA_HOME="$work/user-data" XDG_CONFIG_HOME="$work/config"
for f in "$work/lower case.orv" "$work/UPPER.ORV"; do
    type=$(gio info -a standard::content-type "$f" | sed -n 's/ *standard::content-type: //p')
    [ "$type" = application/x-orvel-board ] || fail "$f is $type"
done
gio mime application/x-orvel-board | grep -q 'orvel.desktop' || { gio mime application/x-orvel-board; fail "Orvel does not open boards"; }
echo "ok: $boards boards"
