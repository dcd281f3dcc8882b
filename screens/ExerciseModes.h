// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/ExerciseMode.h"
#include "logic/ExerciseTask.h"
#include "logic/WorkedSolution.h"

#include <QPoint>
#include <QString>

#include <span>
#include <vector>

namespace tessaro {

// The title an exercise screen paints for its mode, and the hint lines below the answer.
struct ModeHeading {
    QPoint titlePosition;
    const char* title;
    std::vector<const char*> hintLines;
};

// Everything that differs between the exercise modes. A mode is one row of exerciseModes(): the rest of the program
// looks a mode up here instead of telling the modes apart.
struct ExerciseModeRow {
    ExerciseMode mode;
    int menuRadio;  // the main menu's radio button that chooses the mode
    void (*openScreen)();
    ModeHeading heading;
    // What a screen reader says after "Hinweis:" where the screen paints no hint lines.
    std::vector<const char*> spokenHint;
    void (*openRulePage)();
    // The task of a one-answer mode; the division screen draws its three-part tasks itself.
    ExerciseTask (*makeTask)(RawValueSource& source);
    // The task worked through with its own numbers, and what is wrong with the answer judged wrong.
    Solver solve;
};

std::span<const ExerciseModeRow> exerciseModes();
// A text of the table in the program's language.
QString translatedModeText(const char* text);
// The row of `mode`; nullptr while no mode is chosen.
const ExerciseModeRow* exerciseModeRow(ExerciseMode mode);

}  // namespace tessaro
