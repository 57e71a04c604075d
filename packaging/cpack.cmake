# The Debian package (cmake --build build --target package), from the install rules in
# packaging/CMakeLists.txt. Included from the top so that include(CPack) sees these settings.
find_program(DPKG_PROGRAM dpkg)
if(DPKG_PROGRAM)
  execute_process(COMMAND ${DPKG_PROGRAM} --print-architecture OUTPUT_VARIABLE TESSALY_DEB_ARCH
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
else()
  set(TESSALY_DEB_ARCH amd64)
endif()
set(TESSALY_DEB_FILE tessaly_${PROJECT_VERSION}_${TESSALY_DEB_ARCH}.deb)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tessaly developers <tessaly@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "report edit and print utility")
set(CPACK_PACKAGE_DESCRIPTION
    "Designs of reports and barcode labels, filled from data files, previewed, printed and\nexported (PDF, RTF, Word, HTML, spreadsheet, pictures). Includes the command-line tool tessaly-cli\nand the mail utility ZelUtlMail.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME ${TESSALY_DEB_FILE})
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${TESSALY_DEB_ARCH})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries give the rest of Depends (libxlsxwriter4 for the spreadsheet output among
# them, checked by tests/package/check-package); these are programs and files we only call or read.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libqt6svg6 holds the plugins that draw our SVG icons; nothing links it, so shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, xdg-utils, fonts-liberation")
# Word output converts through LibreOffice; everything else works without it. Qt's translations
# give the standard buttons and file dialogs in Russian and Turkish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-writer-nogui, qt6-translations-l10n")

include(CPack)
