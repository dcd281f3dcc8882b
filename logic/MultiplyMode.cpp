// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"
#include "logic/CartesianModes.h"
#include "logic/ComplexArithmetic.h"
#include "logic/SolutionFrame.h"
#include "logic/TaskOperand.h"

namespace tessaro {

ExerciseTask makeMultiplyTask(RawValueSource& source) {
    const TaskOperand a = drawOperand(source, 10);
    const TaskOperand b = drawOperand(source, 10);
    const TaskNumbers numbers{Operation::Multiply, {a.re, a.im}, {b.re, b.im}};
    const ComplexValue product = numbers.first * numbers.second;
    const std::string answer = formatCartesian(product.re, product.im);
    return {{a.text + " * " + b.text}, {{answer, answer}}, numbers};
}

Diagnosis judgeMultiply(const ExerciseTask& task, const TypedAnswer& typed) {
    if (isRightAnswer(typed, task))
        return rightAnswer(AnswerForm::Cartesian);
    const ComplexValue a = task.numbers.first, b = task.numbers.second;
    const ComplexValue product = a * b;
    const ComplexValue jSquaredAsPlusOne{a.re * b.re + a.im * b.im, product.im};
    return diagnoseCartesian(typedField(typed, 0), product, jSquaredAsPlusOne);
}

WorkedSolution solveMultiply(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution = framedSolution(task, judgement);
    productSteps(solution.steps, 0, task.numbers.first, task.numbers.second,
                 phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Jeden Teil mit jedem Teil multiplizieren:")), true,
                 phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Realteil und Imaginärteil zusammenfassen:")));
    solution.result = verbatim(task.fields.front().shown);
    return solution;
}

}  // namespace tessaro
