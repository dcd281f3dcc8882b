#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Tessaro with one of the presets of CMakePresets.json, in the preset's folder:
#   scripts/build.sh [PRESET] [CMAKE_ARGUMENT...]   (default: the normal build in build/)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
preset="${1:-default}"
shift || true
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset"
