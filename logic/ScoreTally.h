// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace tessaro {

// Counts the answers of one exercise and keeps the texts the score labels
// show. The texts stay empty until the first change or reset.
class ScoreTally {
public:
    void countAnswer();
    void addRight();
    void addWrong();
    void updatePercent();
    void reset();
    // One checked answer, as the exercise screens count it: countAnswer(), addRight() or addWrong(), updatePercent().
    void record(bool right);

    double answered() const { return answered_; }
    double right() const { return right_; }
    int wrong() const { return wrong_; }
    double percent() const { return percent_; }

    const std::string& rightText() const { return rightText_; }
    const std::string& wrongText() const { return wrongText_; }
    // The share of right answers in whole percent, as the screens show it with its unit.
    const std::string& percentFigure() const { return percentFigure_; }

private:
    double answered_ = 0;
    double right_ = 0;
    int wrong_ = 0;
    double percent_ = 0;
    std::string rightText_;
    std::string wrongText_;
    std::string percentFigure_;
};

}  // namespace tessaro
