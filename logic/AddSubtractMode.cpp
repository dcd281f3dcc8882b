// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"
#include "logic/CartesianModes.h"
#include "logic/ComplexArithmetic.h"
#include "logic/SolutionFrame.h"
#include "logic/TaskOperand.h"

namespace tessaro {

namespace {

ComplexValue resultOf(const TaskNumbers& numbers) {
    return numbers.operation == Operation::Subtract ? numbers.first - numbers.second : numbers.first + numbers.second;
}

// The slips of a sum or difference, most specific first: the order of a difference turned, the other operation, an
// operand's sign before j misread.
std::vector<KnownSlip> knownSlips(const TaskNumbers& numbers) {
    const ComplexValue a = numbers.first, b = numbers.second;
    const bool subtract = numbers.operation == Operation::Subtract;
    const auto combined = [subtract](ComplexValue x, ComplexValue y) { return subtract ? x - y : x + y; };
    std::vector<KnownSlip> slips;
    if (subtract)
        slips.push_back({b - a, Finding::ReversedDifference});
    slips.push_back(
        {subtract ? a + b : a - b, subtract ? Finding::AddedInsteadOfSubtracted : Finding::SubtractedInsteadOfAdded});
    slips.push_back({combined(conjugate(a), b), Finding::OperandSignMisread, 1,
                     math(asPrinted(a, numbers.firstPrintedMinus) + " = " + complexNumber(a))});
    slips.push_back({combined(a, conjugate(b)), Finding::OperandSignMisread, 2,
                     math(asPrinted(b, numbers.secondPrintedMinus) + " = " + complexNumber(b))});
    return slips;
}

}  // namespace

ExerciseTask makeAddSubtractTask(RawValueSource& source) {
    const TaskOperand a = drawOperand(source, 100);
    const TaskOperand b = drawOperand(source, 100);
    const int operation = drawScaled(source, 4);
    const bool add = operation == 1 || operation == 2;
    const TaskNumbers numbers{add ? Operation::Add : Operation::Subtract,
                              {a.re, a.im},
                              {b.re, b.im},
                              a.form == OperandForm::Minus,
                              b.form == OperandForm::Minus};
    const ComplexValue result = resultOf(numbers);
    const std::string answer = formatCartesian(result.re, result.im);
    return {{a.text + (add ? " + " : " - ") + b.text}, {{answer, answer}}, numbers};
}

Diagnosis judgeAddSubtract(const ExerciseTask& task, const TypedAnswer& typed) {
    if (isRightAnswer(typed, task))
        return rightAnswer(AnswerForm::Cartesian);
    return diagnoseCartesian(typedField(typed, 0), resultOf(task.numbers), knownSlips(task.numbers));
}

WorkedSolution solveAddSubtract(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution = framedSolution(task, judgement);
    const ComplexValue a = task.numbers.first, b = task.numbers.second;
    const bool subtract = task.numbers.operation == Operation::Subtract;
    const ComplexValue result = resultOf(task.numbers);
    const OperandLines resolved = resolvedSigns(solution.steps, task.numbers, 2, 1);

    // A difference first loses its brackets, the second operand's signs turned; then the parts are collected.
    std::vector<MathTerm> sides{math(bracketed(a) + (subtract ? " \u2212 " : " + ") + bracketed(b))};
    const ComplexValue second = subtract ? ComplexValue{-b.re, -b.im} : b;
    if (subtract)
        sides.push_back(math(sum({{a.re}, {a.im, Unit::J}, {second.re}, {second.im, Unit::J}})));
    sides.push_back(math(collectedParts(a.re, second.re, a.im, second.im)));
    sides.push_back(math(complexNumber(result)));
    const std::size_t sumLine = *appendStep(
        solution.steps,
        {0, false, std::move(sides),
         subtract ? phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Realteile und Imaginärteile getrennt subtrahieren:"))
                  : phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Realteile und Imaginärteile getrennt addieren:"))});

    switch (solution.diagnosis.finding) {
    case Finding::ReversedDifference:
    case Finding::AddedInsteadOfSubtracted:
    case Finding::SubtractedInsteadOfAdded:
        markSlip(solution.steps, sumLine);
        break;
    case Finding::OperandSignMisread:
        markSlip(solution.steps,
                 resolved.at(static_cast<std::size_t>(solution.diagnosis.operand - 1)).value_or(sumLine));
        break;
    default:
        break;
    }
    solution.result = verbatim(task.fields.front().shown);
    solution.written = math(complexNumber(result));
    return solution;
}

}  // namespace tessaro
