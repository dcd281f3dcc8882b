// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/PolarNumber.h"
#include "logic/RandomSource.h"
#include "logic/WorkedSolution.h"

#include <complex>

namespace tessaro {

// What the polar modes share: their draws, their tolerances, their answer fields and the frame of their worked
// solutions.

// 0 … n − 1, each about equally often (drawScaled gives n itself only for the largest raw value; it counts as n − 1).
int drawIndex(RawValueSource& source, int n);
// An angle in steps of 5° in (−180°, 180°].
int drawDegrees(RawValueSource& source);

// The tolerances of the rule "right is every answer a student gets who works with a calculator and keeps two
// decimals in every step, one in an angle":
// a conversion's modulus, and each part of x+jy converted from r∠φ: 0.5 % of the modulus, at least 0.05;
double conversionTolerance(double modulus);
// a conversion's angle;
inline constexpr double kConversionAngleTolerance = 0.1;
// an exact result, as products and quotients of whole moduli and angles in steps of 5° have: what rounds to it;
inline constexpr double kExactModulusTolerance = 0.005;
inline constexpr double kExactAngleTolerance = 0.05;
// the angle of a sum of phasors, whose parts are each rounded to two decimals before they are added, so that each part
// of the sum may be 0.01 off: as far as that can turn this sum, and the angle's own rounding to one decimal, but at
// least 0.1°.
double phasorAngleTolerance(std::complex<double> sum);

// The modulus and angle fields of a polar answer: the exact value judged, the rounded one written.
std::vector<AnswerField> polarFields(std::complex<double> exact, Decimal modulus, Decimal degrees,
                                     double modulusTolerance, double angleTolerance);
// The worked solution's frame for a polar answer: the task as the screen shows it, the result in both polar forms as
// the verdict names it, the answer as typed, modulus ∠ angle, and the judgement's diagnosis.
WorkedSolution polarFrame(const ExerciseTask& task, const Judgement& judgement);

}  // namespace tessaro
