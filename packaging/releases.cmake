# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The one record of Tessaro's releases: their versions, newest first, and the date (YYYY-MM-DD) and notes of each.
# The manual page, the AppStream metainfo and the Debian changelog are made from it, the about box and --version
# from project(VERSION). At a release, raise the version in project() and add its entry here; nothing else is
# edited by hand.
set(TESSARO_RELEASES 1.0)

set(TESSARO_RELEASE_1.0_DATE 2026-12-06)
set(TESSARO_RELEASE_1.0_NOTES
  "First release: the main menu with its four exercise modes, the exercise screens for addition and subtraction, modulus, multiplication and division with a running tally, and the rules viewer with six pages."
  "In German and in English, following the language of the desktop."
)
