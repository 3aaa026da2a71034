#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The start-up benchmark of the Windows build: TELMARONDA.exe's start to its first frame against a
# bare Qt window with the same menu bar built the same way (the static Qt, MinGW-w64), both under
# Wine on one Xvfb with openbox, in pairs whose order alternates, as bench/run.sh measures the
# Linux build. The time is taken on the wall clock, which the Linux driver and the Windows
# programs share, from the driver's start of wine to the frame flushed by the program; Windows has
# no round trip to a display server to add. Also prints the sizes of the exe and of the zip.
# Needs the static Qt for Windows, which `bash tools/setup.sh windows` builds.
#   bash bench/wine.sh [pairs]
set -euo pipefail
cd "$(dirname "$0")/.."

pairs=${1:-31}
TELMARONDA_WINDOWS_QT=$(bash tools/windows/build-qt.sh --prefix)
export TELMARONDA_WINDOWS_QT
[ -f "$TELMARONDA_WINDOWS_QT/.complete" ] || {
    echo "bench/wine.sh needs the static Qt for Windows: bash tools/setup.sh windows" >&2
    exit 1
}
for tool in xvfb-run openbox wine; do
    command -v "$tool" >/dev/null || { echo "bench/wine.sh needs $tool" >&2; exit 1; }
done

cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target bench_floor bench_gamestart TELMARONDA source_digest >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target bench_startup >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One Wine prefix and one Wine server for all runs, made before the first.
export WINEPREFIX=$work/wine
bash tools/windows/wine.sh wineboot --init >/dev/null 2>&1
wineserver -w

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version 2>/dev/null), load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "TELMARONDA.exe: $(stat -c %s build/windows/TELMARONDA.exe) bytes"
for zip in build/windows/packages/*.zip; do
    [ -f "$zip" ] && echo "$(basename "$zip"): $(stat -c %s "$zip") bytes"
done
echo
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    openbox --sm-disable >/dev/null 2>&1 &
    wineserver -p
    build/release/bench/bench_startup --launcher tools/windows/wine.sh \
        build/windows/bench_floor.exe build/windows/bench_gamestart.exe $pairs
    wineserver -k
" | grep -v 'seen by the X server'  # the same as flushed: there is no display server round trip
echo
echo "load at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
