// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"
#include "logic/CartesianModes.h"
#include "logic/ComplexArithmetic.h"
#include "logic/SolutionFrame.h"
#include "logic/TaskOperand.h"

namespace tessaro {

namespace {
const std::string kTimes = " \u00B7 ";
}  // namespace

ExerciseTask makeDivisionTask(RawValueSource& source) {
    TaskOperand dividend;
    TaskOperand divisor;
    do {
        dividend = drawDivisionOperand(source);
        divisor = drawDivisionOperand(source);
    } while (divisor.re == 0 && divisor.im == 0);
    const TaskNumbers numbers{Operation::Divide, {dividend.re, dividend.im}, {divisor.re, divisor.im}};
    const UnreducedQuotient quotient = unreducedQuotient(numbers.first, numbers.second);
    const std::string realNumerator = std::to_string(quotient.numerator.re);
    const std::string denominator = std::to_string(quotient.denominator);
    const std::string imagNumerator = std::to_string(quotient.numerator.im);
    return {
        {dividend.text, divisor.text},
        {{realNumerator, realNumerator}, {denominator, denominator}, {imagNumerator, "+ j (" + imagNumerator + ")"}},
        numbers};
}

Diagnosis judgeDivision(const ExerciseTask& task, const TypedAnswer& typed) {
    if (isRightAnswer(typed, task))
        return rightAnswer(AnswerForm::Fraction);
    const ComplexValue a = task.numbers.first, c = task.numbers.second;
    const UnreducedQuotient quotient = unreducedQuotient(a, c);
    const FractionSlips slips{a * c, a.re * c.re - a.im * c.im, c.re * c.re - c.im * c.im};
    return diagnoseFraction({typedField(typed, 0), typedField(typed, 1), typedField(typed, 2)},
                            {quotient.numerator.re, quotient.denominator, quotient.numerator.im}, slips);
}

WorkedSolution solveDivision(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution;
    const std::string shownDividend = task.shown.size() > 0 ? task.shown[0] : std::string();
    const std::string shownDivisor = task.shown.size() > 1 ? task.shown[1] : std::string();
    solution.task = fraction(verbatim(shownDividend), verbatim(shownDivisor));
    const ComplexValue a = task.numbers.first, c = task.numbers.second, conjugated = conjugate(c);
    solution.steps.push_back(
        {0,
         false,
         {fraction(math(complexNumber(a)), math(complexNumber(c))),
          fraction(math(bracketed(a) + kTimes + bracketed(conjugated)),
                   math(bracketed(c) + kTimes + bracketed(conjugated)))},
         phrase(
             QT_TRANSLATE_NOOP("Loesungsweg", "Zähler und Nenner mit dem konjugiert komplexen Divisor erweitern:"))});
    const ComplexValue numerator =
        productSteps(solution.steps, 1, a, conjugated, phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Zähler:")), false,
                     phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Mit j² = −1 Realteil und Imaginärteil zusammenfassen:")));
    const int denominator = squaredModulus(c);
    solution.steps.push_back(
        {2,
         false,
         {math(bracketed(c) + kTimes + bracketed(conjugated)),
          math(factor(c.re) + "\u00B2 + " + factor(c.im) + "\u00B2"),
          math(std::to_string(c.re * c.re) + " + " + std::to_string(c.im * c.im)), math(std::to_string(denominator))},
         phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Nenner:"))});
    solution.steps.push_back({0,
                              true,
                              {fraction(math(complexNumber(numerator)), math(std::to_string(denominator)))},
                              phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Der Bruch bleibt ungekürzt:"))});

    const std::vector<AnswerField>& fields = task.fields;
    solution.result =
        fraction(verbatim(fields[0].shown) + math("  ") + verbatim(fields[2].shown), verbatim(fields[1].shown));
    const TypedAnswer& typed = judgement.typed;
    solution.typed = fraction(shownTyped(typedField(typed, 0)) + math(" + j ") + shownTyped(typedField(typed, 2)),
                              shownTyped(typedField(typed, 1)));
    solution.diagnosis = judgement.diagnosis;
    return solution;
}

}  // namespace tessaro
