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

}  // namespace

ExerciseTask makeAddSubtractTask(RawValueSource& source) {
    const TaskOperand a = drawOperand(source, 100);
    const TaskOperand b = drawOperand(source, 100);
    const int operation = drawScaled(source, 4);
    const bool add = operation == 1 || operation == 2;
    const TaskNumbers numbers{add ? Operation::Add : Operation::Subtract, {a.re, a.im}, {b.re, b.im}};
    const ComplexValue result = resultOf(numbers);
    const std::string answer = formatCartesian(result.re, result.im);
    return {{a.text + (add ? " + " : " - ") + b.text}, {{answer, answer}}, numbers};
}

Diagnosis judgeAddSubtract(const ExerciseTask& task, const TypedAnswer& typed) {
    if (isRightAnswer(typed, task))
        return rightAnswer(AnswerForm::Cartesian);
    return diagnoseCartesian(typedField(typed, 0), resultOf(task.numbers));
}

WorkedSolution solveAddSubtract(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution = framedSolution(task, judgement);
    const ComplexValue a = task.numbers.first, b = task.numbers.second;
    const bool subtract = task.numbers.operation == Operation::Subtract;
    const char* sign = subtract ? " \u2212 " : " + ";
    const ComplexValue result = resultOf(task.numbers);
    solution.steps.push_back(
        {0,
         false,
         {math(bracketed(a) + sign + bracketed(b)),
          math("(" + signedNumber(a.re) + sign + factor(b.re) + ") + j(" + signedNumber(a.im) + sign + factor(b.im) +
               ")"),
          math(complexNumber(result))},
         subtract ? phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Realteile und Imaginärteile getrennt subtrahieren:"))
                  : phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Realteile und Imaginärteile getrennt addieren:"))});
    solution.result = verbatim(task.fields.front().shown);
    return solution;
}

}  // namespace tessaro
