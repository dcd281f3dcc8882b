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

enum class Operation { Add, Subtract, Modulus, Multiply, Divide };

// The exact values behind a task's texts.
struct TaskNumbers {
    Operation operation = Operation::Add;
    ComplexValue first;
    ComplexValue second;  // not used by the modulus
    // Whether an operand is printed as "re - j (im)", which shows its imaginary part negated, or as "re + j (im)".
    bool firstPrintedMinus = false;
    bool secondPrintedMinus = false;
};

}  // namespace tessaro
