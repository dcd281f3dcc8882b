// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/ModulusTask.h"

#include "logic/WholeNumberText.h"

#include <array>
#include <cmath>
#include <utility>

namespace tessaro {

namespace {

constexpr std::array<std::pair<int, int>, 10> modulusPairs{
    {{3, 4}, {4, 3}, {6, 8}, {8, 6}, {5, 12}, {12, 5}, {15, 8}, {8, 15}, {9, 12}, {12, 9}}};

std::pair<int, int> drawModulusParts(RawValueSource& source) {
    const int kind = drawScaled(source, 10);
    if (kind <= 6) {
        auto [x, y] = modulusPairs[static_cast<std::size_t>(drawScaled(source, 9))];
        if (drawScaled(source, 4) <= 1)
            y = -y;
        return {x, y};
    }
    if (kind <= 8)
        return {drawScaled(source, 20), 0};
    return {0, drawScaled(source, 20)};
}

}  // namespace

ExerciseTask makeModulusTask(RawValueSource& source) {
    // The form is drawn first but only decides the sign shown in the text.
    const bool plusForm = drawScaled(source, 4) <= 2;
    const auto [x, y] = drawModulusParts(source);
    const char* sign = plusForm ? "  +  j (" : "  -  j (";
    const double modulus = std::sqrt(static_cast<double>(x * x + y * y));
    const std::string text = std::to_string(x) + sign + std::to_string(y) + ")";
    // The minus form shows x - j (y), whose value is x - jy.
    return {text, formatWhole(modulus), {Operation::Modulus, {x, plusForm ? y : -y}, {}, {text}}};
}

}  // namespace tessaro
