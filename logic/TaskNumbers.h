// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tessaro {

// re + j·im with whole-number parts.
struct ComplexValue {
    int re = 0;
    int im = 0;
    bool operator==(const ComplexValue&) const = default;
};

// r∠φ with a whole modulus and a whole angle in degrees.
struct PolarValue {
    int modulus = 0;
    int degrees = 0;
    bool operator==(const PolarValue&) const = default;
};

enum class Operation {
    Add,
    Subtract,
    Modulus,
    Multiply,
    Divide,
    ToPolar,
    ToCartesian,
    PolarMultiply,
    PolarDivide,
    AddPhasors
};

// The exact values behind a task's texts: the cartesian operands, or the polar ones.
struct TaskNumbers {
    Operation operation = Operation::Add;
    ComplexValue first;
    ComplexValue second;  // not used by the modulus
    // Whether an operand is printed as "re - j (im)", which shows its imaginary part negated, or as "re + j (im)".
    bool firstPrintedMinus = false;
    bool secondPrintedMinus = false;
    PolarValue firstPolar = {};
    PolarValue secondPolar = {};  // not used by the conversion to the cartesian form
};

}  // namespace tessaro
