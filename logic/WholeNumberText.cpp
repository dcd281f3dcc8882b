// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/WholeNumberText.h"

#include <cmath>
#include <cstdio>

namespace tessaro {

std::string formatWhole(double value) {
    // std::round rounds halves away from zero; printf's "%.0f" may round them
    // to even. Adding 0.0 turns a negative zero into a positive one.
    const double whole = std::round(value) + 0.0;
    const int length = std::snprintf(nullptr, 0, "%.0f", whole);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.0f", whole);
    return text;
}

}  // namespace tessaro
