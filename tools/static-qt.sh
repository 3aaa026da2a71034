# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a static Qt from Debian's qtbase sources of the same version as the Linux Qt whose moc, rcc
# and uic it uses, and keeps it in a cache outside any build tree. Sourced by the build-qt.sh of
# each platform, which first sets:
#   platform        the cache folder's middle name, e.g. windows-x64
#   options         Qt's configure options
#   cmake_options   CMake options after configure's --
#   named_by        files whose contents, with the version and the options, name the build
# and may define prepare_sources (run in the unpacked sources) and prepare_environment (given the
# folder Qt is installed into).
#   bash tools/<platform>/build-qt.sh            build it unless the cache has it already
#   bash tools/<platform>/build-qt.sh --prefix   print where it is (or will be) installed
# The cache folder's name carries the Qt version and a digest of what names the build, so changing
# any of it builds a new Qt beside the old one. Needs a deb-src entry for Debian's archive and the
# host Qt (`bash tools/setup.sh` sees to both).

# The host's own CMake packages, e.g. /usr/lib/x86_64-linux-gnu/cmake, whatever the architecture.
host_cmake_dir() {
    echo "/usr/lib/$(c++ -print-multiarch)/cmake"
}

# The whole script is read before it runs, so that editing it meanwhile changes nothing.
static_qt_main() {
    local debian_version version digest cache prefix work sources
    # Debian's version of the host Qt, e.g. 6.4.2+dfsg-10, and Qt's own, 6.4.2.
    debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || {
        echo "build-qt.sh: needs Debian's qt6-base-dev" >&2
        exit 1
    }
    version=${debian_version%%[+-]*}
    digest=$({
        printf '%s\n' "$version" "${options[@]}"
        cat "${named_by[@]}"
        if declare -F prepare_sources >/dev/null; then declare -f prepare_sources; fi
    } | sha256sum | cut -c1-10)
    cache=${XDG_CACHE_HOME:-$HOME/.cache}/telmaronda
    prefix=$cache/qt-$version-$platform-static-$digest

    if [ "${1:-}" = --prefix ]; then
        echo "$prefix"
        return
    fi
    if [ -f "$prefix/.complete" ]; then
        echo "Static Qt $version for $platform: $prefix (cached)"
        return
    fi

    # The sources and the build take a few GB; they go once Qt is installed, or the build failed.
    work=$cache/work-$digest
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    # shellcheck disable=SC2064 # the folder's name is fixed now; the variable is gone at exit
    trap "rm -rf '$work'" EXIT
    cd "$work"

    echo "== Static Qt $version for $platform: getting Debian's qt6-base $debian_version sources"
    # Only the upstream tarball is used; Debian's own patches are for its Linux build.
    apt-get source --download-only "qt6-base=$debian_version" 2>&1 \
        | grep -v '^W: Download is performed unsandboxed'
    tar -xf qt6-base_"$version"*.orig.tar.xz
    sources=$work/qtbase-everywhere-src-$version
    if declare -F prepare_sources >/dev/null; then (cd "$sources" && prepare_sources); fi
    if declare -F prepare_environment >/dev/null; then prepare_environment "$prefix"; fi

    echo "== Static Qt $version for $platform: configuring into $prefix"
    mkdir build
    cd build
    nice -n 19 "$sources/configure" -prefix "$prefix" "${options[@]}" -- -G Ninja \
        -DQT_HOST_PATH_CMAKE_DIR="$(host_cmake_dir)" "${cmake_options[@]}"

    echo "== Static Qt $version for $platform: building, at the lowest priority"
    nice -n 19 cmake --build . --parallel "$(nproc 2>/dev/null || echo 2)"
    nice -n 19 cmake --install .
    touch "$prefix/.complete"
    echo "Static Qt $version for $platform: $prefix"
}
