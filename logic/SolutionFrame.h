// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/WorkedSolution.h"

#include <array>
#include <optional>

namespace tessaro {

// What the worked solutions of the cartesian modes share.

// The task and the answer as their screen shows them, and the judgement's diagnosis, for a mode of one answer field.
WorkedSolution framedSolution(const ExerciseTask& task, const Judgement& judgement);

// The answer as the page shows it: where its value is what is wrong, that value as the steps write numbers, so that it
// compares with the result; the text as typed where the way it is written matters or it has no value.
MathTerm typedAnswerTerm(const Judgement& judgement, AnswerForm form);

// The task's operands with a double sign resolved, "12 − j(−8) = 12 + j8", one line each, each in a chain of its own
// from `chain` on; the first line says what they do. `operands` is 1 or 2. Returns the index of each operand's line in
// `steps`, nullopt where its signs are not doubled.
using OperandLines = std::array<std::optional<std::size_t>, 2>;
OperandLines resolvedSigns(std::vector<Step>& steps, const TaskNumbers& numbers, int operands, int chain);

// The steps of a · b in chain `chain`: each part times each part, the products, j² = −1 where there is a j², real and
// imaginary part collected. The first step says `firstNote`.
struct ProductLines {
    ComplexValue product;
    std::size_t expansion;                // each part times each part
    std::optional<std::size_t> jSquared;  // j² replaced by −1, where a j² comes up
};
ProductLines productSteps(std::vector<Step>& steps, int chain, ComplexValue a, ComplexValue b, Phrase firstNote);

// Appends a step without the sides that repeat the side before them; nothing where the step is left without an
// equation (or, continuing its chain, without a side). Returns its index.
std::optional<std::size_t> appendStep(std::vector<Step>& steps, Step step);

// Real and imaginary part collected, each the sum of two terms: "(30 − 12) + j(−45 + 20)"; a part with one term that
// is not zero is written alone, one with none is left out, "0" where both are.
std::string collectedParts(int real1, int real2, int imaginary1, int imaginary2);

// Marks the line where the diagnosed slip happens, where there is one.
void markSlip(std::vector<Step>& steps, std::optional<std::size_t> line);

}  // namespace tessaro
