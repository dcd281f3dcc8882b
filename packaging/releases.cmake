# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The one record of Tessaro's releases: their versions, newest first, and the date (YYYY-MM-DD) and notes of each.
# The manual page, the AppStream metainfo and the Debian changelog are made from it, the about box and --version
# from project(VERSION). At a release, raise the version in project() and add its entry here; nothing else is
# edited by hand.
set(TESSARO_RELEASES 2.0 1.0)

set(TESSARO_RELEASE_2.0_DATE 2026-12-07)
set(TESSARO_RELEASE_2.0_NOTES
  "The polar form: four new modes convert between the cartesian and the polar form, multiply and divide in polar form and add phasors, judged by value within the rounding a calculator leaves, with a seventh rule page on the polar and the exponential form."
  "After a check, the new screens draw the task, the right answer and the typed answer in the complex plane."
  "A keyboard chooses the mode on the main menu; a double press counts one answer; mathematics reads left to right in every layout direction."
)

set(TESSARO_RELEASE_1.0_DATE 2026-12-06)
set(TESSARO_RELEASE_1.0_NOTES
  "First release: the main menu with its four exercise modes, the exercise screens for addition and subtraction, modulus, multiplication and division with a running tally, and the rules viewer with six pages."
  "In German and in English, following the language of the desktop."
)
