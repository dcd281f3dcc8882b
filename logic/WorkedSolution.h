// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/AnswerReading.h"
#include "logic/ExerciseMode.h"
#include "logic/MathTerm.h"
#include "logic/TaskNumbers.h"

#include <string>
#include <vector>

namespace tessaro {

// What a step does, for the page to say in words before it.
enum class StepNote {
    None,
    AddParts,             // real parts and imaginary parts added separately
    SubtractParts,        // ... subtracted separately
    ModulusRule,          // the root of the sum of the squares of both parts
    FourProducts,         // every part times every part
    CollectParts,         // real and imaginary part collected
    ExpandWithConjugate,  // numerator and denominator times the conjugate of the divisor
    Numerator,
    JSquaredCollect,  // with j² = −1, real and imaginary part collected
    Denominator,
    Unreduced,  // the fraction as the screen asks for it, not reduced
};

// One line of the calculation: an equation whose sides are all equal. The steps of one chain follow on from each
// other; a step that continues its chain begins with "=" and leaves its first side, the chain's last, unwritten.
struct Step {
    int chain = 0;
    bool continues = false;
    std::vector<MathTerm> sides;
    StepNote note = StepNote::None;
};

// What is wrong with a typed answer, the most specific finding that applies.
enum class Finding {
    Right,                 // nothing: the answer is the expected text
    Nothing,               // nothing typed
    Unreadable,            // not a number in any form
    FormOnly,              // the value is right, only the way it is written is not
    JSquaredAsPlusOne,     // j² taken as +1 in a product
    DivisorNotConjugated,  // numerator multiplied by the divisor instead of its conjugate
    RootMissing,           // the sum of the squares, not its root
    PartsSwapped,          // real and imaginary part swapped
    SignTurned,            // one part right but for its sign
    WrongParts,            // these parts are wrong
};

// The parts of an answer a finding names.
enum class AnswerPart { Real, Imaginary, Modulus, RealNumerator, ImaginaryNumerator, Denominator };

struct Diagnosis {
    Finding finding = Finding::Right;
    AnswerForm form = AnswerForm::Cartesian;  // the form asked for
    FormSlip slip = FormSlip::Other;          // with FormOnly: how the form differs
    bool reducedFraction = false;             // with FormOnly: an equal fraction, not the one asked for
    std::vector<AnswerPart> parts;            // with SignTurned and WrongParts
    MathTerm detail;                          // with RootMissing: the root that was left out
};

// A task worked through with its own numbers, and what is wrong with the typed answer.
struct WorkedSolution {
    MathTerm task;  // as the screen shows it
    std::vector<Step> steps;
    MathTerm result;  // the expected answer, as the verdict shows it
    MathTerm typed;   // the answer as typed
    Diagnosis diagnosis;
};

// The typed answer: one text on the first exercise screen; on the division screen the real part of the numerator,
// the denominator and the imaginary part of the numerator.
using TypedAnswer = std::vector<std::string>;

// One solver per mode, all alike.
using Solver = WorkedSolution (*)(const TaskNumbers& task, const TypedAnswer& typed);
WorkedSolution solveAddSubtract(const TaskNumbers& task, const TypedAnswer& typed);
WorkedSolution solveModulus(const TaskNumbers& task, const TypedAnswer& typed);
WorkedSolution solveMultiply(const TaskNumbers& task, const TypedAnswer& typed);
WorkedSolution solveDivide(const TaskNumbers& task, const TypedAnswer& typed);

// Typed answers longer than this are shown cut, with "…".
inline constexpr std::size_t kShownTypedLength = 24;

}  // namespace tessaro
