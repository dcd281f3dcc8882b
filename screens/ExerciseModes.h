// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/ExerciseMode.h"

#include <QPoint>
#include <QString>

#include <memory>
#include <span>
#include <vector>

class ExerciseScreen;
class QWidget;

namespace tessaro {

// The title an exercise screen paints for its mode, and the hint lines below the answer.
struct ModeHeading {
    QPoint titlePosition;
    const char* title;
    std::vector<const char*> hintLines;
};

// What is on the screen of each exercise mode; the logic's half of a mode is its row of modeLogics(). A mode is one
// row of each: the rest of the program looks a mode up here instead of telling the modes apart.
struct ExerciseModeRow {
    ExerciseMode mode;
    int menuRadio;  // the main menu's radio button that chooses the mode
    // The kind of screen the mode is practised on, made with `parent` as its owner.
    std::unique_ptr<ExerciseScreen> (*makeScreen)(QWidget* parent);
    ModeHeading heading;
    // What a screen reader says after "Hinweis:" where the screen paints no hint lines.
    std::vector<const char*> spokenHint;
    void (*openRulePage)();
};

std::span<const ExerciseModeRow> exerciseModes();
// A text of the table in the program's language.
QString translatedModeText(const char* text);
// The row of `mode`; nullptr while no mode is chosen.
const ExerciseModeRow* exerciseModeRow(ExerciseMode mode);

// Opens the screen of the current mode above the topmost active screen until it closes, as every screen opens.
void openExerciseScreen();

}  // namespace tessaro
