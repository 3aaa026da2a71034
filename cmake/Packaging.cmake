# SPDX-License-Identifier: GPL-3.0-or-later
# Licences, documentation and packages of the game.
#   Linux:   cpack -G DEB (or cpack --preset release) makes telmaronda_<version>_<arch>.deb
#   Windows: cpack -G ZIP makes telmaronda-<version>-windows-x64.zip, a folder with the
#            self-contained TELMARONDA.exe, the licences and LEEME.txt (tools/setup.sh windows)
#   Browser: cpack -G ZIP makes telmaronda-<version>-web.zip, the site folder (web/)
include(GNUInstallDirs)

# Installing and packaging take the build as it is, so that a package needs only the program and
# its documents built (cmake --build --target TELMARONDA packaging_docs), not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(TELMARONDA_MAINTAINER "The ${PROJECT_NAME} developers <telmaronda@users.noreply.github.com>")

# The program's licence and the bundled fonts' licences, side by side.
set(TELMARONDA_LICENCES
    "${PROJECT_SOURCE_DIR}/LICENSE"
    "${PROJECT_SOURCE_DIR}/assets/fonts/LiberationSans-LICENSE.txt"
    "${PROJECT_SOURCE_DIR}/assets/fonts/Quicksand-LICENSE.txt")
if(EMSCRIPTEN)
    set(TELMARONDA_DOCDIR .)
elseif(WIN32)
    set(TELMARONDA_DOCDIR .)
    # What a player who opens the folder reads first, in Spanish.
    configure_file(packaging/LEEME.txt.in "${PROJECT_BINARY_DIR}/packaging/LEEME.txt" @ONLY
        NEWLINE_STYLE CRLF)
    install(FILES "${PROJECT_BINARY_DIR}/packaging/LEEME.txt" DESTINATION .)
else()
    set(TELMARONDA_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/${TELMARONDA_EXE_NAME}")
endif()
install(FILES ${TELMARONDA_LICENCES} DESTINATION "${TELMARONDA_DOCDIR}")

if(UNIX AND NOT APPLE AND NOT EMSCRIPTEN)
    # Debian's copyright file, the changelog and the man page, filled in from the project. The
    # copyright file takes the fonts' licence text from the licence file that came with them.
    file(READ "${PROJECT_SOURCE_DIR}/assets/fonts/Quicksand-LICENSE.txt" quicksand_licence)
    string(REGEX MATCH "\nLicense: OFL-1\\.1(\n [^\n]*)+" TELMARONDA_OFL_PARAGRAPH
        "${quicksand_licence}")
    string(STRIP "${TELMARONDA_OFL_PARAGRAPH}" TELMARONDA_OFL_PARAGRAPH)
    string(TOUPPER "${TELMARONDA_EXE_NAME}" TELMARONDA_MAN_TITLE)
    set(docs "${PROJECT_BINARY_DIR}/packaging")
    configure_file(packaging/copyright.in "${docs}/copyright" @ONLY)
    configure_file(packaging/changelog.in "${docs}/changelog" @ONLY)
    configure_file(packaging/telmaronda.6.in "${docs}/${TELMARONDA_EXE_NAME}.6" @ONLY)

    # Debian wants both compressed at the highest level, without a time stamp.
    find_program(GZIP_PROGRAM gzip REQUIRED)
    set(compressed "")
    foreach(doc IN ITEMS changelog ${TELMARONDA_EXE_NAME}.6)
        add_custom_command(OUTPUT "${docs}/${doc}.gz"
            COMMAND "${GZIP_PROGRAM}" -9nf -k "${docs}/${doc}"
            DEPENDS "${docs}/${doc}"
            VERBATIM)
        list(APPEND compressed "${docs}/${doc}.gz")
    endforeach()
    add_custom_target(packaging_docs ALL DEPENDS ${compressed})
    add_dependencies(${PROJECT_NAME} packaging_docs)

    # A stripped install (packages are) also drops the compiler's notes, as Debian's dh_strip does.
    if(CMAKE_OBJCOPY)
        install(CODE "
            if(CMAKE_INSTALL_DO_STRIP)
                execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TELMARONDA_INSTALL_GAMESDIR}/${TELMARONDA_EXE_NAME}\"
                    COMMAND_ERROR_IS_FATAL ANY)
            endif()
        ")
    endif()

    install(FILES "${docs}/copyright" "${docs}/changelog.gz" DESTINATION "${TELMARONDA_DOCDIR}")

    # The icon in every size it is drawn in, called after the application id.
    file(GLOB icon_sizes LIST_DIRECTORIES true RELATIVE "${PROJECT_SOURCE_DIR}/assets/icons/hicolor"
        "${PROJECT_SOURCE_DIR}/assets/icons/hicolor/*")
    foreach(size IN LISTS icon_sizes)
        set(icon "${PROJECT_SOURCE_DIR}/assets/icons/hicolor/${size}/apps/telmaronda.png")
        if(EXISTS "${icon}")
            install(FILES "${icon}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps
                RENAME ${TELMARONDA_APP_ID}.png)
        endif()
    endforeach()
    install(FILES "${docs}/${TELMARONDA_EXE_NAME}.6.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
endif()

set(CPACK_PACKAGE_NAME "${TELMARONDA_EXE_NAME}")
set(CPACK_PACKAGE_VENDOR "The ${PROJECT_NAME} developers")
set(CPACK_PACKAGE_CONTACT "${TELMARONDA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "crossword puzzle game in Spanish: EL INTERNADO")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "${PROJECT_NAME} is a small crossword game for one player with a Spanish"
    "interface: one fixed puzzle of twelve words over 64 letter cells, about"
    "the story EL INTERNADO. Ticking a clue checks its word; the game answers"
    "MUY BIEN or MUY MAL and shows the word's picture beside the grid."
    ""
    "Everything is built into the program: it takes no options, reads no files"
    "and keeps no settings.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/")

if(EMSCRIPTEN)
    set(CPACK_GENERATOR ZIP)
    string(TOLOWER "${PROJECT_NAME}-${PROJECT_VERSION}-web" CPACK_PACKAGE_FILE_NAME)
elseif(WIN32)
    # The program links Qt statically: the folder needs nothing but the program and its documents.
    set(CPACK_GENERATOR ZIP)
    string(TOLOWER "${PROJECT_NAME}-${PROJECT_VERSION}-windows-x64" CPACK_PACKAGE_FILE_NAME)
else()
    set(CPACK_GENERATOR DEB)
    # Install with DESTDIR, so that the files see the real prefix (/usr): the desktop entry
    # names the program by its full path.
    set(CPACK_SET_DESTDIR ON)
    set(CPACK_INSTALL_PREFIX /usr)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Qt's Wayland plug-in, so that a Wayland desktop shows the game itself, sharp at any scale,
    # rather than through XWayland; X11 needs nothing more.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TELMARONDA_MAINTAINER}")
endif()

include(CPack)
