# The Debian package (`cpack -G DEB` in the build folder): the program under /opt/vireska with a starter
# that runs it in the user's ~/Vireska, the menu entry and the icon.

install(TARGETS Vireska RUNTIME DESTINATION opt/vireska)
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/vireska-start DESTINATION opt/vireska)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vireska.desktop DESTINATION usr/share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/pictures/program-icon.png
        DESTINATION usr/share/icons/hicolor/256x256/apps RENAME vireska.png)

# The packages the program needs beside the libraries it links (those dpkg-shlibdeps finds by itself) are
# named once, in scripts/packages.sh.
file(READ ${PROJECT_SOURCE_DIR}/scripts/packages.sh VIRESKA_PACKAGE_SCRIPT)
string(REGEX MATCH "VIRESKA_RUNTIME_PACKAGES=\\(([^)]*)\\)" VIRESKA_RUNTIME_MATCH "${VIRESKA_PACKAGE_SCRIPT}")
string(REGEX REPLACE "[ \t\r\n]+" ";" VIRESKA_RUNTIME_PACKAGES "${CMAKE_MATCH_1}")
list(REMOVE_ITEM VIRESKA_RUNTIME_PACKAGES "")
list(JOIN VIRESKA_RUNTIME_PACKAGES ", " VIRESKA_RUNTIME_DEPENDS)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vireska)
set(CPACK_PACKAGE_VENDOR Vireska)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Logiciel de gestion médicale")
set(CPACK_PACKAGE_DESCRIPTION "Vireska tient les dossiers médicaux d'un cabinet : patients, actes datés, \
ordonnances, certificats, rendez-vous, règlements, journaux, sauvegarde et restauration.")
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vireska <vireska@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${VIRESKA_RUNTIME_DEPENDS}")
include(CPack)
