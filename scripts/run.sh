#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running need and is missing, builds the program (without the test suite) and starts
# Tessaro. Arguments are passed on to the program (scripts/run.sh --help).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" program
exec "$root/build/app/tessaro" "$@"
