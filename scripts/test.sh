#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with warnings as errors and runs the whole test suite headless; then the same
# suite under the address and undefined behaviour sanitizers, and each fuzz target for a short while.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/lint.sh"
"$root/scripts/build.sh" -DTESSARO_WERROR=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure -j2
"$root/scripts/sanitize.sh"
"$root/scripts/fuzz-long.sh" 20
