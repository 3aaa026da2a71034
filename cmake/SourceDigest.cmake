# SPDX-License-Identifier: GPL-3.0-or-later
# What a build of the program was made from: a digest of every source file the program, its site
# and its Qt are built from (not the tests, the benchmarks or the documents), kept in a file beside
# the build, <built>.source-digest.
#   cmake -P cmake/SourceDigest.cmake write <built>
#       records the digest of the sources as they are now (web/CMakeLists.txt and app/CMakeLists.txt
#       run it once the site or the exe is built)
#   cmake -P cmake/SourceDigest.cmake check <built> <command that rebuilds it>
#       fails, naming the command, unless <built> was made from the sources as they are now
cmake_minimum_required(VERSION 3.25)
get_filename_component(root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

set(action "${CMAKE_ARGV3}")
set(built "${CMAKE_ARGV4}")
set(rebuild "${CMAKE_ARGV5}")
if(NOT action MATCHES "^(write|check)$" OR built STREQUAL "")
    message(FATAL_ERROR
        "usage: cmake -P SourceDigest.cmake write|check <built> [<command that rebuilds it>]")
endif()
set(stamp "${built}.source-digest")

# Folders and files relative to the root, each file named and digested in the order of its name.
set(sources app assets puzzle ui web cmake tools/fonts tools/picturegen tools/prescale tools/wasm
    tools/static-qt.sh tools/qt-cuts.sh tools/windows/build-qt.sh CMakeLists.txt CMakePresets.json LICENSE)
set(files "")
foreach(source IN LISTS sources)
    if(IS_DIRECTORY "${root}/${source}")
        file(GLOB_RECURSE found RELATIVE "${root}" "${root}/${source}/*")
        list(APPEND files ${found})
    else()
        list(APPEND files "${source}")
    endif()
endforeach()
# An editor's hidden files and Python's caches are nobody's source.
list(FILTER files EXCLUDE REGEX "(^|/)(\\.|__pycache__/)")
list(SORT files)
set(manifest "")
foreach(file IN LISTS files)
    file(SHA256 "${root}/${file}" digest)
    string(APPEND manifest "${digest}  ${file}\n")
endforeach()
string(SHA256 digest "${manifest}")

if(action STREQUAL "write")
    file(WRITE "${stamp}" "${digest}\n")
    return()
endif()
if(NOT EXISTS "${stamp}")
    message(FATAL_ERROR "${built} does not say what it was built from (no ${stamp}); "
        "rebuild it: ${rebuild}")
endif()
file(STRINGS "${stamp}" recorded LIMIT_COUNT 1)
if(NOT recorded STREQUAL digest)
    message(FATAL_ERROR "${built} was built from other sources than these; rebuild it: ${rebuild}")
endif()
