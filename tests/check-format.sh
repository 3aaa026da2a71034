#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file in the repository is not formatted by the committed .clang-format, or
# does not start with its licence line.
set -euo pipefail
cd "$1"
clang_format=$2
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
[ -n "$files" ] || exit 0
# shellcheck disable=SC2086
"$clang_format" --dry-run -Werror $files
# Each of them also opens with its licence line.
status=0
for file in $files; do
    head -n 1 "$file" | grep -q '^// SPDX-License-Identifier: ' || {
        echo "$file: the first line is not its SPDX-License-Identifier line" >&2
        status=1
    }
done
exit $status
