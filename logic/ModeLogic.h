// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/ExerciseMode.h"
#include "logic/ExerciseTask.h"
#include "logic/RandomSource.h"
#include "logic/WorkedSolution.h"

#include <span>

namespace tessaro {

// The logic of one exercise mode, one row of modeLogics(): how it draws a task, judges a typed answer and works a
// task through. A judge finds Finding::Right exactly where the verdict is right; the worked solution starts from that
// same judgement.
struct ModeLogic {
    ExerciseMode mode;
    ExerciseTask (*makeTask)(RawValueSource& source);
    Diagnosis (*judge)(const ExerciseTask& task, const TypedAnswer& typed);
    WorkedSolution (*solve)(const ExerciseTask& task, const Judgement& judgement);
    // The diagnosis in words; `result` is the right answer as the verdict shows it.
    std::vector<ExplanationLine> (*explain)(const Diagnosis& diagnosis, const MathTerm& result);
};

std::span<const ModeLogic> modeLogics();
// The row of `mode`; nullptr while no mode is chosen.
const ModeLogic* modeLogic(ExerciseMode mode);

// The verdict on a typed answer and what is wrong with it.
Judgement judge(const ModeLogic& logic, const ExerciseTask& task, TypedAnswer typed);
// The task worked through for the answer judged, the diagnosis put into words.
WorkedSolution workThrough(const ModeLogic& logic, const ExerciseTask& task, const Judgement& judgement);

}  // namespace tessaro
