# Installation beyond the program and its help document (installed by app/ and help/), and the
# Debian package. `cmake --install` lays out bin/ and share/ under the prefix; the help viewer
# finds its document through the share/tolvanek/help folder beside bin/.
include(GNUInstallDirs)

set(TOLVANEK_APP_ID io.github.tolvanek.Tolvanek)

# The demo image writer lets someone without the game try an installed editor.
install(TARGETS tolvanek-make-demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

foreach(size 16 32)
    install(FILES ${PROJECT_SOURCE_DIR}/dialogs/icons/tolvanek${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME tolvanek.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TOLVANEK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TOLVANEK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvanek)
set(CPACK_PACKAGE_VENDOR "Tolvanek maintainers")
set(CPACK_PACKAGE_CONTACT "Tolvanek maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Team editor for the cartridge image of a 1992-season NES baseball game")
set(CPACK_PACKAGE_DESCRIPTION
    "TOLVANEK edits, with a Japanese user interface, the 16 teams stored in the iNES cartridge
image of a 1992-season professional baseball game: player names on a kana keyboard, ratings,
batting and pitching order, team colours, and CSV and HTML export of a team.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tolvanek maintainers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt libraries the program links, the xcb platform plugin it needs to open a window at all,
# and a Japanese font for its texts; dpkg-shlibdeps adds the C and C++ runtime with versions.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6, libqt6gui6, libqt6core6, libqt6core5compat6, qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
