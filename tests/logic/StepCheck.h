// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/WorkedSolution.h"

#include <complex>
#include <map>
#include <optional>
#include <string>

namespace tessaro::stepcheck {

using Value = std::complex<double>;

// The value of a line of mathematics as a screen reader gets it (readAloud): numbers with a decimal point, j, names
// (x, y, z, r, α, φ, x₁ …) looked up in `names`, + − · / ², √, arctan, cos and sin of degrees, °, r∠φ, e^(…),
// brackets and modulus bars; j4, jy and j(…) multiply.
struct SideValue {
    Value value;
    // How far the value may lie from the exact one where the side writes rounded decimals: each decimal with k places
    // stands for any number within half a unit of its last place.
    double rounding = 0;
};
std::optional<SideValue> evaluateSide(const std::string& text, const std::map<std::string, Value>& names);

// A step as a line of text: "= " before a step that continues its chain.
std::string line(const Step& step);

// Checks that every step of a worked solution holds: each side equals the one before it, or is that one rounded to
// the decimals it writes; a name standing alone on the left of a step and not yet known is defined by the step.
// Returns where chain 0 ends.
Value expectEveryStepHolds(const WorkedSolution& solution, const std::string& task);

}  // namespace tessaro::stepcheck
