// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/AnswerReading.h"
#include "logic/ExerciseTask.h"
#include "logic/MathTerm.h"
#include "logic/Phrase.h"
#include "logic/PlaneSketch.h"

#include <string>
#include <vector>

namespace tessaro {

// One line of the calculation: an equation whose sides are all equal. The steps of one chain follow on from each
// other; a step that continues its chain begins with "=" and leaves its first side, the chain's last, unwritten.
struct Step {
    int chain = 0;
    bool continues = false;
    std::vector<MathTerm> sides;
    Phrase note;            // what the step does, said before it; none where the step speaks for itself
    bool slipHere = false;  // the line where the diagnosed slip happens, set from the diagnosis for the page to mark
};

// What is wrong with a typed answer, the most specific finding that applies. Where the numbers of two findings
// coincide, the judgements name one of them in an order of their own (logic/AnswerDiagnosis.h).
enum class Finding {
    Right,                     // nothing: the answer is the expected text
    Nothing,                   // nothing typed
    EmptyFields,               // these fields of several are empty
    Unreadable,                // not a number in any form; with a fraction, the fields that are not
    FormOnly,                  // the value is right, only the way it is written is not
    RootNotTaken,              // the right root, not worked out
    DivisorNotConjugated,      // numerator multiplied by the divisor instead of its conjugate
    JSquaredAsPlusOne,         // j² taken as +1 in a product; with a fraction, in the parts named
    RootMissing,               // the sum of the squares, not its root
    ReversedDifference,        // b − a worked out for a − b
    AddedInsteadOfSubtracted,  // a + b for a − b
    SubtractedInsteadOfAdded,  // a − b for a + b
    ProductPartByPart,         // ac + j·bd for (a + jb)(c + jd)
    OperandSignMisread,        // one operand's imaginary part taken with the other sign
    DenominatorAsModulus,      // |c + jd| as the denominator, not c² + d²
    PartsAdded,                // x + y for the modulus
    ModulusOfPartsAdded,       // |x| + |y| for the modulus
    SquaresSubtracted,         // √(x² − y²) for the modulus
    UnitForgotten,             // the imaginary part written without its j
    Negated,                   // both parts right but for their signs
    PartsSwapped,              // real and imaginary part swapped
    SignTurned,                // one part right but for its sign
    WrongParts,                // these parts are wrong

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
    FormSlip slip = FormSlip::Other;          // with FormOnly: how the form differs, the first of `slips`
    std::vector<FormSlip> slips;              // with FormOnly: every way the form differs
    bool reducedFraction = false;             // with FormOnly: an equal fraction, not the one asked for
    std::vector<AnswerPart> parts;            // the parts or fields a finding names
    MathTerm detail;  // with RootMissing and RootNotTaken the root worked out; with OperandSignMisread the operand
    int operand = 0;  // with OperandSignMisread: 1 for the first operand, 2 for the second
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
    MathTerm result;   // the expected answer, as the verdict shows it
    MathTerm written;  // the expected answer in the notation of the steps; empty where `result` stands for it
    MathTerm typed;    // the answer as typed, or its value in the notation of the steps where that is what is wrong
    Diagnosis diagnosis;
    std::vector<ExplanationLine> explanation;  // the diagnosis in words
    PlaneSketch picture;                       // the task, its result and the typed answer in the complex plane
};

// Typed answers longer than this are shown cut, with "…".
inline constexpr std::size_t kShownTypedLength = 24;

}  // namespace tessaro
