// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/RandomSource.h"

#include <string>

namespace tessaro {

// Whether the operand is shown as "re + j (im)" or "re - j (im)".
enum class OperandForm { Plus = 1, Minus = 2 };

// One complex operand as shown in a task; re + j*im is the value the text
// denotes, so a Minus operand stores the negated printed imaginary part.
struct TaskOperand {
    OperandForm form;
    std::string text;
    int re;
    int im;
};

// Bracketed operand for addition/subtraction (limit 100) and multiplication (limit 10).
TaskOperand drawOperand(RawValueSource& source, int limit);

// Unbracketed operand with parts up to 10 for the division exercise.
TaskOperand drawDivisionOperand(RawValueSource& source);

}  // namespace tessaro
