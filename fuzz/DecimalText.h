// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <charconv>
#include <string>

namespace tessaro::fuzz {

// The plain decimal text of a whole number, written by std::to_chars rather than
// by the code under test.
template <class Whole>
std::string decimalText(Whole value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

}  // namespace tessaro::fuzz
