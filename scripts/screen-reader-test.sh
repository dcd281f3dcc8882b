#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Orca screen reader and what drives it, builds Tessaro in build/ and plays both exercise screens, the
# rules menu and a rule page under Orca, in German and in English, checking what Orca says (tests/screenreader/).
# About a minute; CI runs it after the other stages (.ci/run). Arguments: the languages to play (de, en).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh" --test --screen-reader
"$root/scripts/build.sh" >/dev/null
"$root/tests/screenreader/speech-test.sh" "$root/build/app/tessaro" "$@"
