#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A static Qt for 64-bit Windows, cross-built with MinGW-w64 (tools/static-qt.sh does the work).
#   bash tools/windows/build-qt.sh            build it unless the cache has it already
#   bash tools/windows/build-qt.sh --prefix   print where it is (or will be) installed
# Needs the MinGW-w64 compilers and ninja too (`bash tools/setup.sh windows`). Takes most of an hour
# on two cores.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

platform=windows-x64
options=(
    -release -static -static-runtime -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests
    # Everything Qt would otherwise take from the system is built in from its own sources.
    -qt-zlib -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-pcre -qt-freetype
    # The game draws with QPainter only and reads no network, database, XML or GIF.
    -no-opengl -no-feature-vulkan -no-dbus -no-icu -no-gif -no-zstd
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-printsupport
    -no-feature-concurrent -no-feature-testlib
    # Debian's sources leave out wintab, which tablet events need.
    -no-feature-tabletevent
    # The game's text is drawn by FreeType as on Linux, so neither Direct2D nor DirectWrite is
    # needed. (Leaving out Direct2D alone does not link in Qt 6.4: the Windows platform plug-in
    # then still asks for the DirectWrite 3 font database, which is only built with Direct2D.)
    -no-feature-direct2d -no-feature-directwrite
)
named_by=("$here/../../cmake/mingw-w64-x86_64.cmake")
cmake_options=(-DCMAKE_TOOLCHAIN_FILE="${named_by[0]}")

# shellcheck source=tools/static-qt.sh
source "$here/../static-qt.sh"
static_qt_main "$@"
exit
