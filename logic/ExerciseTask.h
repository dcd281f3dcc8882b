// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/TaskNumbers.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// What a field judged by its value holds: a number, an angle in degrees, or a number x+jy. Its text is read
// leniently (decimal comma or point, blanks, the degree sign optional) and is right within `tolerance` of the exact
// value, in each part; angles that differ by whole turns are equal.
struct JudgedValue {
    enum class Kind { Number, Angle, Cartesian };
    Kind kind = Kind::Number;
    double value = 0;      // the number, the angle, or the real part
    double imaginary = 0;  // with Cartesian: the imaginary part
    double tolerance = 0;
};

// One field a student types an answer into.
struct AnswerField {
    std::string expected;  // the one text accepted; with `byValue`, the right value written plainly, one of many
    std::string shown;     // the right answer as the screen shows it in this field's place after a wrong answer
    std::optional<JudgedValue> byValue = std::nullopt;  // none: judged by its exact text
};

// A task of any mode: the texts its screen shows (one, or the dividend's and the divisor's), its answer fields in the
// order the screen takes them, and the exact values behind the texts. Decimals in the texts are written with a point;
// a screen shows them with its language's decimal mark (withDecimalMark).
struct ExerciseTask {
    std::vector<std::string> shown;
    std::vector<AnswerField> fields;
    TaskNumbers numbers;
};

// What a student typed, one text per answer field.
using TypedAnswer = std::vector<std::string>;

// The text typed into field `index`; empty where there is none.
std::string typedField(const TypedAnswer& typed, std::size_t index);

// Only the exact texts count: no trimming, no alternative notations.
bool isRightAnswer(std::string_view typed, std::string_view expected);
// Each field by its exact text, or where it is judged by value, by the value within its tolerance.
bool isRightAnswer(const TypedAnswer& typed, const ExerciseTask& task);

// The answer form a user has to type: "3+j4", "-49-j3", "7+j0".
std::string formatCartesian(int re, int im);

}  // namespace tessaro
