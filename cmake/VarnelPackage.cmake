# `make package`: a Debian package of everything `cmake --install` puts in place,
# for prefix /usr. Depends come from the libraries the programs link
# (dpkg-shlibdeps); the maintainer scripts reload the udev rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Varnel maintainers <varnel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "configuration utility of the Tarvik Q770RGB-PRO keyboard")
set(CPACK_PACKAGE_DESCRIPTION
    "Assigns keys, records macros and sets the lighting of the keyboard's three on-board profiles; lives in the system tray.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# udev applies the keyboard's rule; the tray needs nothing more than Qt's own.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "udev")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/packaging/debian/postinst ${CMAKE_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
