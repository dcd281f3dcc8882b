// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExerciseMode.h"
#include "ScreenTesting.h"

#include <QColor>
#include <QLineEdit>
#include <QRect>

namespace tessaro::testing {

// What the main menu has done before an exercise screen opens: a mode chosen, the tally reset, the source seeded.
void prepareExercise(ExerciseMode mode, std::uint32_t seed = 2026);

// Whether the area of the image shows this colour (the core of text or a line drawn in it).
bool showsColour(const QImage& image, const QRect& area, const QColor& colour);

// Types a text into a field the way a user does, key by key.
void typeInto(QLineEdit& field, const QString& text);

}  // namespace tessaro::testing
