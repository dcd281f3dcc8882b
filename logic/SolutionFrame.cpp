// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/SolutionFrame.h"

#include "logic/AnswerDiagnosis.h"
#include "logic/ComplexArithmetic.h"

#include <cstdlib>

namespace tessaro {

namespace {
const std::string kTimes = " \u00B7 ";
}  // namespace

WorkedSolution framedSolution(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution;
    solution.task = verbatim(task.shown.empty() ? std::string() : task.shown.front());
    solution.typed = shownTyped(typedField(judgement.typed, 0));
    solution.diagnosis = judgement.diagnosis;
    return solution;
}

ComplexValue productSteps(std::vector<Step>& steps, int chain, ComplexValue a, ComplexValue b, Phrase firstNote,
                          bool jSquaredLine, Phrase collectNote) {
    const int p1 = a.re * b.re, p2 = a.re * b.im, p3 = a.im * b.re, p4 = a.im * b.im;
    const ComplexValue product = a * b;
    steps.push_back({chain,
                     false,
                     {math(bracketed(a) + kTimes + bracketed(b)),
                      math(factor(a.re) + kTimes + factor(b.re) + " + " + factor(a.re) + kTimes +
                           imaginaryFactor(b.im) + " + " + imaginaryFactor(a.im) + kTimes + factor(b.re) + " + " +
                           imaginaryFactor(a.im) + kTimes + imaginaryFactor(b.im))},
                     std::move(firstNote)});
    const std::string realAndImaginary = signedNumber(p1) + plusMinusImaginary(p2) + plusMinusImaginary(p3);
    const std::string squareTerm = (p4 < 0 ? " \u2212 j\u00B2" : " + j\u00B2") + kTimes + std::to_string(std::abs(p4));
    steps.push_back({chain, true, {math(realAndImaginary + squareTerm)}, {}});
    if (jSquaredLine) {
        steps.push_back({chain + 1, false, {math("j\u00B2"), math("\u22121")}, {}});
        steps.push_back({chain, true, {math(realAndImaginary + plusMinus(-p4))}, {}});
    }
    steps.push_back({chain,
                     true,
                     {math("(" + signedNumber(p1) + plusMinus(-p4) + ") + j(" + signedNumber(p2) + plusMinus(p3) + ")"),
                      math(complexNumber(product))},
                     std::move(collectNote)});
    return product;
}

}  // namespace tessaro
