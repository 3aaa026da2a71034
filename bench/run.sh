#!/usr/bin/env bash
# Builds the optimised program and its benchmarks, runs them all under Xvfb, and prints one table.
#   bash bench/run.sh [start-up runs] [rebuild cycles] [credits runs]
set -euo pipefail
cd "$(dirname "$0")/.."

startup_runs=${1:-21}
rebuild_cycles=${2:-100}
credits_runs=${3:-10}

command -v xvfb-run >/dev/null || { echo "bench/run.sh needs xvfb-run (Debian package xvfb)" >&2; exit 1; }

cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target bench_floor bench_gamestart bench_sequence bench_startup >/dev/null

bin=build/release/bench
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    echo \"machine: \$(nproc) cores, \$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), Qt \$(qtpaths6 --qt-version 2>/dev/null || echo 6)\"
    echo
    $bin/bench_startup $bin/bench_floor $bin/bench_gamestart $startup_runs
    echo
    $bin/bench_sequence rebuild $rebuild_cycles
    $bin/bench_sequence credits $credits_runs
" 2> >(grep -v XDG_RUNTIME_DIR >&2)
