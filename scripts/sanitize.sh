#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with clang under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs the
# whole test suite headless there. Any report fails it: memory errors, undefined behaviour and leaks.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The compiler and the sanitizers are those of the preset "asan" (CMakePresets.json).
# No leak is suppressed: Qt and the system libraries, as used here, leave none that LeakSanitizer reports.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# The options are exported before the build too: listing the screen tests runs them once, under the sanitizers.
"$root/scripts/build.sh" asan
cd "$root" && ctest --preset asan
