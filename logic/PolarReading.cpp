// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/PolarReading.h"

#include "logic/PolarNumber.h"

#include <cmath>
#include <string>

namespace tessaro {

namespace {

// No number of a task or its answer has more digits; more are a slip of the keyboard, and a double would lose them.
constexpr std::size_t kMostDigits = 12;
// A comparison at the very edge of a tolerance is decided as the decimals typed say, not as a double rounds them.
constexpr double kEdge = 1e-9;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Blanks dropped, the printed minus and the dash made '-', the comma made a point; a degree sign at the end dropped
// where `degrees`. nullopt for a character that has no place in a number.
std::optional<std::string> normalised(std::string_view typed, bool degrees) {
    std::string text;
    bool degreeSign = false;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const std::string_view rest = typed.substr(i);
        const auto starts = [&rest](std::string_view prefix) { return rest.starts_with(prefix); };
        if (degreeSign && typed[i] != ' ' && typed[i] != '\t' && !starts("\u00A0"))
            return std::nullopt;                     // only blanks after the degree sign
        if (starts("\u2212") || starts("\u2013")) {  // minus sign, en dash
            text += '-';
            i += 2;
        } else if (starts("\u00A0")) {
            i += 1;
        } else if (degrees && (starts("\u00B0") || starts("\u00BA"))) {  // the degree sign, or the ordinal o for it
            degreeSign = true;
            i += 1;
        } else if (typed[i] == ' ' || typed[i] == '\t') {
            continue;
        } else if (typed[i] == ',' || typed[i] == '.') {
            text += '.';
        } else if (isDigit(typed[i]) || typed[i] == '+' || typed[i] == '-') {
            text += typed[i];
        } else {
            return std::nullopt;
        }
    }
    return text;
}

// "[sign] digits [. digits]", with at least one digit; read digit by digit, as std::stod would follow the locale.
std::optional<double> number(std::string_view text) {
    std::size_t at = 0;
    double sign = 1;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        sign = text[at++] == '-' ? -1 : 1;
    double value = 0, scale = 1;
    std::size_t digits = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!isDigit(c) || ++digits > kMostDigits)
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (point)
            scale *= 10;
    }
    if (digits == 0)
        return std::nullopt;
    return sign * value / scale;
}

std::optional<double> read(std::string_view typed, bool degrees) {
    const std::optional<std::string> text = normalised(typed, degrees);
    return text ? number(*text) : std::nullopt;
}

}  // namespace

std::optional<double> readDecimal(std::string_view typed) { return read(typed, false); }

std::optional<double> readDegrees(std::string_view typed) { return read(typed, true); }

std::optional<ReadValue> readJudged(std::string_view typed, JudgedValue::Kind kind) {
    if (kind == JudgedValue::Kind::Cartesian)
        return readComplex(typed);
    const std::optional<double> value = kind == JudgedValue::Kind::Angle ? readDegrees(typed) : readDecimal(typed);
    return value ? std::optional(ReadValue{*value, 0}) : std::nullopt;
}

bool isWithinTolerance(ReadValue value, const JudgedValue& expected) {
    const double limit = expected.tolerance + kEdge;
    switch (expected.kind) {
    case JudgedValue::Kind::Number:
        return std::abs(value.re - expected.value) <= limit;
    case JudgedValue::Kind::Angle:
        return angleDistance(value.re, expected.value) <= limit;
    case JudgedValue::Kind::Cartesian:
        return std::abs(value.re - expected.value) <= limit && std::abs(value.im - expected.imaginary) <= limit;
    }
    return false;
}

bool isWithinTolerance(std::string_view typed, const JudgedValue& expected) {
    const std::optional<ReadValue> value = readJudged(typed, expected.kind);
    return value && isWithinTolerance(*value, expected);
}

}  // namespace tessaro
