# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks that desktops find the program there: the
# binary, the desktop entry, the metainfo and the icon in every size, all under one name. With
# VALIDATE, it checks the installed desktop entry with that validator instead.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result
    OUTPUT_QUIET
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${errors}")
endif()

set(desktop "${PREFIX}/share/applications/${APP_ID}.desktop")
set(metainfo "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml")

# With VALIDATE, only the installed desktop entry is checked, by desktop-file-validate.
if(VALIDATE)
    execute_process(COMMAND "${VALIDATE}" "${desktop}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${desktop} is not a valid desktop entry")
    endif()
    return()
endif()

foreach(file IN ITEMS "${PREFIX}/${EXE}" "${desktop}" "${metainfo}")
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
if(NOT icon_line STREQUAL "Icon=${APP_ID}")
    message(FATAL_ERROR "the desktop entry names the icon \"${icon_line}\"")
endif()
file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
# The full path, so that the entry works whether or not the prefix's folder is on PATH
# (quoted where the path has blanks).
if(NOT exec_line STREQUAL "Exec=${PREFIX}/${EXE}" AND NOT exec_line STREQUAL "Exec=\"${PREFIX}/${EXE}\"")
    message(FATAL_ERROR "the desktop entry starts \"${exec_line}\"")
endif()

file(READ "${metainfo}" xml)
foreach(wanted IN ITEMS "<id>${APP_ID}</id>"
        "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
    string(FIND "${xml}" "${wanted}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the metainfo lacks ${wanted}")
    endif()
endforeach()

file(GLOB sizes RELATIVE "${ICON_SOURCE}" "${ICON_SOURCE}/*")
list(LENGTH sizes count)
if(count EQUAL 0)
    message(FATAL_ERROR "no icon sizes under ${ICON_SOURCE}")
endif()
foreach(size IN LISTS sizes)
    set(icon "${PREFIX}/share/icons/hicolor/${size}/apps/${APP_ID}.png")
    if(NOT EXISTS "${icon}")
        message(FATAL_ERROR "icon not installed: ${icon}")
    endif()
endforeach()
