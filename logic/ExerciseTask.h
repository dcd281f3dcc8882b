// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/ExerciseMode.h"
#include "logic/RandomSource.h"
#include "logic/TaskNumbers.h"

#include <optional>
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

// Draws a task for the add/subtract, modulus or multiply exercise. The divide
// exercise has its own task type (DivisionTask.h); None and Divide give
// nullopt without drawing, so the random sequence is left untouched.
std::optional<ExerciseTask> makeTask(ExerciseMode mode, RawValueSource& source);

// The answer form a user has to type: "3+j4", "-49-j3", "7+j0".
std::string formatCartesian(int re, int im);

// Only the exact text counts: no trimming, no alternative notations.
bool isRightAnswer(std::string_view typed, std::string_view expectedAnswer);

}  // namespace tessaro
