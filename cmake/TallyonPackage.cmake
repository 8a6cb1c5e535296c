# The Debian package: `cpack -G DEB` in the build folder (or the target
# `package`) makes build/tallyon_<version>_<arch>.deb from the install rules.
# Its dependencies are read from the installed programs by dpkg-shlibdeps;
# added to them are what the programs load without linking it: the toolkit's
# platform plugins and the typeface the windows are laid out with.
tallyon_product_version(TALLYON_PRODUCT_VERSION)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyon)
set(CPACK_PACKAGE_VERSION ${TALLYON_PRODUCT_VERSION})
set(CPACK_PACKAGE_VENDOR Corvane)
set(CPACK_PACKAGE_CONTACT "Corvane <${TALLYON_SUPPORT_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small and fast desktop calculator")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Tallyon is a small, fast desktop calculator: one window with a value display,\n"
  "a memory display and 27 keys, worked by mouse, keyboard and clipboard. It\n"
  "calculates in 80-bit extended precision and turns every overflow, division\n"
  "by zero and out-of-domain argument into a plain error message.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/TallyonPackageStrip.cmake)
set(CPACK_TALLYON_STRIP ${CMAKE_STRIP})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TALLYON_HOME_PAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qt6-wayland: in a Wayland session without an X server, Qt aborts when it
# has no Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, fonts-dejavu-core")
# Qt's own translations of its standard texts, beside Tallyon's.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
