// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/AnswerReading.h"
#include "logic/ExerciseTask.h"
#include "logic/MathTerm.h"
#include "logic/Phrase.h"

#include <string>
#include <vector>

namespace tessaro {

// One line of the calculation: an equation whose sides are all equal. The steps of one chain follow on from each
// other; a step that continues its chain begins with "=" and leaves its first side, the chain's last, unwritten.
struct Step {
    int chain = 0;
    bool continues = false;
    std::vector<MathTerm> sides;
    Phrase note;  // what the step does, said before it; none where the step speaks for itself
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

    // The polar form: converting to it and from it, multiplying and dividing in it, adding phasors. A turned angle is
    // SignTurned with the angle, r² for r is RootMissing.
    NoQuadrantCorrection,  // the angle without its quadrant's correction: φ ± 180°, or the triangle's angle α itself
    XYSwapped,             // x and y swapped in the arctan: 90° − φ
    DegreesRadians,        // degrees and radians mixed
    CosSinSwapped,         // x = r·sin φ and y = r·cos φ
    AnglesAdded,           // angles added when dividing
    AnglesSubtracted,      // angles subtracted when multiplying
    ModuliAdded,           // moduli added: when multiplying, or when adding phasors
    ModuliSubtracted,      // moduli subtracted when dividing
    AddedInPolarForm,      // phasors added in polar form: (r₁ + r₂)∠(φ₁ + φ₂)
    RoundedTooCoarsely,    // near the value, but further from it than two decimals in every step allow
};

// The parts of an answer a finding names.
enum class AnswerPart { Real, Imaginary, Modulus, RealNumerator, ImaginaryNumerator, Denominator, Angle };

struct Diagnosis {
    Finding finding = Finding::Right;
    AnswerForm form = AnswerForm::Cartesian;  // the form asked for
    FormSlip slip = FormSlip::Other;          // with FormOnly: how the form differs
    bool reducedFraction = false;             // with FormOnly: an equal fraction, not the one asked for
    std::vector<AnswerPart> parts;            // with SignTurned and WrongParts
    MathTerm detail;                          // with RootMissing: the root that was left out
    // A polar answer's modulus and angle are judged each on its own: what the angle shows where the modulus shows
    // something too, or what a part shows besides a slip of the other.
    std::vector<Diagnosis> further = {};
};

// A line of the explanation under the calculation: a sentence or several, or a formula.
struct ExplanationLine {
    std::vector<Phrase> sentences;  // said one after the other; empty on a formula's line
    MathTerm formula;
};

// What a mode's judgement finds in a typed answer: the screen's verdict and the worked solution both start from it.
struct Judgement {
    TypedAnswer typed;
    Diagnosis diagnosis;
    bool right() const { return diagnosis.finding == Finding::Right; }
};

// A task worked through with its own numbers, and what is wrong with the typed answer.
struct WorkedSolution {
    MathTerm task;  // as the screen shows it
    std::vector<Step> steps;
    MathTerm result;  // the expected answer, as the verdict shows it
    MathTerm typed;   // the answer as typed
    Diagnosis diagnosis;
    std::vector<ExplanationLine> explanation;  // the diagnosis in words
};

// Typed answers longer than this are shown cut, with "…".
inline constexpr std::size_t kShownTypedLength = 24;

}  // namespace tessaro
