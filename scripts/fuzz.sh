#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz target of the exercise logic with clang in build-fuzz and runs it for SECONDS (default 600).
# Inputs that find new paths are kept in build-fuzz/fuzz/corpus/, a crashing input in build-fuzz/fuzz/artifacts/;
# replay one with build-fuzz/fuzz/answers_and_tally FILE.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-600}"

"$root/scripts/build.sh" fuzz -DTESSARO_FUZZ_SECONDS="$seconds"
cd "$root" && ctest --preset fuzz --timeout $((seconds + 120))
