#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A static Qt for 64-bit Windows, cross-built once from Debian's qtbase sources of the same version
# as the Linux Qt whose moc, rcc and uic it uses, and kept in a cache outside any build tree.
#   bash tools/windows/build-qt.sh            build it unless the cache has it already
#   bash tools/windows/build-qt.sh --prefix   print where it is (or will be) installed
# The cache folder's name carries the Qt version and a digest of the options and the toolchain
# file, so changing either builds a new Qt beside the old one. Needs a deb-src entry for Debian's
# archive, the MinGW-w64 compilers, ninja and the host Qt (`bash tools/setup.sh windows` sees to
# all of them). Takes most of an hour on two cores.
set -euo pipefail

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

# The whole script is read before it runs, so that editing it meanwhile changes nothing.
main() {
    local here root toolchain debian_version version digest cache prefix work sources
    here=$(cd "$(dirname "$0")" && pwd)
    root=$(cd "$here/../.." && pwd)
    toolchain=$root/cmake/mingw-w64-x86_64.cmake

    # Debian's version of the host Qt, e.g. 6.4.2+dfsg-10, and Qt's own, 6.4.2.
    debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || {
        echo "build-qt.sh: needs Debian's qt6-base-dev" >&2
        exit 1
    }
    version=${debian_version%%[+-]*}
    digest=$({
        printf '%s\n' "$version" "${options[@]}"
        cat "$toolchain"
    } | sha256sum | cut -c1-10)
    cache=${XDG_CACHE_HOME:-$HOME/.cache}/telmaronda
    prefix=$cache/qt-$version-windows-x64-static-$digest

    if [ "${1:-}" = --prefix ]; then
        echo "$prefix"
        return
    fi
    if [ -f "$prefix/.complete" ]; then
        echo "Static Qt $version for Windows: $prefix (cached)"
        return
    fi

    # The sources and the build take 2.3 GB; they go once Qt is installed, or the build failed.
    work=$cache/work-$digest
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    # shellcheck disable=SC2064 # the folder's name is fixed now; the variable is gone at exit
    trap "rm -rf '$work'" EXIT
    cd "$work"

    echo "== Static Qt $version for Windows: getting Debian's qt6-base $debian_version sources"
    # Only the upstream tarball is used; Debian's own patches are for its Linux build.
    apt-get source --download-only "qt6-base=$debian_version" 2>&1 \
        | grep -v '^W: Download is performed unsandboxed'
    tar -xf qt6-base_"$version"*.orig.tar.xz
    sources=$work/qtbase-everywhere-src-$version

    echo "== Static Qt $version for Windows: configuring into $prefix"
    mkdir build
    cd build
    nice -n 19 "$sources/configure" -prefix "$prefix" "${options[@]}" -- \
        -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake

    echo "== Static Qt $version for Windows: building, at the lowest priority"
    nice -n 19 cmake --build . --parallel "$(nproc 2>/dev/null || echo 2)"
    nice -n 19 cmake --install .
    touch "$prefix/.complete"
    echo "Static Qt $version for Windows: $prefix"
}

main "$@"
exit
