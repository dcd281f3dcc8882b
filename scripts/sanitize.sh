#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with clang under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs the
# whole test suite headless there. Any report fails it: memory errors, undefined behaviour and leaks.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all"
# No leak is suppressed: Qt and the system libraries, as used here, leave none that LeakSanitizer reports.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# The options are exported before the build too: listing the screen tests runs them once, under the sanitizers.
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-asan" -DTESSARO_WERROR=ON \
  -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer -O1 -g" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$root/build-asan" -j2
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build-asan" --output-on-failure -j2
