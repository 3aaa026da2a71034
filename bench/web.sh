#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser build's download and start-up against a floor built the same way (bench/web.py).
# Needs the static Qt for WebAssembly that `bash tools/setup.sh web` builds.
#   bash bench/web.sh [start-up pairs]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/wasm/emscripten.sh
source tools/wasm/emscripten.sh
TELMARONDA_WASM_QT=$(bash tools/wasm/build-qt.sh --prefix)
[ -f "$TELMARONDA_WASM_QT/.complete" ] || {
    echo "bench/web.sh needs the static Qt for WebAssembly: bash tools/setup.sh web" >&2
    exit 1
}
export TELMARONDA_WASM_QT
cmake --preset web >/dev/null
cmake --build --preset web -j"$(nproc)" --target site bench_sites >/dev/null
exec /usr/bin/python3 bench/web.py build/web/site build/web/bench/game build/web/bench/floor "$@"
