// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/ExerciseTask.h"
#include "logic/RandomSource.h"
#include "logic/WorkedSolution.h"

namespace tessaro {

// The modes of the polar form r∠φ. Each draws its tasks, judges a typed answer by its value within the tolerance of a
// student who works with a calculator and keeps two decimals in every step (one in an angle), works a task through
// with its own numbers and puts what it finds into words; the table of modes names them. A polar answer has two
// fields, the modulus and the angle in degrees; after a wrong answer the verdict names it in both polar forms
// (polarForms).

// x + jy with whole parts −9 … 9, never 0: each quadrant equally often, about one task in ten on an axis. Answered as
// modulus and angle, each within 0.5 % of the modulus (at least 0.05) and 0.1°.
ExerciseTask makeToPolarTask(RawValueSource& source);
Diagnosis judgeToPolar(const ExerciseTask& task, const TypedAnswer& typed);
WorkedSolution solveToPolar(const ExerciseTask& task, const Judgement& judgement);
std::vector<ExplanationLine> explainToPolar(const Diagnosis& diagnosis, const MathTerm& result);

// r∠φ with r 1 … 20 and φ in steps of 5° in (−180°, 180°]. Answered as x+jy, each part within 0.5 % of the modulus
// (at least 0.05).
ExerciseTask makeToCartesianTask(RawValueSource& source);
Diagnosis judgeToCartesian(const ExerciseTask& task, const TypedAnswer& typed);
WorkedSolution solveToCartesian(const ExerciseTask& task, const Judgement& judgement);
std::vector<ExplanationLine> explainToCartesian(const Diagnosis& diagnosis, const MathTerm& result);

// r₁∠φ₁ · r₂∠φ₂ or r₁∠φ₁ / r₂∠φ₂ with whole moduli 1 … 20, a quotient's modulus whole or with one decimal, and a
// third of the tasks crossing ±180°. The result is exact: right is what rounds to it, 0.005 and 0.05°.
ExerciseTask makePolarProductTask(RawValueSource& source);
Diagnosis judgePolarProduct(const ExerciseTask& task, const TypedAnswer& typed);
WorkedSolution solvePolarProduct(const ExerciseTask& task, const Judgement& judgement);
std::vector<ExplanationLine> explainPolarProduct(const Diagnosis& diagnosis, const MathTerm& result);

// r₁∠φ₁ + r₂∠φ₂ with moduli 1 … 20 and angles in steps of 5°, their difference not within 10° of 0° or 180°; the sum
// at least 5 and at least half the longer phasor, and every slip the judgement names outside the tolerance. The
// tolerance: 0.5 % of the modulus (at least 0.05), and for the angle 0.1° or as much as the rounding of the parts can
// turn the sum (phasorAngleTolerance).
ExerciseTask makePhasorSumTask(RawValueSource& source);
Diagnosis judgePhasorSum(const ExerciseTask& task, const TypedAnswer& typed);
WorkedSolution solvePhasorSum(const ExerciseTask& task, const Judgement& judgement);
std::vector<ExplanationLine> explainPhasorSum(const Diagnosis& diagnosis, const MathTerm& result);

}  // namespace tessaro
