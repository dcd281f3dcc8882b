// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/ScoreTally.h"

#include "logic/WholeNumberText.h"

namespace tessaro {

void ScoreTally::countAnswer() { answered_ += 1; }

void ScoreTally::addRight() {
    right_ += 1;
    rightText_ = formatWhole(right_);
}

void ScoreTally::addWrong() {
    wrong_ += 1;
    wrongText_ = std::to_string(wrong_);
}

void ScoreTally::updatePercent() {
    // Called after countAnswer(); the guard only keeps a premature call from dividing by zero. Multiplying first
    // keeps an exact half exact (23 of 40 is 57.5, not 57.4999...), so it rounds up as every half does.
    percent_ = answered_ > 0 ? right_ * 100 / answered_ : 0;
    percentFigure_ = formatWhole(percent_);
}

void ScoreTally::record(bool right) {
    countAnswer();
    if (right)
        addRight();
    else
        addWrong();
    updatePercent();
}

void ScoreTally::reset() {
    answered_ = 0;
    right_ = 0;
    wrong_ = 0;
    percent_ = 0;
    // The texts show the zeroed counts just as after any other change.
    rightText_ = formatWhole(right_);
    wrongText_ = std::to_string(wrong_);
    percentFigure_ = formatWhole(percent_);
}

}  // namespace tessaro
