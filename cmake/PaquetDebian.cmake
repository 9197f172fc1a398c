# `make package` (or `cpack` in the build folder): a Debian package of the installed tree.
# Packaging and installing take the game as built (`make package` builds it first), without
# building the tests too.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME verlo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "L'équipe VERLO <verlo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "French word game: find hidden words of five letters")
set(CPACK_PACKAGE_DESCRIPTION "VERLO is a word game in French for one or two players sharing \
one screen: find hidden words of five letters, marked letter by letter, in five timed attempts.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# The libraries the program links come from dpkg-shlibdeps; what it needs at run time
# without linking it is named here: Qt's sound output and its back-ends, Qt's French
# dialog texts, and the game's font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6multimedia6, qt6-translations-l10n, fonts-liberation2")
include(CPack)
