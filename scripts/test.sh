#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (the run command's packages and the test tools), checks the house rules, builds with
# warnings as errors and runs the whole test suite headless. CI runs the slower stages after it (.ci/run).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh" --test
"$root/scripts/lint.sh"
"$root/scripts/build.sh" default
cd "$root" && ctest --preset default
