// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"
#include "logic/CartesianModes.h"
#include "logic/ComplexArithmetic.h"
#include "logic/SolutionFrame.h"
#include "logic/WholeNumberText.h"

#include <array>
#include <cmath>
#include <utility>

namespace tessaro {

namespace {

constexpr std::array<std::pair<int, int>, 10> modulusPairs{
    {{3, 4}, {4, 3}, {6, 8}, {8, 6}, {5, 12}, {12, 5}, {15, 8}, {8, 15}, {9, 12}, {12, 9}}};

std::pair<int, int> drawModulusParts(RawValueSource& source) {
    const int kind = drawScaled(source, 10);
    if (kind <= 6) {
        auto [x, y] = modulusPairs[static_cast<std::size_t>(drawScaled(source, 9))];
        if (drawScaled(source, 4) <= 1)
            y = -y;
        return {x, y};
    }
    if (kind <= 8)
        return {drawScaled(source, 20), 0};
    return {0, drawScaled(source, 20)};
}

std::string modulusText(ComplexValue z) { return formatWhole(std::sqrt(static_cast<double>(squaredModulus(z)))); }

}  // namespace

ExerciseTask makeModulusTask(RawValueSource& source) {
    // The form is drawn first but only decides the sign shown in the text.
    const bool plusForm = drawScaled(source, 4) <= 2;
    const auto [x, y] = drawModulusParts(source);
    const char* sign = plusForm ? "  +  j (" : "  -  j (";
    // The minus form shows x - j (y), whose value is x - jy.
    const TaskNumbers numbers{Operation::Modulus, {x, plusForm ? y : -y}, {}};
    const std::string modulus = modulusText(numbers.first);
    return {{std::to_string(x) + sign + std::to_string(y) + ")"}, {{modulus, modulus}}, numbers};
}

Diagnosis judgeModulus(const ExerciseTask& task, const TypedAnswer& typed) {
    if (isRightAnswer(typed, task))
        return rightAnswer(AnswerForm::WholeNumber);
    const ComplexValue z = task.numbers.first;
    return diagnoseModulus(typedField(typed, 0), std::stoi(modulusText(z)), squaredModulus(z));
}

WorkedSolution solveModulus(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution = framedSolution(task, judgement);
    const ComplexValue z = task.numbers.first;
    const std::string& modulus = task.fields.front().shown;
    solution.steps.push_back(
        {0,
         false,
         {math("|" + complexNumber(z) + "|"), root(math(factor(z.re) + "\u00B2 + " + factor(z.im) + "\u00B2")),
          root(math(std::to_string(z.re * z.re) + " + " + std::to_string(z.im * z.im))),
          root(math(std::to_string(squaredModulus(z)))), math(modulus)},
         phrase(QT_TRANSLATE_NOOP(
             "Loesungsweg", "Der Betrag ist die Wurzel aus der Summe der Quadrate von Realteil und Imaginärteil:"))});
    solution.result = verbatim(modulus);
    return solution;
}

}  // namespace tessaro
