// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/ExerciseTask.h"

#include "logic/PolarReading.h"

namespace tessaro {

std::string typedField(const TypedAnswer& typed, std::size_t index) {
    return index < typed.size() ? typed[index] : std::string();
}

bool isRightAnswer(std::string_view typed, std::string_view expected) { return typed == expected; }

bool isRightAnswer(const TypedAnswer& typed, const ExerciseTask& task) {
    if (typed.size() != task.fields.size())
        return false;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const AnswerField& field = task.fields[i];
        if (field.byValue ? !isWithinTolerance(typed[i], *field.byValue) : !isRightAnswer(typed[i], field.expected))
            return false;
    }
    return true;
}

std::string formatCartesian(int re, int im) {
    if (im >= 0)
        return std::to_string(re) + "+j" + std::to_string(im);
    return std::to_string(re) + "-j" + std::to_string(-im);
}

}  // namespace tessaro
