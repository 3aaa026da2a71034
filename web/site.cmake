# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the site folder (web/CMakeLists.txt runs it after each build):
#   cmake -DSITE=<folder> -DPAGE=<index.html.in> -DPAGE_TITLE=<title> -DPROGRAM=<name.js>
#         -DICON=<icon file> -DFILES=<files copied as they are> -P site.cmake
cmake_minimum_required(VERSION 3.25)
get_filename_component(program_dir "${PROGRAM}" DIRECTORY)
get_filename_component(program_name "${PROGRAM}" NAME_WE)
set(wasm "${program_dir}/${program_name}.wasm")
file(SIZE "${wasm}" TELMARONDA_WASM_BYTES)
set(TELMARONDA_PAGE_TITLE "${PAGE_TITLE}")
set(TELMARONDA_PROGRAM "${program_name}")
file(MAKE_DIRECTORY "${SITE}")
configure_file("${PAGE}" "${SITE}/index.html" @ONLY)
file(COPY "${PROGRAM}" "${wasm}" ${FILES} DESTINATION "${SITE}")
file(COPY_FILE "${ICON}" "${SITE}/favicon.ico" ONLY_IF_DIFFERENT)
