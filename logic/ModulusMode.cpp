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
    const TaskNumbers numbers{Operation::Modulus, {x, plusForm ? y : -y}, {}, !plusForm};
    const std::string modulus = modulusText(numbers.first);
    return {{std::to_string(x) + sign + std::to_string(y) + ")"}, {{modulus, modulus}}, numbers};
}

Diagnosis judgeModulus(const ExerciseTask& task, const TypedAnswer& typed) {
    if (isRightAnswer(typed, task))
        return rightAnswer(AnswerForm::WholeNumber);
    const ComplexValue z = task.numbers.first;
    return diagnoseModulus(typedField(typed, 0), z, std::stoi(modulusText(z)));
}

WorkedSolution solveModulus(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution = framedSolution(task, judgement);
    const ComplexValue z = task.numbers.first;
    const std::string& modulus = task.fields.front().shown;
    resolvedSigns(solution.steps, task.numbers, 1, 1);
    // The rule with the task's numbers, then the numbers worked out: a slip in the rule and one in the arithmetic
    // fall on different lines.
    const std::size_t rule = *appendStep(
        solution.steps,
        {0,
         false,
         {math("|" + complexNumber(z) + "|"), root(math(factor(z.re) + "\u00B2 + " + factor(z.im) + "\u00B2"))},
         phrase(QT_TRANSLATE_NOOP(
             "Loesungsweg", "Der Betrag ist die Wurzel aus der Summe der Quadrate von Realteil und Imaginärteil:"))});
    std::vector<MathTerm> worked;
    if (z.re != 0 && z.im != 0)
        worked.push_back(root(math(std::to_string(z.re * z.re) + " + " + std::to_string(z.im * z.im))));
    worked.push_back(root(math(std::to_string(squaredModulus(z)))));
    worked.push_back(math(modulus));
    const std::optional<std::size_t> workedOut = appendStep(solution.steps, {0, true, std::move(worked), {}});

    switch (solution.diagnosis.finding) {
    case Finding::RootMissing:
    case Finding::RootNotTaken:
        markSlip(solution.steps, workedOut);
        break;
    case Finding::PartsAdded:
    case Finding::ModulusOfPartsAdded:
    case Finding::SquaresSubtracted:
        markSlip(solution.steps, rule);
        break;
    default:
        break;
    }
    solution.result = verbatim(modulus);
    solution.written = math(modulus);
    return solution;
}

}  // namespace tessaro
