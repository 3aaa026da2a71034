#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A static Qt for WebAssembly, built with Debian's emscripten (tools/static-qt.sh does the work).
#   bash tools/wasm/build-qt.sh            build it unless the cache has it already
#   bash tools/wasm/build-qt.sh --prefix   print where it is (or will be) installed
# Needs emscripten, Debian's nodejs and ninja too (`bash tools/setup.sh web`). Takes about twenty
# minutes on two cores.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/qt-cuts.sh
source "$here/../qt-cuts.sh"

platform=wasm
options=(
    -release -static -xplatform wasm-emscripten -qt-host-path /usr
    -nomake examples -nomake tests
    # A browser tab runs one thread.
    -no-feature-thread
    -qt-zlib -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-pcre -qt-freetype
    # The game reads no network, database, XML or GIF. Qt's browser platform draws through WebGL,
    # so OpenGL stays.
    -no-dbus -no-icu -no-gif -no-zstd
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-printsupport
    -no-feature-concurrent -no-feature-testlib
    # Built for size, and without what the game never uses (tools/qt-cuts.sh).
    -optimize-size "${game_cuts[@]}" "${fusion_only_cuts[@]}"
)
named_by=("$here/emscripten.sh")
cmake_options=(-DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Qt's browser platform builds in three fonts of its own; the game draws only in the fonts it
# bundles, so they would be a megabyte of download for nothing.
prepare_sources() {
    local plugin=src/plugins/platforms/wasm/CMakeLists.txt
    sed -i '/^qt_internal_add_resource(QWasmIntegrationPlugin "wasmfonts"/,/^)/d' "$plugin"
    ! grep -q '"wasmfonts"' "$plugin"
}

# Qt's configure, and Qt's CMake functions when a program is built, look for an emscripten SDK: a
# folder with a .emscripten file naming where emscripten is inside it. Debian's emscripten lives in
# /usr, so the folder is made of links, kept beside Qt (the web preset names it).
prepare_environment() {
    local sdk=$1/emsdk
    mkdir -p "$sdk/upstream/emscripten"
    printf "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'\n" >"$sdk/.emscripten"
    ln -s "$(command -v emcc)" "$sdk/upstream/emscripten/emcc"
    ln -s /usr/share/emscripten/cmake "$sdk/upstream/emscripten/cmake"
    export EMSDK=$sdk
}

# shellcheck source=tools/wasm/emscripten.sh
source "$here/emscripten.sh"
# shellcheck source=tools/static-qt.sh
source "$here/../static-qt.sh"
static_qt_main "$@"
exit
