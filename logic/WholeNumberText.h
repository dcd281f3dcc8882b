// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace tessaro {

// The value rounded to a whole number, halves away from zero ("12.5" -> "13",
// "-2.5" -> "-3") on every C library, and never "-0".
std::string formatWhole(double value);

}  // namespace tessaro
