#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One command for everything: installs what is missing, builds, then plays or tests.
#   bash tools/setup.sh play   build an optimised program and start the game
#   bash tools/setup.sh test   build the debug program and run the whole test suite, then run it
#                              again built with AddressSanitizer and UndefinedBehaviorSanitizer
#   bash tools/setup.sh package  build the Debian package build/release/packages/telmaronda_*.deb
# All are safe to run again; the second run only rebuilds what changed.
set -euo pipefail

mode=${1:-play}
case "$mode" in
play | test | package) ;;
*)
    echo "usage: bash tools/setup.sh [play|test|package]" >&2
    exit 2
    ;;
esac

cd "$(dirname "$0")/.."

# Debian packages the build needs (qt6-base-dev brings Qt Core, Gui, Widgets, Test and the
# offscreen platform the tests run on).
packages=(cmake g++ make qt6-base-dev qt6-translations-l10n)
# The tests switch accessibility on through Qt's private GUI headers; CPack's Debian generator finds
# the libraries' packages with dpkg-shlibdeps and file.
case "$mode" in
test) packages+=(qt6-base-private-dev dpkg-dev file) ;;
package) packages+=(dpkg-dev file) ;;
esac
# And the tools some tests check with: the desktop entry and AppStream validators, the
# clang-format whose formatting the code follows, a windres for the Windows resources, an X
# server with a window manager, and a Wayland compositor with its tools and Qt's Wayland plug-in,
# for the tests that play the game under them. Where apt does not offer one, the tests that need
# it are reported as skipped.
test_packages=(desktop-file-utils appstream clang-format-14 binutils-mingw-w64-x86-64
    xvfb xauth openbox xdotool x11-utils sway grim wtype qt6-wayland)

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

install_missing() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        for tool in cmake c++; do
            command -v "$tool" >/dev/null 2>&1 || {
                echo "Please install CMake (>= 3.25), a C++20 compiler and Qt 6 (>= 6.4) development files." >&2
                exit 1
            }
        done
        return
    fi
    local missing=() optional=()
    for package in "${packages[@]}"; do
        installed "$package" || missing+=("$package")
    done
    if [ "$mode" = test ]; then
        for package in "${test_packages[@]}"; do
            installed "$package" || optional+=("$package")
        done
    fi
    [ ${#missing[@]} -eq 0 ] && [ ${#optional[@]} -eq 0 ] && return
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            if [ ${#missing[@]} -eq 0 ]; then
                echo "Not installed: ${optional[*]} (apt-get install them as root); the tests that need them will be reported as skipped." >&2
                return
            fi
            echo "Missing packages: ${missing[*]}. Install them as root: apt-get install ${missing[*]} ${optional[*]}" >&2
            exit 1
        fi
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

for preset in dev asan; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    ctest --preset "$preset" -j"$jobs"
done
