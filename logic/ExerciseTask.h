// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/TaskNumbers.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// One field a student types an answer into.
struct AnswerField {
    std::string expected;  // the one text accepted
    std::string shown;     // the right answer as the screen shows it in this field's place after a wrong answer
};

// A task of any mode: the texts its screen shows (one, or the dividend's and the divisor's), its answer fields in the
// order the screen takes them, and the exact values behind the texts.
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
bool isRightAnswer(const TypedAnswer& typed, const ExerciseTask& task);

// The answer form a user has to type: "3+j4", "-49-j3", "7+j0".
std::string formatCartesian(int re, int im);

}  // namespace tessaro
