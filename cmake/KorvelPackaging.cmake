# `cpack -G DEB` in the build folder makes korvel_<version>_<arch>.deb from
# what `cmake --install` lays out. dpkg-shlibdeps reads the Qt and C++
# libraries the programs link and declares them as the package's dependencies.
set(CPACK_PACKAGE_NAME korvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Korvel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor and checker for mIRC scripts")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvel edits mIRC scripts (.mrc and [script] .ini files) and checks every line while you type. \
It comes with korvel-check, the checker on the command line, and korvel-lsp, a language server \
that brings the same checks to other editors.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/korvel-editor/korvel")
set(CPACK_PACKAGE_CONTACT "Korvel developers <korvel@users.noreply.github.com>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Wine runs the mIRC link's helper; without it Korvel works, minus the link.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine64")

include(CPack)
