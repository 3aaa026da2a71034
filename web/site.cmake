# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the site folder (web/CMakeLists.txt runs it after each build):
#   cmake -DSITE=<folder> -DPAGE=<index.html.in> -DPAGE_TITLE=<title> -DPROGRAM=<name.js>
#         -DICON=<icon file> -DAPP_ICONS=<folder of the hicolor icons>
#         -DWORKER=<worker.js.in> -DFILES=<files copied as they are> -P site.cmake
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
# The installed app's icons, which the manifest names.
foreach(size 192 512)
    file(COPY_FILE "${APP_ICONS}/${size}x${size}/apps/telmaronda.png" "${SITE}/icon-${size}.png"
        ONLY_IF_DIFFERENT)
endforeach()

# The service worker keeps the files the page needs, under a name made from their digest: each
# changed site is a changed worker, which browsers install in the old one's place.
set(page_files index.html loader.js mirror.js ${program_name}.js ${program_name}.wasm favicon.ico
    manifest.webmanifest icon-192.png icon-512.png)
set(listed "")
set(TELMARONDA_SITE_FILES "'./'")
foreach(file IN LISTS page_files)
    file(SHA256 "${SITE}/${file}" digest)
    string(APPEND listed "${digest}  ${file}\n")
    string(APPEND TELMARONDA_SITE_FILES ", '${file}'")
endforeach()
string(SHA256 TELMARONDA_SITE_DIGEST "${listed}")
configure_file("${WORKER}" "${SITE}/worker.js" @ONLY)
