// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/TaskNumbers.h"

namespace tessaro {

// The arithmetic of the tasks, written once: the task makers, the judgements and the worked solutions use it.
ComplexValue operator+(ComplexValue a, ComplexValue b);
ComplexValue operator-(ComplexValue a, ComplexValue b);
ComplexValue operator*(ComplexValue a, ComplexValue b);
ComplexValue conjugate(ComplexValue z);
// x² + y², whose root is the modulus.
int squaredModulus(ComplexValue z);

// a / c expanded with the conjugate of c: (a · c̄) / (c · c̄), neither reduced nor divided out.
struct UnreducedQuotient {
    ComplexValue numerator;
    int denominator;
};
UnreducedQuotient unreducedQuotient(ComplexValue dividend, ComplexValue divisor);

}  // namespace tessaro
