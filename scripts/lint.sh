#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Holds the tree to the house rules: every C++ file formatted as .clang-format says, every file with its copyright
# and licence (reuse lint), and every include running down the layers. The formatter is the release's own
# clang-format (14 on Debian 12, 19 on Debian 13); both leave the tree as it is.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
reuse lint --quiet || { reuse lint | tail -n 20; exit 1; }

# The folders are layers, from the bottom up: no file includes a header of a layer above its own.
layers=(logic resources widgets dialogkit screens app)
for ((i = 0; i + 1 < ${#layers[@]}; i++)); do
    above=$(IFS='|' && echo "${layers[*]:i+1}")
    if git grep -nE "#include \"($above)/" -- "${layers[i]}/"; then
        echo "${layers[i]}/ includes from a layer above it (above)" >&2
        exit 1
    fi
done
