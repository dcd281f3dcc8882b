// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/ExerciseMode.h"
#include "logic/RandomSource.h"
#include "logic/ScoreTally.h"

#include <string>

namespace tessaro {

// What the screens share for the whole run; nothing of it is ever saved.
struct ProgramState {
    ExerciseMode currentMode = ExerciseMode::None;
    bool firstTaskShown = false;
    ScoreTally tally;
    std::string expectedAnswer;  // of the first exercise screen's current task
    RandomSource random{1};
};

ProgramState& programState();

// Back to the state at program start; for tests.
void resetProgramState();

}  // namespace tessaro
