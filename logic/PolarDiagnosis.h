// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/WorkedSolution.h"

namespace tessaro {

// What the modes judged by value find in an answer that is not within the tolerance: the slips each mode looks for,
// too coarse a rounding, or the parts that are wrong. Too coarse is the right value rounded or cut to fewer decimals
// than asked, and where the answer is worked out from rounded intermediate values, anything within ten times the
// tolerance: what one decimal fewer in every step gives.

// A slip and the value a part of the answer has after it: a modulus, an angle, or x+jy.
struct Slip {
    Finding finding;
    double value = 0;
    double imaginary = 0;                // of x+jy
    std::vector<AnswerPart> parts = {};  // named with the finding, as the part whose sign is turned
    MathTerm detail = {};                // named with the finding, as the root that was left out
};

// The slips a polar answer is looked at for, each list in order of precedence: those that show in both parts at once,
// then those of the modulus and of the angle.
struct PolarSlips {
    std::vector<std::pair<Slip, Slip>> both;  // the modulus's and the angle's value after one slip
    std::vector<Slip> modulus;
    std::vector<Slip> angle;
    bool roundedSteps = false;  // worked out from intermediate values a student rounds (coarseness below)
};

// A polar answer: the task's fields are its modulus and its angle, both judged by value.
Diagnosis diagnosePolar(const ExerciseTask& task, const TypedAnswer& typed, const PolarSlips& slips);
// Whether every slip of a polar task leaves the part it concerns outside the tolerance, or as it is: a slip within
// the tolerance would be judged right.
bool slipsStandApart(const ExerciseTask& task, const PolarSlips& slips);

// An answer x+jy judged by value, the task's one field.
Diagnosis diagnoseDecimalCartesian(const ExerciseTask& task, const TypedAnswer& typed, const std::vector<Slip>& slips,
                                   bool roundedSteps);

}  // namespace tessaro
