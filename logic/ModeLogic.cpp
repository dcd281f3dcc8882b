// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/ModeLogic.h"

#include "logic/CartesianModes.h"
#include "logic/Explanation.h"
#include "logic/PolarModes.h"

#include <algorithm>
#include <utility>

namespace tessaro {

namespace {

const ModeLogic kModes[] = {
    {ExerciseMode::AddSubtract, makeAddSubtractTask, judgeAddSubtract, solveAddSubtract, explainCartesian},
    {ExerciseMode::Modulus, makeModulusTask, judgeModulus, solveModulus, explainCartesian},
    {ExerciseMode::Multiply, makeMultiplyTask, judgeMultiply, solveMultiply, explainCartesian},
    {ExerciseMode::Divide, makeDivisionTask, judgeDivision, solveDivision, explainCartesian},
    {ExerciseMode::ToPolar, makeToPolarTask, judgeToPolar, solveToPolar, explainToPolar},
    {ExerciseMode::ToCartesian, makeToCartesianTask, judgeToCartesian, solveToCartesian, explainToCartesian},
    {ExerciseMode::PolarMultiplyDivide, makePolarProductTask, judgePolarProduct, solvePolarProduct,
     explainPolarProduct},
    {ExerciseMode::AddPhasors, makePhasorSumTask, judgePhasorSum, solvePhasorSum, explainPhasorSum},
};

}  // namespace

std::span<const ModeLogic> modeLogics() { return kModes; }

const ModeLogic* modeLogic(ExerciseMode mode) {
    const auto row = std::ranges::find(kModes, mode, &ModeLogic::mode);
    return row == std::end(kModes) ? nullptr : row;
}

Judgement judge(const ModeLogic& logic, const ExerciseTask& task, TypedAnswer typed) {
    Diagnosis diagnosis = logic.judge(task, typed);
    return {std::move(typed), std::move(diagnosis)};
}

WorkedSolution workThrough(const ModeLogic& logic, const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution = logic.solve(task, judgement);
    solution.explanation = logic.explain(solution.diagnosis, solution.result);
    solution.picture = sketchOf(task.numbers, typedPoint(task, judgement.typed));
    return solution;
}

}  // namespace tessaro
