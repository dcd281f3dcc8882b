// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/RandomSource.h"
#include "logic/TaskNumbers.h"

#include <string>
#include <string_view>

namespace tessaro {

// A task with one typed answer: the text shown and the one answer text accepted, and the numbers behind them for
// its worked solution.
struct ExerciseTask {
    std::string taskText;
    std::string expectedAnswer;
    TaskNumbers numbers;
};

// Draws the sum or difference of two numbers with parts up to 100.
ExerciseTask makeAddSubtractTask(RawValueSource& source);
// Draws the product of two numbers with parts up to 10.
ExerciseTask makeMultiplyTask(RawValueSource& source);

// The answer form a user has to type: "3+j4", "-49-j3", "7+j0".
std::string formatCartesian(int re, int im);

// Only the exact text counts: no trimming, no alternative notations.
bool isRightAnswer(std::string_view typed, std::string_view expectedAnswer);

}  // namespace tessaro
