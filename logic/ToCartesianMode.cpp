// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"
#include "logic/PolarDiagnosis.h"
#include "logic/PolarModes.h"
#include "logic/PolarTask.h"
#include "logic/SolutionFrame.h"

#include <cmath>
#include <utility>

namespace tessaro {

namespace {

// x = r·cos φ and y = r·sin φ, each rounded to two decimals.
std::pair<Decimal, Decimal> roundedParts(PolarValue z) {
    const double phi = z.degrees * kRadiansPerDegree;
    return {toDecimal(z.modulus * std::cos(phi)), toDecimal(z.modulus * std::sin(phi))};
}

std::string cosSin(const char* function, PolarValue z) {
    return std::to_string(z.modulus) + " \u00B7 " + function + "(" + mathDegrees({100LL * z.degrees, false}) + ")";
}

}  // namespace

ExerciseTask makeToCartesianTask(RawValueSource& source) {
    const PolarValue z{1 + drawIndex(source, 20), drawDegrees(source)};
    const std::complex<double> exact = complexOf(z);
    const auto [x, y] = roundedParts(z);
    const std::string answer = cartesianText(x, y);
    const JudgedValue judged{JudgedValue::Kind::Cartesian, exact.real(), exact.imag(), conversionTolerance(z.modulus)};
    TaskNumbers numbers{Operation::ToCartesian, {}, {}};
    numbers.firstPolar = z;
    return {{polarText(z)}, {{answer, answer, judged}}, numbers};
}

Diagnosis judgeToCartesian(const ExerciseTask& task, const TypedAnswer& typed) {
    if (isRightAnswer(typed, task))
        return rightAnswer(AnswerForm::DecimalCartesian);
    const PolarValue z = task.numbers.firstPolar;
    const double r = z.modulus, phi = z.degrees * kRadiansPerDegree;
    const double x = r * std::cos(phi), y = r * std::sin(phi);
    // A calculator on radians takes the angle's number of degrees for radians.
    const double radians = z.degrees;
    return diagnoseDecimalCartesian(task, typed,
                                    {{Finding::CosSinSwapped, y, x},
                                     {Finding::DegreesRadians, r * std::cos(radians), r * std::sin(radians)},
                                     {Finding::SignTurned, x, -y, {AnswerPart::Imaginary}},
                                     {Finding::SignTurned, -x, y, {AnswerPart::Real}}},
                                    true);
}

WorkedSolution solveToCartesian(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution = framedSolution(task, judgement);
    const PolarValue z = task.numbers.firstPolar;
    const auto [x, y] = roundedParts(z);
    solution.steps.push_back({1,
                              false,
                              {math("x"), math(cosSin("cos", z)), math(mathText(x))},
                              phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Realteil: x = r · cos φ"))});
    solution.steps.push_back({2,
                              false,
                              {math("y"), math(cosSin("sin", z)), math(mathText(y))},
                              phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Imaginärteil: y = r · sin φ"))});
    const Decimal modulus{100LL * z.modulus, false}, degrees{100LL * z.degrees, false};
    solution.steps.push_back({0,
                              false,
                              {math(mathPolar(modulus, degrees)), math(mathCartesian(x, y))},
                              phrase(QT_TRANSLATE_NOOP("Loesungsweg", "In kartesischer Form:"))});
    solution.result = verbatim(task.fields.front().shown);
    return solution;
}

}  // namespace tessaro
