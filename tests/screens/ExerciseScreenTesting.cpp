// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseScreenTesting.h"

#include "ProgramState.h"

#include <QTest>

namespace tessaro::testing {

void prepareExercise(ExerciseMode mode, std::uint32_t seed) {
    ProgramState& state = programState();
    state.currentMode = mode;
    state.tally.reset();
    state.random.seed(seed);
}

bool showsColour(const QImage& image, const QRect& area, const QColor& colour) {
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

void typeInto(QLineEdit& field, const QString& text) {
    field.setFocus();
    QTest::keyClicks(&field, text);
}

}  // namespace tessaro::testing
