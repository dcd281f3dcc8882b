#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Every translation holds every text of the program, each one translated, and none the program no longer has: Qt's
# lupdate, run through the build's update_translations target, must find nothing to change. The files are left as
# they were either way, times included, so that the build does not compile them again.
#   check-translations.sh BUILD_FOLDER
set -euo pipefail
build=$1
cd "$(dirname "${BASH_SOURCE[0]}")/../../translations"
saved="$(mktemp -d)"
trap 'cp -p "$saved"/*.ts . && rm -rf "$saved"' EXIT
cp -p ./*.ts "$saved"
cmake --build "$build" --target update_translations >/dev/null
status=0
for file in ./*.ts; do
    if ! diff -u "$saved/$file" "$file"; then
        echo "$file is out of date: run scripts/update-translations.sh and translate what is new" >&2
        status=1
    fi
    if grep -n 'type="unfinished"' "$saved/$file"; then
        echo "$file has untranslated texts (above)" >&2
        status=1
    fi
done
exit $status
