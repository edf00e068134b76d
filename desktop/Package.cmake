# The Debian package: `cmake --build build --target package` makes vartel_<version>_amd64.deb of what
# `cmake --install` puts under /usr. The version is the project's; the dependencies are those dpkg-shlibdeps
# finds in the two programs, and the fonts the pictures and the window are drawn with.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vartel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vartel developers")
set(CPACK_PACKAGE_CONTACT "Vartel developers <vartel@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://example.org/vartel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "island population simulation for the classroom")
# Lines of at most 80 characters, as the package tools show them.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Vartel simulates the population of a large island over 3000 years, one year"
  "at a time. Students pick a scenario, set the birth index, the mortality and"
  "the migration, and watch the population graph with its danger zones, the"
  "population pyramid, the island map with its houses and a bulletin board"
  "that announces important moments."
  ""
  "They can set off an epidemic, a one-child policy or an immigration wave,"
  "look back at any past year, and save pictures and the whole run as a table."
  "The package also holds vartel-batch, which runs the same model from the"
  "command line for worksheets and scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# Qt's own texts in the file and print dialogs, in Dutch where the windows are Dutch.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
