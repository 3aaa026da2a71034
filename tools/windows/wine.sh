#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine, quietly and without asking for anything (bench/wine.sh runs
# TELMARONDA.exe with it).
#   bash tools/windows/wine.sh PROGRAM.exe [ARGUMENTS...]
# WINEPREFIX, when set, names the Wine prefix to use; otherwise one kept in the cache.
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/telmaronda/wine}
# No Wine debugging output, no offer to install Mono or Gecko, no menu entries on the desktop.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
mkdir -p "$(dirname "$WINEPREFIX")"
exec wine "$@"
