// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/ExerciseTask.h"
#include "logic/RandomSource.h"
#include "logic/WorkedSolution.h"

namespace tessaro {

// The modes of the cartesian form x + jy. Each draws its tasks, judges a typed answer by its exact text and works a
// task through with its own numbers; the table of modes names them.

// The sum or difference of two numbers with parts up to 100.
ExerciseTask makeAddSubtractTask(RawValueSource& source);
Diagnosis judgeAddSubtract(const ExerciseTask& task, const TypedAnswer& typed);
WorkedSolution solveAddSubtract(const ExerciseTask& task, const Judgement& judgement);

// A number whose modulus is whole: a Pythagorean pair, or a purely real or purely imaginary number.
ExerciseTask makeModulusTask(RawValueSource& source);
Diagnosis judgeModulus(const ExerciseTask& task, const TypedAnswer& typed);
WorkedSolution solveModulus(const ExerciseTask& task, const Judgement& judgement);

// The product of two numbers with parts up to 10.
ExerciseTask makeMultiplyTask(RawValueSource& source);
Diagnosis judgeMultiply(const ExerciseTask& task, const TypedAnswer& typed);
WorkedSolution solveMultiply(const ExerciseTask& task, const Judgement& judgement);

// (a + jb) / (c + jd) = ((ac + bd) + j (bc − ad)) / (c² + d²): the three whole numbers of that unreduced fraction,
// typed as the real part of the numerator, the denominator and the imaginary part of the numerator. The divisor is
// never zero: both operands are drawn again until it is not.
ExerciseTask makeDivisionTask(RawValueSource& source);
Diagnosis judgeDivision(const ExerciseTask& task, const TypedAnswer& typed);
WorkedSolution solveDivision(const ExerciseTask& task, const Judgement& judgement);

}  // namespace tessaro
