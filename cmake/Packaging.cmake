# A Debian package of the installed files: cpack -G DEB in the build folder
# (or cmake --build build --target package) makes quillmark_<version>_<arch>.deb.
# Its library dependencies are read from the programs by dpkg-shlibdeps; the
# fonts and the toolkit's Hebrew texts the program looks for are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillmark <support@quillmark.co.il>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the HTML source of Hebrew web pages")
set(CPACK_PACKAGE_DESCRIPTION "A right-to-left editor for the markup of Hebrew web pages: colour-coded
 source, tag palette and wizards, visual and logical Hebrew, preview and FTP publishing.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "culmus, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QM_SITE_ADDRESS}")
include(CPack)
