# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build with CPack, then checks what a distribution would:
# file name, control fields, dependencies against the libraries the program links, and contents.
file(REMOVE_RECURSE "${OUTPUT}")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${result}):\n${out}\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

# CPack's Debian generator needs them to work out the dependencies.
foreach(tool IN ITEMS dpkg-shlibdeps file readelf)
    find_program(found_${tool} ${tool})
    if(NOT found_${tool})
        fail("${tool} is missing: install dpkg-dev, file and binutils")
    endif()
endforeach()

# This machine's architecture, unless the build is for another (ARCH).
set(arch "${ARCH}")
if(NOT arch)
    run(dpkg --print-architecture)
    set(arch "${out}")
endif()
run("${CMAKE_COMMAND}" -E env --unset=DESTDIR
    "${CMAKE_CPACK_COMMAND}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUTPUT}")
set(deb "${OUTPUT}/${NAME}_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
    file(GLOB made "${OUTPUT}/*.deb")
    fail("expected ${deb}, CPack made: ${made}")
endif()

# Control fields.
foreach(field_value IN ITEMS "Package=${NAME}" "Version=${VERSION}" "Architecture=${arch}"
        "Section=games" "Recommends=qt6-wayland")
    string(REGEX MATCH "^([^=]*)=(.*)$" _ "${field_value}")
    run(dpkg-deb --field "${deb}" "${CMAKE_MATCH_1}")
    if(NOT out STREQUAL CMAKE_MATCH_2)
        fail("${CMAKE_MATCH_1} is \"${out}\", expected \"${CMAKE_MATCH_2}\"")
    endif()
endforeach()
run(dpkg-deb --field "${deb}" Description)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines extra_lines)
if(extra_lines LESS 2)
    fail("the description has no long part:\n${out}")
endif()

file(MAKE_DIRECTORY "${OUTPUT}/root")
run(dpkg-deb --extract "${deb}" "${OUTPUT}/root")
set(root "${OUTPUT}/root")
set(doc "${root}/usr/share/doc/${NAME}")
foreach(file IN ITEMS "${EXE}" "/usr/share/applications/${APP_ID}.desktop"
        "/usr/share/metainfo/${APP_ID}.metainfo.xml" "/usr/share/man/man6/${NAME}.6.gz"
        "/usr/share/doc/${NAME}/copyright" "/usr/share/doc/${NAME}/changelog.gz"
        "/usr/share/doc/${NAME}/LICENSE" "/usr/share/doc/${NAME}/Quicksand-LICENSE.txt"
        "/usr/share/doc/${NAME}/LiberationSans-LICENSE.txt")
    if(NOT EXISTS "${root}${file}")
        fail("the package lacks ${file}")
    endif()
endforeach()

file(STRINGS "${root}/usr/share/applications/${APP_ID}.desktop" exec_line REGEX "^Exec=")
if(NOT exec_line STREQUAL "Exec=${EXE}")
    fail("the packaged desktop entry starts \"${exec_line}\"")
endif()
file(STRINGS "${doc}/copyright" format LIMIT_COUNT 1)
if(NOT format MATCHES "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
    fail("copyright is not in Debian's machine-readable format: ${format}")
endif()
run(gzip -dc "${doc}/changelog.gz")
if(NOT out MATCHES "^${NAME} \\(${VERSION}\\) ")
    fail("the changelog's first entry is not ${NAME} ${VERSION}")
endif()

# Every hicolor size, and all of them small.
file(GLOB_RECURSE icons "${root}/usr/share/icons/hicolor/*/apps/${APP_ID}.png")
list(LENGTH icons icon_count)
set(icon_bytes 0)
foreach(icon IN LISTS icons)
    file(SIZE "${icon}" size)
    math(EXPR icon_bytes "${icon_bytes} + ${size}")
endforeach()
if(icon_count LESS 8 OR icon_bytes GREATER_EQUAL 40000)
    fail("${icon_count} icons of ${icon_bytes} bytes; expected 8 sizes under 40000 bytes")
endif()

# The Qt libraries the package depends on are exactly those the program links.
run(readelf --dynamic "${root}${EXE}")
string(REGEX MATCHALL "\\[libQt6[A-Za-z]+\\.so\\.6\\]" needed "${out}")
set(linked "")
foreach(library IN LISTS needed)
    string(REGEX REPLACE "^\\[libQt6([A-Za-z]+)\\.so\\.6\\]$" "libqt6\\16" package "${library}")
    string(TOLOWER "${package}" package)
    list(APPEND linked "${package}")
endforeach()
run(dpkg-deb --field "${deb}" Depends)
string(REGEX MATCHALL "libqt6[a-z0-9-]+" depends "${out}")
list(SORT linked)
list(REMOVE_DUPLICATES depends)
list(SORT depends)
if(NOT linked OR NOT linked STREQUAL depends)
    fail("the program links ${linked} but the package depends on ${depends}")
endif()
