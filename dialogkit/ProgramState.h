// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/ExerciseMode.h"
#include "logic/RandomSource.h"
#include "logic/ScoreTally.h"

namespace tessaro {

// What the screens share for the whole run; nothing of it is ever saved. What belongs to one opening of a screen is
// the screen's own.
struct ProgramState {
    ExerciseMode currentMode = ExerciseMode::None;
    ScoreTally tally;
    RandomSource random{1};
};

ProgramState& programState();

// Back to the state at program start; for tests.
void resetProgramState();

}  // namespace tessaro
