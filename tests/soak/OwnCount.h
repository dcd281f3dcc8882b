// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TemplateDialog.h"

#include <QString>

namespace tessaro::soak {

// The soak's own count of the verdicts it expects, to hold against the program's tally.
struct OwnCount {
    long long right = 0;
    long long wrong = 0;

    void count(bool rightAnswer) { ++(rightAnswer ? right : wrong); }
    void reset() { *this = {}; }

    // "58 Prozent richtig": right / answered rounded halves away from zero, in whole-number arithmetic.
    QString percentText() const;
};

// Fails the current test unless the program's tally and the screen's three count fields show `count` exactly.
void expectTallyShows(const TemplateDialog& screen, const OwnCount& count);

// The ids of the count fields, the same on both exercise screens.
inline constexpr int kRightCountField = 1006;
inline constexpr int kWrongCountField = 1007;
inline constexpr int kPercentField = 1005;

}  // namespace tessaro::soak
