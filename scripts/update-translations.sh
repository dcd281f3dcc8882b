#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings every translation in translations/ up to date with the program's German texts (Qt's lupdate over every
# target of the program, as the build describes them): new texts come in unfinished, texts the program no longer has
# go. Translate the new ones (Qt Linguist, or by hand), then build.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ -f "$root/build/CMakeCache.txt" ] || (cd "$root" && cmake --preset default >/dev/null)
cmake --build "$root/build" --target update_translations
