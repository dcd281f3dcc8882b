// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"
#include "logic/CartesianModes.h"
#include "logic/ComplexArithmetic.h"
#include "logic/SolutionFrame.h"
#include "logic/TaskOperand.h"

namespace tessaro {

namespace {

// The slips of a product, most specific first: j² taken as +1 (before a sign turned, which it is where ac = 0), the
// product taken part by part, an operand's sign before j misread.
std::vector<KnownSlip> knownSlips(const TaskNumbers& numbers) {
    const ComplexValue a = numbers.first, b = numbers.second;
    return {{{a.re * b.re + a.im * b.im, a.re * b.im + a.im * b.re}, Finding::JSquaredAsPlusOne},
            {{a.re * b.re, a.im * b.im}, Finding::ProductPartByPart},
            {conjugate(a) * b, Finding::OperandSignMisread, 1,
             math(asPrinted(a, numbers.firstPrintedMinus) + " = " + complexNumber(a))},
            {a * conjugate(b), Finding::OperandSignMisread, 2,
             math(asPrinted(b, numbers.secondPrintedMinus) + " = " + complexNumber(b))}};
}

}  // namespace

ExerciseTask makeMultiplyTask(RawValueSource& source) {
    const TaskOperand a = drawOperand(source, 10);
    const TaskOperand b = drawOperand(source, 10);
    const TaskNumbers numbers{
        Operation::Multiply, {a.re, a.im}, {b.re, b.im}, a.form == OperandForm::Minus, b.form == OperandForm::Minus};
    const ComplexValue product = numbers.first * numbers.second;
    const std::string answer = formatCartesian(product.re, product.im);
    return {{a.text + " * " + b.text}, {{answer, answer}}, numbers};
}

Diagnosis judgeMultiply(const ExerciseTask& task, const TypedAnswer& typed) {
    if (isRightAnswer(typed, task))
        return rightAnswer(AnswerForm::Cartesian);
    return diagnoseCartesian(typedField(typed, 0), task.numbers.first * task.numbers.second, knownSlips(task.numbers));
}

WorkedSolution solveMultiply(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution = framedSolution(task, judgement);
    const OperandLines resolved = resolvedSigns(solution.steps, task.numbers, 2, 1);
    const ProductLines product =
        productSteps(solution.steps, 0, task.numbers.first, task.numbers.second,
                     phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Jeden Teil mit jedem Teil multiplizieren:")));
    switch (solution.diagnosis.finding) {
    case Finding::JSquaredAsPlusOne:
        markSlip(solution.steps, product.jSquared);
        break;
    case Finding::ProductPartByPart:
        markSlip(solution.steps, product.expansion);
        break;
    case Finding::OperandSignMisread:
        markSlip(solution.steps,
                 resolved.at(static_cast<std::size_t>(solution.diagnosis.operand - 1)).value_or(product.expansion));
        break;
    default:
        break;
    }
    solution.result = verbatim(task.fields.front().shown);
    solution.written = math(complexNumber(product.product));
    return solution;
}

}  // namespace tessaro
