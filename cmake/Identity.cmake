# SPDX-License-Identifier: GPL-3.0-or-later
# The program's identity, written once: its name, version and description come from project(), its
# application id is set here. The files that carry them are generated from the templates in app/:
# the header app/identity.h, the Windows resources with the version block and the icon, the
# AppStream metainfo and the desktop entry. The desktop entry, the metainfo and the installed icon
# are all called after the application id.
include(GNUInstallDirs)

set(TELMARONDA_APP_ID "io.github.telmaronda.Telmaronda")
# On Windows the program is TELMARONDA.exe; elsewhere commands are lower case.
if(WIN32)
    set(TELMARONDA_EXE_NAME "${PROJECT_NAME}")
else()
    string(TOLOWER "${PROJECT_NAME}" TELMARONDA_EXE_NAME)
endif()
# Debian keeps games in /usr/games; the same folder name is used under any other prefix.
set(TELMARONDA_INSTALL_GAMESDIR "games" CACHE STRING "Folder under the prefix for the program (Linux)")

set(identity_dir "${PROJECT_BINARY_DIR}/app")
configure_file(app/identity.h.in "${identity_dir}/identity.h" @ONLY)

# Windows resources. They are generated on every platform, so that any windres can check them;
# the icon is the one the picture list names (TELMARONDA_APPLICATION_ICON, from assets/).
string(REPLACE "." ";" version_parts "${PROJECT_VERSION}.0.0.0")
list(SUBLIST version_parts 0 4 version_parts)
set(TELMARONDA_VERSION_COMMAS "")
foreach(part IN LISTS version_parts)
    math(EXPR part "${part}")
    list(APPEND TELMARONDA_VERSION_COMMAS "${part}")
endforeach()
string(REPLACE ";" "," TELMARONDA_VERSION_COMMAS "${TELMARONDA_VERSION_COMMAS}")
set(TELMARONDA_RC_FILE "${identity_dir}/telmaronda.rc")
configure_file(app/telmaronda.rc.in "${TELMARONDA_RC_FILE}" @ONLY)

if(UNIX AND NOT APPLE AND NOT EMSCRIPTEN)
    # AppStream metainfo. Its screenshots are copies of the golden references under
    # assets/screenshots/, served from the repository at the release's tag.
    string(REGEX REPLACE "\\.[^.]*$" "" TELMARONDA_DEVELOPER_ID "${TELMARONDA_APP_ID}")
    set(TELMARONDA_SCREENSHOT_URL
        "${PROJECT_HOMEPAGE_URL}/raw/v${PROJECT_VERSION}/assets/screenshots")
    set(TELMARONDA_METAINFO_FILE "${identity_dir}/${TELMARONDA_APP_ID}.metainfo.xml")
    configure_file(app/telmaronda.metainfo.xml.in "${TELMARONDA_METAINFO_FILE}" @ONLY)
    install(FILES "${TELMARONDA_METAINFO_FILE}" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # Desktop entry. It starts the program by its full installed path, so that it works from any
    # prefix, also one whose games folder is not on PATH. That path is only known when installing
    # (cmake --install --prefix, or /usr inside the Debian package), so the entry is written then,
    # from the template filled in with everything else now.
    set(TELMARONDA_EXEC "@TELMARONDA_EXEC@")
    set(desktop_template "${identity_dir}/desktop-entry.in")
    configure_file(app/telmaronda.desktop.in "${desktop_template}" @ONLY)
    configure_file(cmake/install-desktop-entry.cmake.in "${identity_dir}/install-desktop-entry.cmake"
        @ONLY)
    install(SCRIPT "${identity_dir}/install-desktop-entry.cmake")
endif()
