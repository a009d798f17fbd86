# The Debian package: `cpack -G DEB` in the build folder writes
# vorel_<version>_<arch>.deb, installable with `apt install ./vorel_*.deb`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vorel developers")
set(VOREL_PACKAGE_MAINTAINER "Vorel developers <vorel@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VOREL_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flash-card and quiz program for one learner")
# The extended description; CPack indents it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vorel asks the questions of a data file (.vrf) one after another and judges
the answers: typed, picked from choice buttons, or judged by the learner.
It keeps a right and wrong history for every question, asks weak points
first on request, re-asks the wrong answers and keeps an exam history.

The package also holds vorel-cli, a headless tool over the same data files
for scripts and for studying in a terminal. The user interface is Japanese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link (Qt 6, zlib, utf8proc, SQLite, the C++
# runtime) are found by dpkg-shlibdeps; what is loaded at run time is named
# here: the SVG icon engine, the GStreamer plugins that play videos and
# sounds, the Japanese fonts the screens are drawn with, the fonts Qt falls
# back on for Latin with accents, Greek, Cyrillic, IPA, Korean and Chinese,
# and Qt's own texts in Japanese.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav, fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-dejavu-core, fonts-noto-cjk, qt6-translations-l10n")
# Wayland sessions run Qt programs natively with it (otherwise through X).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
