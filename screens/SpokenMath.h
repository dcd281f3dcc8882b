// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tessaro {

// A task or an answer with its signs in words, as a screen reader should say it: "8∠-135°" becomes "8, Winkel minus
// 135 Grad", "5·e^(j53,13°)" "5 mal e hoch j 53,13 Grad".
QString spokenMath(QString text);

// The decimal mark of the program's language: the comma in German, the point in English.
char decimalMark();

}  // namespace tessaro
