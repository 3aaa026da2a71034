#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One command for everything: installs what is missing, builds, then plays or tests.
#   bash tools/setup.sh play   build an optimised program and start the game
#   bash tools/setup.sh test   build the debug program and run the whole test suite, then run it
#                              again built with AddressSanitizer and UndefinedBehaviorSanitizer
#   bash tools/setup.sh package  build the Debian package build/release/packages/telmaronda_*.deb
#   bash tools/setup.sh windows  build TELMARONDA.exe for 64-bit Windows and its zip in
#                                build/windows/packages, then play it under Wine in the test
#                                that does so; the first run also builds a static Qt for Windows
#                                (about an hour), kept in a cache for every later run
#   bash tools/setup.sh web      build the game for a browser, its site build/web/site and its zip
#                                in build/web/packages, then play it in Chromium and WebKitGTK in
#                                the tests that do so; the first run also builds a static Qt for
#                                WebAssembly (about half an hour), kept in a cache for every later
#                                run
#   bash tools/setup.sh arm64    cross-build the program for 64-bit ARM Linux against Debian's arm64
#                                Qt (multiarch), run its tests under qemu-aarch64-static and build
#                                build/arm64/packages/telmaronda_*_arm64.deb
# All are safe to run again; the second run only rebuilds what changed.
set -euo pipefail

mode=${1:-play}
case "$mode" in
play | test | package | windows | web | arm64) ;;
*)
    echo "usage: bash tools/setup.sh [play|test|package|windows|web|arm64]" >&2
    exit 2
    ;;
esac

cd "$(dirname "$0")/.."

# Debian packages the build needs (qt6-base-dev brings Qt Core, Gui, Widgets, Test and the
# offscreen platform the tests run on; the crossword window and the tests use Qt's private GUI
# headers; fontconfig's headers let the program give Qt a catalogue of its own fonts).
packages=(cmake g++ make qt6-base-dev qt6-base-private-dev qt6-translations-l10n libfontconfig-dev)
# CPack's Debian generator finds the libraries' packages with dpkg-shlibdeps and file.
case "$mode" in
test | package) packages+=(dpkg-dev file) ;;
# The Windows build: MinGW-w64's compilers and tools, ninja, xz and Perl (Qt's header generator)
# for building Qt from Debian's qtbase sources, and Wine with an X server and window manager for
# the test that plays the exe.
windows) packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build
    xz-utils perl wine wine64 xvfb xauth openbox xdotool x11-utils) ;;
# The arm64 build: the aarch64 compilers, Debian's arm64 Qt beside this machine's (whose moc, rcc
# and uic it uses), and the emulator that runs the tests.
arm64) packages+=(dpkg-dev file g++-aarch64-linux-gnu qt6-base-dev:arm64 qt6-base-private-dev:arm64
    libxkbcommon-dev:arm64 libfontconfig-dev:arm64 qemu-user-static) ;;
esac
# The browser build: Debian's emscripten and Node, ninja, xz and Perl for building Qt from Debian's
# qtbase sources, Chromium with its driver, Selenium and Pillow for the tests that play the page, and
# WebKitGTK's driver (Safari's engine) with Xvfb for the one that plays it there too.
# The test command builds it too where this machine has built the static Qt for WebAssembly before.
web_packages=(emscripten nodejs ninja-build xz-utils perl python3-fonttools
    chromium chromium-driver python3-selenium python3-pil webkit2gtk-driver xvfb)
wasm_qt_built() {
    [ -f "$(bash tools/wasm/build-qt.sh --prefix 2>/dev/null)/.complete" ]
}
if [ "$mode" = web ]; then
    packages+=(qt6-base-private-dev "${web_packages[@]}")
elif [ "$mode" = test ] && wasm_qt_built; then
    packages+=("${web_packages[@]}")
fi
# And the tools some tests check with: the desktop entry and AppStream validators, the
# clang-format whose formatting the code follows, a windres for the Windows resources, an X
# server with a window manager, and a Wayland compositor with its tools and Qt's Wayland plug-in,
# for the tests that play the game under them. Where apt does not offer one, the tests that need
# it are reported as skipped. The arm64 build takes only the tools, as its tests leave the desktops
# out.
tool_packages=(desktop-file-utils appstream clang-format-14 binutils-mingw-w64-x86-64)
test_packages=("${tool_packages[@]}"
    xvfb xauth openbox xdotool x11-utils sway grim wtype qt6-wayland libwayland-dev pkg-config)

# apt-get source needs a deb-src entry for the Debian release; it gets a sources file of its own.
source_list=/etc/apt/sources.list.d/telmaronda-deb-src.sources
needs_source_entry() {
    { [ "$mode" = windows ] || [ "$mode" = web ]; } && ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package: qt6-base'
}
write_source_entry() {
    local codename entry uri= suite
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    # The archive this system already installs its release's packages from, as apt is configured,
    # and the name its sources give the release: the codename itself, or a suite such as "stable"
    # whose codename it is. A new system has not read its archives' indexes yet.
    if [ -z "$(apt-get indextargets 'Created-By: Packages')" ]; then
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    fi
    [ -z "$codename" ] || entry=$(apt-get indextargets \
        --format '$(REPO_URI) $(RELEASE) $(CODENAME)' 'Created-By: Packages' \
        | awk -v release="$codename" '$2 == release || $3 == release { print $1, $2; exit }')
    [ -z "${entry:-}" ] || read -r uri suite <<<"$entry"
    if [ -z "$uri" ]; then
        echo "apt installs from no archive for the release '$codename' (VERSION_CODENAME in" \
            "/etc/os-release). Add a deb-src entry with the archive and release of your deb entries" \
            "to apt's sources, run apt-get update, and run this again." >&2
        exit 1
    fi
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\n' "$uri" "$suite" \
        | "${sudo[@]}" tee "$source_list" >/dev/null
    if [ -f /usr/share/keyrings/debian-archive-keyring.gpg ]; then
        echo "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" \
            | "${sudo[@]}" tee -a "$source_list" >/dev/null
    fi
}

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

install_missing() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        for tool in cmake c++; do
            command -v "$tool" >/dev/null 2>&1 || {
                echo "Please install CMake (>= 3.25), a C++20 compiler and Qt 6 (>= 6.4) development files with the private GUI headers." >&2
                exit 1
            }
        done
        return
    fi
    local missing=() optional=()
    for package in "${packages[@]}"; do
        installed "$package" || missing+=("$package")
    done
    local wanted=()
    case "$mode" in
    test) wanted=("${test_packages[@]}") ;;
    arm64) wanted=("${tool_packages[@]}") ;;
    esac
    for package in "${wanted[@]}"; do
        installed "$package" || optional+=("$package")
    done
    local source_entry=false
    needs_source_entry && source_entry=true
    [ ${#missing[@]} -eq 0 ] && [ ${#optional[@]} -eq 0 ] && [ "$source_entry" = false ] && return
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            if [ ${#missing[@]} -eq 0 ] && [ "$source_entry" = false ]; then
                echo "Not installed: ${optional[*]} (apt-get install them as root); the tests that need them will be reported as skipped." >&2
                return
            fi
            echo "Missing packages: ${missing[*]}. Install them as root: apt-get install ${missing[*]} ${optional[*]}" >&2
            [ "$source_entry" = false ] || echo "apt-get source also needs a deb-src entry for Debian's archive ($source_list)." >&2
            exit 1
        fi
    fi
    [ "$source_entry" = false ] || write_source_entry
    # Debian's arm64 packages install beside this machine's once dpkg knows the architecture.
    if [ "$mode" = arm64 ] && ! dpkg --print-foreign-architectures | grep -qx arm64; then
        "${sudo[@]}" dpkg --add-architecture arm64
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    for package in "${optional[@]}"; do
        if apt-cache show "$package" >/dev/null 2>&1; then
            missing+=("$package")
        else
            echo "$package is not available here; the tests that need it will be reported as skipped." >&2
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing ${missing[*]}..."
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

install_missing

jobs=$(nproc 2>/dev/null || echo 2)

if [ "$mode" = play ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release -j"$jobs" --target TELMARONDA
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Built build/release/app/telmaronda, but there is no display to show the game on." >&2
        exit 1
    fi
    exec build/release/app/telmaronda
fi

if [ "$mode" = package ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release -j"$jobs" --target TELMARONDA
    rm -f build/release/packages/*.deb
    cpack --preset release
    exit
fi

# The arm64 build: its tests run under the emulator, except those that need a desktop.
if [ "$mode" = arm64 ]; then
    cmake --preset arm64 >/dev/null
    cmake --build --preset arm64 -j"$jobs"
    ctest --preset arm64 -j"$jobs"
    rm -f build/arm64/packages/*.deb
    cpack --preset arm64
    exit
fi

# TELMARONDA.exe: the static Qt for Windows from the cache (built first when missing), then the
# program and its zip.
build_windows() {
    bash tools/windows/build-qt.sh
    TELMARONDA_WINDOWS_QT=$(bash tools/windows/build-qt.sh --prefix)
    export TELMARONDA_WINDOWS_QT
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j"$jobs" --target TELMARONDA source_digest
    rm -f build/windows/packages/*.zip
    cpack --preset windows
}

# The game for a browser: the static Qt for WebAssembly from the cache (built first when missing),
# then the program, its site and the site's zip.
build_web() (
    # shellcheck source=tools/wasm/emscripten.sh
    source tools/wasm/emscripten.sh
    bash tools/wasm/build-qt.sh
    TELMARONDA_WASM_QT=$(bash tools/wasm/build-qt.sh --prefix)
    export TELMARONDA_WASM_QT
    cmake --preset web >/dev/null
    cmake --build --preset web -j"$jobs"
    rm -f build/web/packages/*.zip
    cpack --preset web
)

if [ "$mode" = web ]; then
    build_web
    cmake --preset dev >/dev/null
    cmake --build --preset dev -j"$jobs" --target webplaces
    ctest --preset dev -R '^web_page_' --output-on-failure
    echo "To play it here: python3 -m http.server --bind 127.0.0.1 --directory build/web/site 8000"
    echo "then open http://127.0.0.1:8000/ in a browser."
    exit
fi

if [ "$mode" = windows ]; then
    build_windows
    cmake --preset dev >/dev/null
    cmake --build --preset dev -j"$jobs" --target tst_wine
    ctest --preset dev -R windows_exe_plays_under_wine --output-on-failure
    exit
fi

# Where this machine has built the static Qt for Windows before, the exe is brought up to date,
# so that the test playing it runs too; elsewhere that test is reported as skipped.
if [ -f "$(bash tools/windows/build-qt.sh --prefix 2>/dev/null)/.complete" ]; then
    echo "== windows build"
    build_windows
fi
# Likewise the browser build, so that the test playing it in Chromium runs.
if wasm_qt_built; then
    echo "== web build"
    build_web
fi

for preset in dev asan; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    ctest --preset "$preset" -j"$jobs"
done
