// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Tasks worked by hand for the tests of the worked solutions and their diagnoses, and how the tests ask for them.

#include "logic/ModeLogic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {

// Readable failure messages: the number of a finding, a part or a slip.
inline void PrintTo(Finding finding, std::ostream* out) { *out << "finding " << static_cast<int>(finding); }
inline void PrintTo(AnswerPart part, std::ostream* out) { *out << "part " << static_cast<int>(part); }
inline void PrintTo(FormSlip slip, std::ostream* out) { *out << "slip " << static_cast<int>(slip); }

namespace testing_tasks {

using M = ExerciseMode;

// A task as its mode's maker would draw it, written out by hand: its texts, the answer of each field, the values and
// whether each operand is printed in the minus form re - j (im).
inline ExerciseTask task(Operation operation, ComplexValue first, ComplexValue second, std::vector<std::string> shown,
                         std::vector<AnswerField> fields, bool firstMinus = false, bool secondMinus = false) {
    return {std::move(shown), std::move(fields), {operation, first, second, firstMinus, secondMinus}};
}

// The judgement of the mode, and the task worked through from it, as the screens ask for them.
inline WorkedSolution work(ExerciseMode mode, const ExerciseTask& task, const TypedAnswer& typed) {
    const ModeLogic& logic = *modeLogic(mode);
    return workThrough(logic, task, judge(logic, task, typed));
}

// A sentence of the page in German, its arguments filled in.
inline std::string german(const Phrase& phrase) {
    if (!phrase.sentence)
        return phrase.literal;
    std::string text = phrase.sentence;
    for (std::size_t i = 0; i < phrase.arguments.size(); ++i) {
        const std::string mark = "%" + std::to_string(i + 1);
        text.replace(text.find(mark), mark.size(), german(phrase.arguments[i]));
    }
    return text;
}

// The explanation as the page says it in German: sentences and formulas one after the other, a blank between.
inline std::string said(const WorkedSolution& solution) {
    std::string text;
    for (const ExplanationLine& line : solution.explanation) {
        for (const Phrase& sentence : line.sentences)
            text += (text.empty() ? "" : " ") + german(sentence);
        if (line.sentences.empty())
            text += (text.empty() ? "" : " ") + readAloud(line.formula);
    }
    return text;
}

// (−37 + j5) − (12 + j8) = −49 − j3, the second operand printed with a double sign.
inline const ExerciseTask kDifference = task(
    Operation::Subtract, {-37, 5}, {12, 8}, {"[-37  +  j (5)] - [12  -  j (-8)]"}, {{"-49-j3", "-49-j3"}}, false, true);
// (3 − j4) + (−2 + j4) = 1 + j0.
inline const ExerciseTask kSum =
    task(Operation::Add, {3, -4}, {-2, 4}, {"[3  -  j (4)] + [-2  +  j (4)]"}, {{"1+j0", "1+j0"}}, true, false);
// [30 + j(−45)] + [−12 − j(−20)] = 18 − j25, both operands with a double sign.
inline const ExerciseTask kDoubleSigns =
    task(Operation::Add, {30, -45}, {-12, 20}, {"[30  +  j (-45)] + [-12  -  j (-20)]"}, {{"18-j25", "18-j25"}}, false,
         true);
// |3 − j4| = 5.
inline const ExerciseTask kModulus = task(Operation::Modulus, {3, -4}, {}, {"3  -  j (4)"}, {{"5", "5"}}, true);
// |j7| = 7.
inline const ExerciseTask kPureModulus = task(Operation::Modulus, {0, 7}, {}, {"0  +  j (7)"}, {{"7", "7"}});
// (2 + j)(−1 + j9) = −11 + j17; with j² = +1 it would be 7 + j17.
inline const ExerciseTask kProduct = task(Operation::Multiply, {2, 1}, {-1, 9}, {"[2  +  j (1)] * [-1  -  j (-9)]"},
                                          {{"-11+j17", "-11+j17"}}, false, true);
// (2 + j) / (−1 + j9) = (7 − j19) / 82; the divisor itself gives −11 + j17, j² = +1 gives −11 and −80.
inline const ExerciseTask kQuotient = task(Operation::Divide, {2, 1}, {-1, 9}, {"  2  +  j (1)", "  -1  -  j (-9)"},
                                           {{"7", "7"}, {"82", "82"}, {"-19", "+ j (-19)"}}, false, true);
// (2 + j4) / (1 + j) = (6 + j2) / 2.
inline const ExerciseTask kReducible = task(Operation::Divide, {2, 4}, {1, 1}, {"  2  +  j (4)", "  1  +  j (1)"},
                                            {{"6", "6"}, {"2", "2"}, {"2", "+ j (2)"}});

}  // namespace testing_tasks
}  // namespace tessaro
