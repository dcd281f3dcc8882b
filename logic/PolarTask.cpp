// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/PolarTask.h"

#include "logic/AnswerDiagnosis.h"

#include <algorithm>
#include <cmath>

namespace tessaro {

namespace {

// The parts of a phasor rounded to two decimals are each at most 0.005 off; their sums at most 0.01.
constexpr double kSumRounding = 0.01;
// An angle rounded to one decimal is at most 0.05° off.
constexpr double kAngleRounding = 0.05;

}  // namespace

int drawIndex(RawValueSource& source, int n) { return std::min(drawScaled(source, n), n - 1); }

int drawDegrees(RawValueSource& source) { return 5 * (drawIndex(source, 72) - 35); }

double conversionTolerance(double modulus) { return std::max(0.005 * modulus, 0.05); }

double phasorAngleTolerance(std::complex<double> sum) {
    // The angle turns furthest where both parts of the sum are off by the most, at a corner of that square.
    double turn = 0;
    for (const double dx : {-kSumRounding, kSumRounding})
        for (const double dy : {-kSumRounding, kSumRounding})
            turn = std::max(turn, angleDistance(degreesOf(sum + std::complex(dx, dy)), degreesOf(sum)));
    return std::max(kConversionAngleTolerance, kAngleRounding + turn);
}

std::vector<AnswerField> polarFields(std::complex<double> exact, Decimal modulus, Decimal degrees,
                                     double modulusTolerance, double angleTolerance) {
    const std::string r = plainText(modulus), phi = plainText(degrees);
    return {{r, r, JudgedValue{JudgedValue::Kind::Number, std::abs(exact), 0, modulusTolerance}},
            {phi, phi, JudgedValue{JudgedValue::Kind::Angle, degreesOf(exact), 0, angleTolerance}}};
}

WorkedSolution polarFrame(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution;
    solution.task = verbatim(task.shown.empty() ? std::string() : task.shown.front());
    solution.result = verbatim(polarForms(task.fields.at(0).shown, task.fields.at(1).shown));
    const std::string angle = typedField(judgement.typed, 1);
    const bool degreeSign = angle.find("\u00B0") != std::string::npos || angle.find("\u00BA") != std::string::npos;
    solution.typed = shownTyped(typedField(judgement.typed, 0)) + math("\u2220") + shownTyped(angle) +
                     (degreeSign ? MathTerm{} : math("\u00B0"));
    solution.diagnosis = judgement.diagnosis;
    return solution;
}

}  // namespace tessaro
