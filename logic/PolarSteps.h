// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/PolarDiagnosis.h"
#include "logic/PolarNumber.h"

namespace tessaro {

// From x + jy to r∠φ, as the conversion to the polar form and the sum of phasors both take it: the quadrant from the
// signs, r = √(x² + y²), the triangle's angle α = arctan(|y| / |x|), φ from α by the quadrant's rule.

// Where x + jy lies: in a quadrant, or on a half-axis.
enum class Position {
    Quadrant1,
    Quadrant2,
    Quadrant3,
    Quadrant4,
    PositiveReal,
    PositiveImaginary,
    NegativeReal,
    NegativeImaginary
};

// r, α and φ, each rounded to two decimals from the rounded values before it, as the steps write them.
struct RoundedPolar {
    Position position;
    Decimal modulus;
    Decimal triangleAngle;  // α; none on an axis
    Decimal degrees;
};
RoundedPolar roundedPolar(Decimal x, Decimal y);

// The steps in chains `firstChain`, … and 0: z = … = x + jy with its quadrant, r, α, φ, and z in both polar forms.
// `zSides` stand between z and x + jy.
void polarSteps(std::vector<Step>& steps, Decimal x, Decimal y, std::vector<MathTerm> zSides, int firstChain);

// The slips of an angle worked out from x + jy: the sign turned, no quadrant's correction, x and y swapped, radians.
std::vector<Slip> polarAngleSlips(double x, double y);

}  // namespace tessaro
