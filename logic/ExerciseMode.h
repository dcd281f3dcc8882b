// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tessaro {

// The values are stable: they number the exercise menu entries.
enum class ExerciseMode {
    None = 0,
    AddSubtract = 1,
    Modulus = 2,
    Multiply = 3,
    Divide = 4,
    ToPolar = 5,              // "In Polarform umrechnen"
    ToCartesian = 6,          // "In kartesische Form umrechnen"
    PolarMultiplyDivide = 7,  // "Multiplikation und Division in Polarform"
    AddPhasors = 8,           // "Zeiger addieren"
};

}  // namespace tessaro
