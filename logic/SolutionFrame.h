// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/WorkedSolution.h"

namespace tessaro {

// What the worked solutions of the one-answer modes share: the task and the answer as their screen shows them, and
// the judgement's diagnosis.
WorkedSolution framedSolution(const ExerciseTask& task, const Judgement& judgement);

// The steps of (a1 + j a2)·(b1 + j b2), four products and j² = −1, from its written form to real and imaginary part,
// in chain `chain` (and `chain` + 1 for the line j² = −1 where `jSquaredLine`). Returns the product.
ComplexValue productSteps(std::vector<Step>& steps, int chain, ComplexValue a, ComplexValue b, Phrase firstNote,
                          bool jSquaredLine, Phrase collectNote);

}  // namespace tessaro
