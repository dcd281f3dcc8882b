#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the house rules, builds with warnings as errors and runs the whole test suite
# headless. CI runs the slower stages after it (.ci/run): the sanitizers and the fuzzer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/lint.sh"
"$root/scripts/build.sh" -DTESSARO_WERROR=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure -j2
