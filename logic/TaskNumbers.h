// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace tessaro {

// re + j·im with whole-number parts.
struct ComplexValue {
    int re = 0;
    int im = 0;
};

enum class Operation { Add, Subtract, Modulus, Multiply, Divide };

// What a worked solution is made from: the task's texts as its screen shows them and the values behind them.
struct TaskNumbers {
    Operation operation = Operation::Add;
    ComplexValue first;
    ComplexValue second;             // not used by the modulus
    std::vector<std::string> shown;  // one task text, or the dividend's and the divisor's text
};

}  // namespace tessaro
