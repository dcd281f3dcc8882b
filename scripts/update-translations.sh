#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings translations/tessaro_en.ts up to date with the program's German texts (Qt's lupdate): new texts come in
# unfinished, texts the program no longer has go. Translate the new ones (Qt Linguist, or by hand), then build.
#   scripts/update-translations.sh [TS_FILE]   (another file to write, for the check in scripts/lint.sh)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
/usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -source-language de -target-language en -I . \
  app dialogkit screens widgets resources/templates -ts "${1:-translations/tessaro_en.ts}"
