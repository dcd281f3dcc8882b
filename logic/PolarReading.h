// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/AnswerReading.h"
#include "logic/ExerciseTask.h"

#include <optional>
#include <string_view>

namespace tessaro {

// The answers of the modes judged by value, read leniently: blanks anywhere (also the no-break space), a sign (also
// the printed minus − and the dash –), the decimal comma or point. Anything else, and an empty text, cannot be read.

// A number: "6.40", "6,4", "- 5", "+.5", "12.".
std::optional<double> readDecimal(std::string_view typed);
// An angle in degrees: a number, the degree sign after it optional ("53,13°", "-135 °").
std::optional<double> readDegrees(std::string_view typed);
// A field's text as a value of its kind; an x+jy is read as readComplex reads it.
std::optional<ReadValue> readJudged(std::string_view typed, JudgedValue::Kind kind);

// Whether a value is within the tolerance of `expected`, in each part; angles that differ by whole turns are equal.
bool isWithinTolerance(ReadValue value, const JudgedValue& expected);
bool isWithinTolerance(std::string_view typed, const JudgedValue& expected);

}  // namespace tessaro
