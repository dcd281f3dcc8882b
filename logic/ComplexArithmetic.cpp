// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/ComplexArithmetic.h"

namespace tessaro {

ComplexValue operator+(ComplexValue a, ComplexValue b) { return {a.re + b.re, a.im + b.im}; }

ComplexValue operator-(ComplexValue a, ComplexValue b) { return {a.re - b.re, a.im - b.im}; }

ComplexValue operator*(ComplexValue a, ComplexValue b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

ComplexValue conjugate(ComplexValue z) { return {z.re, -z.im}; }

int squaredModulus(ComplexValue z) { return z.re * z.re + z.im * z.im; }

UnreducedQuotient unreducedQuotient(ComplexValue dividend, ComplexValue divisor) {
    return {dividend * conjugate(divisor), squaredModulus(divisor)};
}

}  // namespace tessaro
