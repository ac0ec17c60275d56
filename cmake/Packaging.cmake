# SPDX-License-Identifier: MIT
# Installation beyond the program and its help document (installed by app/ and help/), and the
# Debian package. `cmake --install` lays out bin/ and share/ under the prefix; the help viewer
# finds its document through the share/tolvanek/help folder beside bin/.
include(GNUInstallDirs)

set(TOLVANEK_APP_ID io.github.tolvanek.Tolvanek)
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)

# The demo image writer lets someone without the game try an installed editor.
install(TARGETS tolvanek-make-demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The command line is installed here, beside its manual page, and only once it exists, so this
# file works before and after cli/ joins the build. cli/CMakeLists.txt must not install it again,
# and must be added before this file is included.
set(manual_pages tolvanek.1 tolvanek-make-demo.1)
if(TARGET tolvanek-cli)
    install(TARGETS tolvanek-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    list(APPEND manual_pages tolvanek-cli.1)
endif()

# The 16- and 32-pixel pictures are also the program's own window icons; the larger sizes are
# rendered from the SVG once and committed, so the build needs no SVG renderer.
foreach(size 16 32)
    install(FILES ${PROJECT_SOURCE_DIR}/dialogs/icons/tolvanek${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME tolvanek.png)
endforeach()
foreach(size 48 64 128 256)
    install(FILES ${packaging_dir}/icons/tolvanek${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME tolvanek.png)
endforeach()
install(FILES ${packaging_dir}/icons/tolvanek.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(FILES ${packaging_dir}/${TOLVANEK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_dir}/${TOLVANEK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants manual pages and the changelog compressed, and CPack does not compress. -n keeps
# the name and time stamp out of the gzip header, so the package is the same on every build.
# This is a native package (the project packages itself), so its one changelog is changelog.gz.
find_program(TOLVANEK_GZIP gzip REQUIRED)
set(compressed_dir ${CMAKE_BINARY_DIR}/packaging)
set(compressed_files)
function(compress_document source output)
    get_filename_component(output_dir ${output} DIRECTORY)
    get_filename_component(copy ${output} NAME_WLE)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${output_dir}/${copy}
        COMMAND ${TOLVANEK_GZIP} -9nf ${output_dir}/${copy}
        DEPENDS ${source}
        COMMENT "Compressing ${source}"
        VERBATIM)
    set(compressed_files ${compressed_files} ${output} PARENT_SCOPE)
endfunction()

# The manual pages in English (man/) and in Japanese (man/ja/, installed under man/ja/, where man
# looks first for a Japanese locale); both folders hold the same pages.
set(english_pages)
set(japanese_pages)
foreach(page IN LISTS manual_pages)
    compress_document(${packaging_dir}/man/${page} ${compressed_dir}/${page}.gz)
    compress_document(${packaging_dir}/man/ja/${page} ${compressed_dir}/ja/${page}.gz)
    list(APPEND english_pages ${compressed_dir}/${page}.gz)
    list(APPEND japanese_pages ${compressed_dir}/ja/${page}.gz)
endforeach()
compress_document(${packaging_dir}/changelog ${compressed_dir}/changelog.gz)
add_custom_target(package_documents ALL DEPENDS ${compressed_files})

# The default season rules, for the fan to copy beside a sheet and change (the program has them
# built in).
install(FILES ${PROJECT_SOURCE_DIR}/season/season-rules.toml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvanek)
install(FILES ${english_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${japanese_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)

set(package_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tolvanek)
install(FILES ${compressed_dir}/changelog.gz ${packaging_dir}/copyright
        DESTINATION ${package_doc_dir})

# The browser page is taken from the WebAssembly build (TOLVANEK_WEB_PAGE): a desktop build has no
# WebAssembly compiler. Installed when it has been built, which scripts/test-package.sh sees to
# before it packages.
install(FILES ${TOLVANEK_WEB_PAGE} DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvanek/web OPTIONAL)

set(TOLVANEK_MAINTAINER
    "Seed 31b3b580 maintainers <maintainers@users.noreply.c-seed-31b3b580.example>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvanek)
set(CPACK_PACKAGE_VENDOR "Tolvanek maintainers")
set(CPACK_PACKAGE_CONTACT "${TOLVANEK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Team editor for the cartridge image of a 1992-season NES baseball game")
# CPack turns each line into a line of the extended description and an empty line into " .";
# Debian wants those lines within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "TOLVANEK edits, with a Japanese or English user interface, the 16 teams
stored in the iNES cartridge image of a 1992-season professional baseball
game: player names on a kana keyboard, ratings, batting and pitching order
and team colours, with undo and redo, and players copied and pasted as
spreadsheets do.

It saves into the image in place or into a copy, exports a team as CSV or
HTML, the whole league as one CSV file or as an overview page with charts,
compares two images by team, player and column, and makes and applies BPS
and IPS patches. tolvanek-cli does the same from a shell, and
tolvanek-make-demo writes an image with invented teams to try both on.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Independent of the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TOLVANEK_MAINTAINER}")
# An editor of one kind of file, as the hex editors are: not a game itself, so not "games".
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# dpkg-shlibdeps finds the libraries the binaries link. What it cannot see: the xcb platform
# plugin Qt loads to open a window at all, the Japanese font of every text, and Qt's Japanese
# translations, which the program loads at start so that Qt's own texts (the file dialogs, the
# edit boxes' context menus) are Japanese like the rest.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Names in kanji are read with MeCab (libmecab-dev to build) and IPADIC. The program opens
# libmecab2 only when the first kanji is read, so dpkg-shlibdeps does not see it; the dictionary's
# package brings it. Without them everything but those readings works, and the place that wanted
# one names the package: recommended, not required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mecab-ipadic-utf8")
# ゲームで試す and tolvanek-cli play start one of these NES emulators; without one they say so.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fceux | nestopia | mednafen")
include(CPack)
