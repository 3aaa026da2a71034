# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's emscripten runs its compiler driver with Debian's Python and its JavaScript tools with
# Debian's Node modules, also where another Python or Node comes first on PATH. Sourced by the
# scripts that build for the browser.
export EMSDK_PYTHON=/usr/bin/python3
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
