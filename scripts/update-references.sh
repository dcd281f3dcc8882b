#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the reference pictures and texts of the screens (tests/reference/) anew from the current build, after an
# intended change of what a screen shows. Look at every changed picture before committing it: git status shows them.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh" default >/dev/null
export QT_QPA_PLATFORM=offscreen TESSARO_UPDATE_REFERENCES=1
"$root/build/tests/gui_tests" --gtest_filter='States/*' --gtest_brief=1
"$root/build/tests/widget_tests" --gtest_filter='ComplexPlane.LooksAsATeacherDrawsItOnTheBoard' --gtest_brief=1
QT_SCALE_FACTOR=2 "$root/build/tests/high_density_tests" --gtest_brief=1
git -C "$root" status --short tests/reference
