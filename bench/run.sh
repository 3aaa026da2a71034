#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the optimised program and its benchmarks, runs them all under one Xvfb with a session bus
# of their own, as a desktop session has one, and prints one table.
#   bash bench/run.sh [start-up pairs] [rebuild cycles] [credits runs] [memory cycles] [idle seconds]
# The rebuild is measured in five rounds of [rebuild cycles], each in a new process: where the
# scheduler puts the program and the X server (one core or two) moves that figure by several
# milliseconds on some machines, and a new process may land elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."

startup_pairs=${1:-31}
rebuild_cycles=${2:-40}
credits_runs=${3:-10}
memory_cycles=${4:-2000}
idle_seconds=${5:-10}

for tool in xvfb-run:xvfb dbus-run-session:dbus-daemon; do
    command -v "${tool%%:*}" >/dev/null \
        || { echo "bench/run.sh needs ${tool%%:*} (Debian package ${tool##*:})" >&2; exit 1; }
done

cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" \
    --target bench_floor bench_gamestart bench_sequence bench_startup bench_idle >/dev/null

bin=build/release/bench
export QT_QPA_PLATFORM=xcb
# Without a session bus, Qt would try to start one for every program it runs.
unset DBUS_SESSION_BUS_ADDRESS
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c "
    echo \"machine: \$(nproc) cores, \$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), Qt \$(qtpaths6 --qt-version 2>/dev/null || echo 6), load: \$(cut -d' ' -f1-3 /proc/loadavg)\"
    echo
    $bin/bench_startup $bin/bench_floor $bin/bench_gamestart $startup_pairs
    echo
    for round in 1 2 3 4 5; do $bin/bench_sequence rebuild $rebuild_cycles; done
    $bin/bench_sequence credits $credits_runs
    echo
    $bin/bench_sequence memory $memory_cycles
    echo
    $bin/bench_idle 1000000 $idle_seconds
    echo
    echo \"load at the end: \$(cut -d' ' -f1-3 /proc/loadavg)\"
" 2> >(grep -v -e XDG_RUNTIME_DIR -e "Failed to set fd limit" >&2)
