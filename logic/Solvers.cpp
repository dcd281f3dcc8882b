// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The worked solutions of the four modes.

#include "logic/AnswerDiagnosis.h"
#include "logic/DivisionTask.h"
#include "logic/ExerciseTask.h"
#include "logic/WholeNumberText.h"
#include "logic/WorkedSolution.h"

#include <cmath>

namespace tessaro {

namespace {

const std::string kTimes = " \u00B7 ";

std::string typedText(const TypedAnswer& typed) { return typed.empty() ? std::string() : typed.front(); }

// The task and the answer as the first exercise screen shows them.
WorkedSolution framed(const TaskNumbers& task, const TypedAnswer& typed) {
    WorkedSolution solution;
    solution.task = verbatim(task.shown.empty() ? std::string() : task.shown.front());
    solution.typed = shownTyped(typedText(typed));
    return solution;
}

// Four products and j² = −1: the steps of (a1 + j a2)·(b1 + j b2) from its written form to real and imaginary
// part. Returns re and im.
ComplexValue multiplySteps(std::vector<Step>& steps, int chain, ComplexValue a, ComplexValue b, StepNote firstNote,
                           bool jSquaredLine, StepNote collectNote) {
    const int p1 = a.re * b.re, p2 = a.re * b.im, p3 = a.im * b.re, p4 = a.im * b.im;
    const ComplexValue product{p1 - p4, p2 + p3};
    steps.push_back({chain,
                     false,
                     {math(bracketed(a) + kTimes + bracketed(b)),
                      math(factor(a.re) + kTimes + factor(b.re) + " + " + factor(a.re) + kTimes +
                           imaginaryFactor(b.im) + " + " + imaginaryFactor(a.im) + kTimes + factor(b.re) + " + " +
                           imaginaryFactor(a.im) + kTimes + imaginaryFactor(b.im))},
                     firstNote});
    const std::string realAndImaginary = signedNumber(p1) + plusMinusImaginary(p2) + plusMinusImaginary(p3);
    const std::string squareTerm = (p4 < 0 ? " \u2212 j\u00B2" : " + j\u00B2") + kTimes + std::to_string(std::abs(p4));
    steps.push_back({chain, true, {math(realAndImaginary + squareTerm)}, StepNote::None});
    if (jSquaredLine) {
        steps.push_back({chain + 1, false, {math("j\u00B2"), math("\u22121")}, StepNote::None});
        steps.push_back({chain, true, {math(realAndImaginary + plusMinus(-p4))}, StepNote::None});
    }
    steps.push_back({chain,
                     true,
                     {math("(" + signedNumber(p1) + plusMinus(-p4) + ") + j(" + signedNumber(p2) + plusMinus(p3) + ")"),
                      math(complexNumber(product))},
                     collectNote});
    return product;
}

}  // namespace

WorkedSolution solveAddSubtract(const TaskNumbers& task, const TypedAnswer& typed) {
    WorkedSolution solution = framed(task, typed);
    const ComplexValue a = task.first, b = task.second;
    const bool subtract = task.operation == Operation::Subtract;
    const char* sign = subtract ? " \u2212 " : " + ";
    const ComplexValue result =
        subtract ? ComplexValue{a.re - b.re, a.im - b.im} : ComplexValue{a.re + b.re, a.im + b.im};
    solution.steps.push_back({0,
                              false,
                              {math(bracketed(a) + sign + bracketed(b)),
                               math("(" + signedNumber(a.re) + sign + factor(b.re) + ") + j(" + signedNumber(a.im) +
                                    sign + factor(b.im) + ")"),
                               math(complexNumber(result))},
                              subtract ? StepNote::SubtractParts : StepNote::AddParts});
    solution.result = verbatim(formatCartesian(result.re, result.im));
    solution.diagnosis = diagnoseCartesian(typedText(typed), result);
    return solution;
}

WorkedSolution solveModulus(const TaskNumbers& task, const TypedAnswer& typed) {
    WorkedSolution solution = framed(task, typed);
    const ComplexValue z = task.first;
    const int sum = z.re * z.re + z.im * z.im;
    const std::string modulus = formatWhole(std::sqrt(static_cast<double>(sum)));
    solution.steps.push_back(
        {0,
         false,
         {math("|" + complexNumber(z) + "|"), root(math(factor(z.re) + "\u00B2 + " + factor(z.im) + "\u00B2")),
          root(math(std::to_string(z.re * z.re) + " + " + std::to_string(z.im * z.im))),
          root(math(std::to_string(sum))), math(modulus)},
         StepNote::ModulusRule});
    solution.result = verbatim(modulus);
    solution.diagnosis = diagnoseModulus(typedText(typed), std::stoi(modulus), sum);
    return solution;
}

WorkedSolution solveMultiply(const TaskNumbers& task, const TypedAnswer& typed) {
    WorkedSolution solution = framed(task, typed);
    const ComplexValue a = task.first, b = task.second;
    const ComplexValue product =
        multiplySteps(solution.steps, 0, a, b, StepNote::FourProducts, true, StepNote::CollectParts);
    solution.result = verbatim(formatCartesian(product.re, product.im));
    const ComplexValue jSquaredAsPlusOne{a.re * b.re + a.im * b.im, product.im};
    solution.diagnosis = diagnoseCartesian(typedText(typed), product, jSquaredAsPlusOne);
    return solution;
}

WorkedSolution solveDivide(const TaskNumbers& task, const TypedAnswer& typed) {
    WorkedSolution solution;
    const std::string shownDividend = task.shown.size() > 0 ? task.shown[0] : std::string();
    const std::string shownDivisor = task.shown.size() > 1 ? task.shown[1] : std::string();
    solution.task = fraction(verbatim(shownDividend), verbatim(shownDivisor));
    const ComplexValue a = task.first, c = task.second, conjugate{c.re, -c.im};
    solution.steps.push_back({0,
                              false,
                              {fraction(math(complexNumber(a)), math(complexNumber(c))),
                               fraction(math(bracketed(a) + kTimes + bracketed(conjugate)),
                                        math(bracketed(c) + kTimes + bracketed(conjugate)))},
                              StepNote::ExpandWithConjugate});
    const ComplexValue numerator =
        multiplySteps(solution.steps, 1, a, conjugate, StepNote::Numerator, false, StepNote::JSquaredCollect);
    const int denominator = c.re * c.re + c.im * c.im;
    solution.steps.push_back(
        {2,
         false,
         {math(bracketed(c) + kTimes + bracketed(conjugate)),
          math(factor(c.re) + "\u00B2 + " + factor(c.im) + "\u00B2"),
          math(std::to_string(c.re * c.re) + " + " + std::to_string(c.im * c.im)), math(std::to_string(denominator))},
         StepNote::Denominator});
    solution.steps.push_back(
        {0, true, {fraction(math(complexNumber(numerator)), math(std::to_string(denominator)))}, StepNote::Unreduced});

    const DivisionAnswerTexts texts = correctDivisionTexts(numerator.re, denominator, numerator.im);
    solution.result = fraction(verbatim(texts.realNumerator) + math("  ") + verbatim(texts.imagNumerator),
                               verbatim(texts.denominator));
    const auto field = [&typed](std::size_t i) { return i < typed.size() ? typed[i] : std::string(); };
    solution.typed = fraction(shownTyped(field(0)) + math(" + j ") + shownTyped(field(2)), shownTyped(field(1)));
    const FractionSlips slips{
        {a.re * c.re - a.im * c.im, a.re * c.im + a.im * c.re}, a.re * c.re - a.im * c.im, c.re * c.re - c.im * c.im};
    solution.diagnosis =
        diagnoseFraction({field(0), field(1), field(2)}, {numerator.re, denominator, numerator.im}, slips);
    return solution;
}

}  // namespace tessaro
