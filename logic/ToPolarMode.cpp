// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"
#include "logic/PolarModes.h"
#include "logic/PolarSteps.h"
#include "logic/PolarTask.h"

#include <complex>

namespace tessaro {

namespace {

Decimal whole(int value) { return {100LL * value, false}; }

// "-3 + j4", "7 - j2", "0 + j5": the task as the screen shows it.
std::string taskText(ComplexValue z) {
    return std::to_string(z.re) + (z.im < 0 ? " - j" : " + j") + std::to_string(z.im < 0 ? -z.im : z.im);
}

}  // namespace

ExerciseTask makeToPolarTask(RawValueSource& source) {
    const bool axis = drawIndex(source, 10) == 0;
    const int where =
        drawIndex(source, 4);  // a quadrant, counted from the first, or a half-axis from the positive real
    ComplexValue z;
    if (axis) {
        const int length = 1 + drawIndex(source, 9);
        const ComplexValue directions[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
        z = {directions[where].re * length, directions[where].im * length};
    } else {
        const int x = 1 + drawIndex(source, 9), y = 1 + drawIndex(source, 9);
        z = {where == 0 || where == 3 ? x : -x, where <= 1 ? y : -y};
    }
    const TaskNumbers numbers{Operation::ToPolar, z, {}};
    const std::complex<double> exact(z.re, z.im);
    const RoundedPolar polar = roundedPolar(whole(z.re), whole(z.im));
    return {{taskText(z)},
            polarFields(exact, polar.modulus, polar.degrees, conversionTolerance(std::abs(exact)),
                        kConversionAngleTolerance),
            numbers};
}

Diagnosis judgeToPolar(const ExerciseTask& task, const TypedAnswer& typed) {
    if (isRightAnswer(typed, task))
        return rightAnswer(AnswerForm::Polar);
    const ComplexValue z = task.numbers.first;
    const int squares = z.re * z.re + z.im * z.im;
    const Decimal modulus = roundedPolar(whole(z.re), whole(z.im)).modulus;
    PolarSlips slips;
    slips.modulus = {{Finding::RootMissing,
                      double(squares),
                      0,
                      {},
                      root(math(std::to_string(squares))) + math(" = " + mathText(modulus))},
                     {Finding::SignTurned, -std::abs(std::complex<double>(z.re, z.im)), 0, {AnswerPart::Modulus}}};
    slips.angle = polarAngleSlips(z.re, z.im);
    return diagnosePolar(task, typed, slips);
}

WorkedSolution solveToPolar(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution = polarFrame(task, judgement);
    const ComplexValue z = task.numbers.first;
    polarSteps(solution.steps, whole(z.re), whole(z.im), {}, 1);
    return solution;
}

}  // namespace tessaro
