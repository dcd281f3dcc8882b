#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Holds the tree to the house rules: every C++ file formatted as .clang-format says, every file with its copyright
# and licence (reuse lint), and the English translation complete and up to date. The formatter is the release's
# own clang-format (14 on Debian 12, 19 on Debian 13); both leave the tree as it is.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
reuse lint --quiet || { reuse lint | tail -n 20; exit 1; }

# The English translation holds every text of the program, each translated, and none the program no longer has.
updated="$(mktemp --suffix=.ts)"
trap 'rm -f "$updated"' EXIT
cp translations/tessaro_en.ts "$updated"
scripts/update-translations.sh "$updated"
diff -u translations/tessaro_en.ts "$updated" ||
    { echo "translations/tessaro_en.ts is out of date: run scripts/update-translations.sh" >&2; exit 1; }
! grep -n 'type="unfinished"' translations/tessaro_en.ts || { echo "untranslated texts (above)" >&2; exit 1; }
