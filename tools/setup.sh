#!/usr/bin/env bash
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
packages=(cmake g++ make qt6-base-dev qt6-base-private-dev qt6-translations-l10n)

# CPack's Debian generator finds the libraries' packages with dpkg-shlibdeps and file.
if [ "$mode" = package ]; then
    packages+=(dpkg-dev file)
fi

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
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Missing packages: ${missing[*]}. Install them as root: apt-get install ${missing[*]}" >&2
            exit 1
        fi
    fi
    echo "Installing ${missing[*]}..."
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
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
