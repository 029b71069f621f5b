#!/bin/bash
# The Debian package: built by CPack from the build tree, it holds the program, its data and
# the desktop files under /usr, depends on the libraries it links and the Qt X11 plugin, has
# no lintian errors, and its program finds its data inside the unpacked tree.
set -u
: "${ORVEL_BUILD_DIR:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$ORVEL_BUILD_DIR/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/orvel_*.deb) || fail "no package"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/orvel ./usr/share/orvel/boards/EXEMPLE.ORV ./usr/share/orvel/help/index.html \
            ./usr/share/applications/orvel.desktop ./usr/share/mime/packages/orvel.xml \
            ./usr/share/icons/hicolor/scalable/apps/orvel.svg ./usr/share/man/man1/orvel.1.gz \
            ./usr/share/doc/orvel/copyright ./usr/share/doc/orvel/changelog.gz; do
    grep -q " $path\$" <<<"$contents" || fail "the package has no $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libxtst6 libespeak-ng1 libsdl2-mixer-2.0-0 qt6-qpa-plugins; do
    grep -q "$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1
status=$?
cat "$work/lintian.log"
[ "$status" -eq 0 ] || fail "lintian"

dpkg-deb -x "$deb" "$work/root"
file "$work/root/usr/bin/orvel" | grep -q 'stripped' && ! file "$work/root/usr/bin/orvel" | grep -q 'not stripped' ||
    fail "the program is not stripped"
manual=$("$work/root/usr/bin/orvel" --help | sed -n 's/^Manual: //p')
[ "$manual" = "$work/root/usr/share/orvel/help/index.html" ] || fail "the packaged program reads its manual from '$manual'"
echo "ok"
