#!/usr/bin/env bash
# Fails when a C++ file in the repository is not formatted by the committed .clang-format.
set -euo pipefail
cd "$1"
clang_format=$2
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
[ -n "$files" ] || exit 0
# shellcheck disable=SC2086
"$clang_format" --dry-run -Werror $files
