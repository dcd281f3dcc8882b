#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tessaro with gcov instrumentation in build-coverage, runs the whole test suite there and prints the line
# coverage of the program, folder by folder (tests, fuzzers and the benchmark are not counted).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-coverage"
"$root/scripts/install-deps.sh" --test gcovr

"$root/scripts/build.sh" coverage >/dev/null
find "$build" -name '*.gcda' -delete
(cd "$root" && ctest --preset coverage >/dev/null) || echo "some tests failed; coverage as measured"

cd "$build"  # gcov writes its working files into the current folder
folders=(logic resources widgets dialogkit screens app)
gcovr --root "$root" --object-directory "$build" --exclude-unreachable-branches \
  "${folders[@]/#/--filter=$root/}" --exclude-directories "$build/CMakeFiles" \
  --exclude-directories "$build/tests" --json "$build/coverage.json" "$build" >/dev/null
echo "| folder | lines covered | line coverage |"
echo "|---|---:|---:|"
for folder in "${folders[@]}" ""; do
  summary="$(gcovr --add-tracefile "$build/coverage.json" --root "$root" --filter="$root/$folder" --print-summary \
    --output /dev/null | grep '^lines:')"
  # "lines: 93.4% (341 out of 365)"
  read -r _ percent covered _ _ total <<<"${summary//[()]/}"
  printf '| %s | %s of %s | %s |\n' "${folder:-all}" "$covered" "$total" "$percent"
done
