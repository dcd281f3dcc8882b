// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"
#include "logic/CartesianModes.h"
#include "logic/ComplexArithmetic.h"
#include "logic/SolutionFrame.h"
#include "logic/TaskOperand.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

namespace tessaro {

namespace {

const std::string kTimes = " \u00B7 ";

// numerator / denominator as x + jy, each part a reduced fraction or a whole number: 7/82 − j 19/82, 3 + j.
MathTerm asXPlusJy(ComplexValue numerator, int denominator) {
    const auto part = [denominator](int value) {
        const int divisor = std::gcd(value, denominator);
        const int top = std::abs(value / divisor), bottom = denominator / divisor;
        return bottom == 1 ? math(std::to_string(top))
                           : fraction(math(std::to_string(top)), math(std::to_string(bottom)));
    };
    MathTerm written;
    if (numerator.re != 0)
        written = numerator.re < 0 ? math("\u2212") + part(numerator.re) : part(numerator.re);
    if (numerator.im != 0) {
        const std::string sign =
            numerator.im < 0 ? (written.empty() ? "\u2212j" : " \u2212 j") : (written.empty() ? "j" : " + j");
        written = written + math(sign);
        if (std::abs(numerator.im) != denominator)
            written = written + part(numerator.im);
    }
    return written.empty() ? math("0") : written;
}

}  // namespace

ExerciseTask makeDivisionTask(RawValueSource& source) {
    TaskOperand dividend;
    TaskOperand divisor;
    do {
        dividend = drawDivisionOperand(source);
        divisor = drawDivisionOperand(source);
    } while (divisor.re == 0 && divisor.im == 0);
    const TaskNumbers numbers{Operation::Divide,
                              {dividend.re, dividend.im},
                              {divisor.re, divisor.im},
                              dividend.form == OperandForm::Minus,
                              divisor.form == OperandForm::Minus};
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
    const int modulus = static_cast<int>(std::lround(std::sqrt(double(quotient.denominator))));
    const FractionSlips slips{a * c,
                              a.re * c.re - a.im * c.im,
                              c.re * c.re - c.im * c.im,
                              modulus * modulus == quotient.denominator ? modulus : 0,
                              conjugate(a) * conjugate(c),
                              math(asPrinted(a, task.numbers.firstPrintedMinus) + " = " + complexNumber(a))};
    return diagnoseFraction({typedField(typed, 0), typedField(typed, 1), typedField(typed, 2)},
                            {quotient.numerator.re, quotient.denominator, quotient.numerator.im}, slips);
}

WorkedSolution solveDivision(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution;
    const std::string shownDividend = task.shown.size() > 0 ? task.shown[0] : std::string();
    const std::string shownDivisor = task.shown.size() > 1 ? task.shown[1] : std::string();
    solution.task = fraction(verbatim(shownDividend), verbatim(shownDivisor));
    const ComplexValue a = task.numbers.first, c = task.numbers.second, conjugated = conjugate(c);
    std::vector<Step>& steps = solution.steps;
    const OperandLines resolved = resolvedSigns(steps, task.numbers, 2, 3);
    const std::optional<std::size_t> conjugateLine = appendStep(
        steps, {5,
                false,
                {math("(" + complexNumber(c) + ")*"), math(complexNumber(conjugated))},
                phrase(QT_TRANSLATE_NOOP("Loesungsweg",
                                         "Der konjugiert komplexe Divisor hat das andere Vorzeichen vor dem j:"))});
    const std::size_t expansion =
        *appendStep(steps, {0,
                            false,
                            {fraction(math(complexNumber(a)), math(complexNumber(c))),
                             fraction(math(bracketed(a) + kTimes + bracketed(conjugated)),
                                      math(bracketed(c) + kTimes + bracketed(conjugated)))},
                            phrase(QT_TRANSLATE_NOOP(
                                "Loesungsweg", "Zähler und Nenner mit dem konjugiert komplexen Divisor erweitern:"))});
    const ProductLines numerator =
        productSteps(steps, 1, a, conjugated, phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Zähler:")));

    // (c + jd)(c − jd) = c² − j²d² = c² + d²: the j² written out, so that a slip with it has its line.
    const int denominator = squaredModulus(c);
    const std::string squareOfRe = c.re != 0 ? factor(c.re) + "\u00B2" : std::string();
    const std::string squareOfIm = factor(c.im) + "\u00B2";
    std::vector<MathTerm> product{math(bracketed(c) + kTimes + bracketed(conjugated))};
    std::optional<std::size_t> denominatorLine;
    if (c.im == 0) {
        product.push_back(math(squareOfRe));
        product.push_back(math(std::to_string(denominator)));
        denominatorLine =
            appendStep(steps, {2, false, std::move(product), phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Nenner:"))});
    } else {
        product.push_back(
            math(squareOfRe + (c.re != 0 ? " \u2212 j\u00B2 \u00B7 " : "\u2212j\u00B2 \u00B7 ") + squareOfIm));
        appendStep(steps, {2, false, std::move(product), phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Nenner:"))});
        std::vector<MathTerm> replaced{math(c.re != 0 ? squareOfRe + " + " + squareOfIm : squareOfIm)};
        if (c.re != 0)
            replaced.push_back(math(std::to_string(c.re * c.re) + " + " + std::to_string(c.im * c.im)));
        replaced.push_back(math(std::to_string(denominator)));
        denominatorLine =
            appendStep(steps, {2, true, std::move(replaced), phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Mit j² = −1:"))});
    }
    // The fraction the screen asks for, then the quotient's value.
    appendStep(steps, {0,
                       true,
                       {fraction(math(complexNumber(numerator.product)), math(std::to_string(denominator))),
                        asXPlusJy(numerator.product, denominator)},
                       phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Den Bruch ungekürzt lassen, sein Wert als x + jy:"))});

    switch (judgement.diagnosis.finding) {
    case Finding::DivisorNotConjugated:
        markSlip(steps, conjugateLine);
        break;
    case Finding::JSquaredAsPlusOne:
        for (AnswerPart part : judgement.diagnosis.parts)
            markSlip(steps, part == AnswerPart::Denominator ? denominatorLine : numerator.jSquared);
        break;
    case Finding::DenominatorAsModulus:
        markSlip(steps, denominatorLine);
        break;
    case Finding::OperandSignMisread:
        markSlip(steps, resolved[0].value_or(expansion));
        break;
    default:
        break;
    }

    const std::vector<AnswerField>& fields = task.fields;
    solution.result =
        fraction(verbatim(fields[0].shown) + math("  ") + verbatim(fields[2].shown), verbatim(fields[1].shown));
    solution.written = fraction(math(complexNumber(numerator.product)), math(std::to_string(denominator)));
    solution.typed = typedAnswerTerm(judgement, AnswerForm::Fraction);
    solution.diagnosis = judgement.diagnosis;
    return solution;
}

}  // namespace tessaro
