// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"
#include "logic/PolarDiagnosis.h"
#include "logic/PolarModes.h"
#include "logic/PolarTask.h"

namespace tessaro {

namespace {

bool crossesHalfTurn(int degrees) { return degrees > 180 || degrees <= -180; }

bool dividing(const TaskNumbers& numbers) { return numbers.operation == Operation::PolarDivide; }

Decimal whole(int value) { return {100LL * value, false}; }

// The modulus and the angle before it is brought into (−180°, 180°]: r₁·r₂ and φ₁ + φ₂, or r₁ / r₂ and φ₁ − φ₂.
Decimal modulusOf(const TaskNumbers& numbers) {
    const PolarValue a = numbers.firstPolar, b = numbers.secondPolar;
    // A quotient is drawn so that it has at most one decimal: exact in hundredths.
    return dividing(numbers) ? Decimal{100LL * a.modulus / b.modulus, false} : whole(a.modulus * b.modulus);
}

int anglesOf(const TaskNumbers& numbers) {
    const PolarValue a = numbers.firstPolar, b = numbers.secondPolar;
    return dividing(numbers) ? a.degrees - b.degrees : a.degrees + b.degrees;
}

}  // namespace

ExerciseTask makePolarProductTask(RawValueSource& source) {
    const bool divide = drawIndex(source, 2) == 1;
    const bool crossing = drawIndex(source, 3) == 0;
    int r1 = 0, r2 = 0;
    do {
        r1 = 1 + drawIndex(source, 20);
        r2 = 1 + drawIndex(source, 20);
    } while (divide && (10 * r1) % r2 != 0);
    int phi1 = 0, phi2 = 0;
    do {
        phi1 = drawDegrees(source);
        phi2 = drawDegrees(source);
    } while (crossesHalfTurn(divide ? phi1 - phi2 : phi1 + phi2) != crossing);
    TaskNumbers numbers{divide ? Operation::PolarDivide : Operation::PolarMultiply, {}, {}};
    numbers.firstPolar = {r1, phi1};
    numbers.secondPolar = {r2, phi2};
    const std::complex<double> exact = divide ? complexOf(numbers.firstPolar) / complexOf(numbers.secondPolar)
                                              : complexOf(numbers.firstPolar) * complexOf(numbers.secondPolar);
    const std::string shown =
        polarText(numbers.firstPolar) + (divide ? " / " : " \u00B7 ") + polarText(numbers.secondPolar);
    return {{shown},
            polarFields(exact, modulusOf(numbers), whole(principalDegrees(anglesOf(numbers))), kExactModulusTolerance,
                        kExactAngleTolerance),
            numbers};
}

Diagnosis judgePolarProduct(const ExerciseTask& task, const TypedAnswer& typed) {
    if (isRightAnswer(typed, task))
        return rightAnswer(AnswerForm::Polar);
    const TaskNumbers& numbers = task.numbers;
    const PolarValue a = numbers.firstPolar, b = numbers.secondPolar;
    const bool divide = dividing(numbers);
    PolarSlips slips;
    slips.modulus = {divide ? Slip{Finding::ModuliSubtracted, double(a.modulus - b.modulus)}
                            : Slip{Finding::ModuliAdded, double(a.modulus + b.modulus)},
                     {Finding::SignTurned, -modulusOf(numbers).value(), 0, {AnswerPart::Modulus}}};
    slips.angle = {divide ? Slip{Finding::AnglesAdded, double(a.degrees + b.degrees)}
                          : Slip{Finding::AnglesSubtracted, double(a.degrees - b.degrees)},
                   {Finding::SignTurned, -double(anglesOf(numbers)), 0, {AnswerPart::Angle}}};
    return diagnosePolar(task, typed, slips);
}

WorkedSolution solvePolarProduct(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution = polarFrame(task, judgement);
    const TaskNumbers& numbers = task.numbers;
    const PolarValue a = numbers.firstPolar, b = numbers.secondPolar;
    const bool divide = dividing(numbers);
    const Decimal modulus = modulusOf(numbers);
    const int angles = anglesOf(numbers), principal = principalDegrees(angles);
    const std::string first = mathPolar(whole(a.modulus), whole(a.degrees)),
                      second = mathPolar(whole(b.modulus), whole(b.degrees));
    const std::string moduli = std::to_string(a.modulus) + (divide ? " / " : " \u00B7 ") + std::to_string(b.modulus);
    const std::string sum =
        mathDegrees(whole(a.degrees)) + (divide ? " \u2212 " : " + ") + mathDegreesFactor(whole(b.degrees));
    solution.steps.push_back(
        {0,
         false,
         {math(first + (divide ? " / " : " \u00B7 ") + second), math("(" + moduli + ")\u2220(" + sum + ")"),
          math(mathPolar(modulus, whole(angles)))},
         divide ? phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Beträge dividieren, Winkel subtrahieren:"))
                : phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Beträge multiplizieren, Winkel addieren:"))});
    if (principal != angles)
        solution.steps.push_back(
            {0,
             true,
             {math(mathPolar(modulus, whole(principal)))},
             phrase(QT_TRANSLATE_NOOP("Loesungsweg",
                                      "Den Winkel um 360° verschieben, bis er zwischen −180° und 180° liegt:"))});
    solution.steps.push_back({0,
                              true,
                              {math(mathExponential(modulus, whole(principal)))},
                              phrase(QT_TRANSLATE_NOOP("Loesungsweg", "In Exponentialform:"))});
    return solution;
}

}  // namespace tessaro
