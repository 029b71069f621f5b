# The Debian package (make package): everything cmake --install puts in place, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Orvel developers <orvel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "on-screen keyboard and communication boards for switch users")
# CPack puts the summary on the first line itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Orvel is for people who cannot use a standard keyboard or mouse. A board
is a picture with areas over it; selecting an area types its text into the
application the person works in, speaks it, plays sounds, starts programs,
loads other boards or moves the mouse. Areas are selected with the mouse,
with one or two switches (automatic or manual scanning), the arrow keys, a
joystick or spoken orders.
.
Orvel types into X11 applications (also under XWayland).")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Libraries come from dpkg-shlibdeps; what the program loads or starts by name is listed here:
# Qt's X11 platform plugin, the espeak-ng reader that reads text files aloud.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, espeak-ng")
# Qt's dialogs in the interface's language, the covers' font, MIDI sounds, opening files and
# the manual in the desktop's programs, and the message shown on a Wayland session.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, fonts-liberation, timgm6mb-soundfont | fluid-soundfont-gm, xdg-utils, qt6-wayland")
# Debian wants stripped programs and files owned by root with ordinary permissions.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
