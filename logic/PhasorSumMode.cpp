// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"
#include "logic/PolarModes.h"
#include "logic/PolarSteps.h"
#include "logic/PolarTask.h"

#include <algorithm>
#include <cmath>

namespace tessaro {

namespace {

// Phasors whose angles lie within this of each other, or of opposite directions, are not drawn.
constexpr double kLeastAngleApart = 10;
// The sum is at least this long, and at least half as long as the longer phasor.
constexpr double kLeastSum = 5;

Decimal whole(int value) { return {100LL * value, false}; }

// Both phasors in the cartesian form, their parts rounded to two decimals.
struct RoundedParts {
    Decimal x1, y1, x2, y2;
    Decimal x() const { return x1 + x2; }
    Decimal y() const { return y1 + y2; }
};

RoundedParts roundedParts(const TaskNumbers& numbers) {
    const std::complex<double> a = complexOf(numbers.firstPolar), b = complexOf(numbers.secondPolar);
    return {toDecimal(a.real()), toDecimal(a.imag()), toDecimal(b.real()), toDecimal(b.imag())};
}

std::complex<double> exactSum(const TaskNumbers& numbers) {
    return complexOf(numbers.firstPolar) + complexOf(numbers.secondPolar);
}

PolarSlips slipsOf(const TaskNumbers& numbers) {
    const PolarValue a = numbers.firstPolar, b = numbers.secondPolar;
    const std::complex<double> sum = exactSum(numbers);
    const RoundedParts parts = roundedParts(numbers);
    const double x = parts.x().value(), y = parts.y().value();
    const Decimal squares = toDecimal(x * x + y * y);
    const double moduli = a.modulus + b.modulus, angles = a.degrees + b.degrees;
    PolarSlips slips;
    slips.roundedSteps = true;
    slips.both = {{{Finding::AddedInPolarForm, moduli}, {Finding::AddedInPolarForm, angles}}};
    slips.modulus = {
        {Finding::ModuliAdded, moduli},
        {Finding::RootMissing,
         std::norm(sum),
         0,
         {},
         root(math(mathText(squares))) + math(" = " + mathText(roundedPolar(parts.x(), parts.y()).modulus))},
        {Finding::SignTurned, -std::abs(sum), 0, {AnswerPart::Modulus}}};
    slips.angle = {{Finding::AddedInPolarForm, angles}};
    for (const Slip& slip : polarAngleSlips(sum.real(), sum.imag()))
        slips.angle.push_back(slip);
    return slips;
}

ExerciseTask phasorSumTask(const TaskNumbers& numbers) {
    const std::complex<double> sum = exactSum(numbers);
    const RoundedParts parts = roundedParts(numbers);
    const RoundedPolar polar = roundedPolar(parts.x(), parts.y());
    const double modulus = std::abs(sum);
    return {{polarText(numbers.firstPolar) + " + " + polarText(numbers.secondPolar)},
            polarFields(sum, polar.modulus, polar.degrees, conversionTolerance(modulus), phasorAngleTolerance(sum)),
            numbers};
}

// "5 · cos(30°)"
std::string partOf(const char* function, PolarValue z) {
    return std::to_string(z.modulus) + " \u00B7 " + function + "(" + mathDegrees(whole(z.degrees)) + ")";
}

}  // namespace

ExerciseTask makePhasorSumTask(RawValueSource& source) {
    while (true) {
        TaskNumbers numbers{Operation::AddPhasors, {}, {}};
        numbers.firstPolar = {1 + drawIndex(source, 20), drawDegrees(source)};
        numbers.secondPolar = {1 + drawIndex(source, 20), drawDegrees(source)};
        const double apart = angleDistance(numbers.firstPolar.degrees, numbers.secondPolar.degrees);
        const double sum = std::abs(exactSum(numbers));
        const double longer = std::max(numbers.firstPolar.modulus, numbers.secondPolar.modulus);
        if (apart <= kLeastAngleApart || apart >= 180 - kLeastAngleApart || sum < kLeastSum || sum < longer / 2)
            continue;
        ExerciseTask task = phasorSumTask(numbers);
        if (slipsStandApart(task, slipsOf(numbers)))
            return task;
    }
}

Diagnosis judgePhasorSum(const ExerciseTask& task, const TypedAnswer& typed) {
    if (isRightAnswer(typed, task))
        return rightAnswer(AnswerForm::Polar);
    return diagnosePolar(task, typed, slipsOf(task.numbers));
}

WorkedSolution solvePhasorSum(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution = polarFrame(task, judgement);
    const PolarValue a = task.numbers.firstPolar, b = task.numbers.secondPolar;
    const RoundedParts parts = roundedParts(task.numbers);
    std::vector<Step>& steps = solution.steps;
    steps.push_back({1,
                     false,
                     {math("x\u2081"), math(partOf("cos", a)), math(mathText(parts.x1))},
                     phrase(QT_TRANSLATE_NOOP("Loesungsweg",
                                              "Beide Zeiger in die kartesische Form umrechnen, "
                                              "x = r · cos φ und y = r · sin φ:"))});
    steps.push_back({2, false, {math("y\u2081"), math(partOf("sin", a)), math(mathText(parts.y1))}, {}});
    steps.push_back({3, false, {math("x\u2082"), math(partOf("cos", b)), math(mathText(parts.x2))}, {}});
    steps.push_back({4, false, {math("y\u2082"), math(partOf("sin", b)), math(mathText(parts.y2))}, {}});
    steps.push_back({5,
                     false,
                     {math("x"), math("x\u2081 + x\u2082"), math(mathText(parts.x1) + " + " + mathFactor(parts.x2)),
                      math(mathText(parts.x()))},
                     phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Realteile und Imaginärteile getrennt addieren:"))});
    steps.push_back({6,
                     false,
                     {math("y"), math("y\u2081 + y\u2082"), math(mathText(parts.y1) + " + " + mathFactor(parts.y2)),
                      math(mathText(parts.y()))},
                     {}});
    polarSteps(steps, parts.x(), parts.y(), {math("x + jy")}, 7);
    return solution;
}

}  // namespace tessaro
