// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the worked solution says about a typed answer: every finding with an answer that shows it and a close one
// that does not, the faults students met, the findings whose numbers coincide in their pinned order, the words
// themselves, and a sweep that applies each wrong rule to drawn tasks and expects the page to name it.

#include "tests/logic/WorkedTasks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using namespace testing_tasks;
using F = Finding;
using P = AnswerPart;
using S = FormSlip;

struct Expected {
    Finding finding;
    std::vector<AnswerPart> parts = {};
    std::vector<FormSlip> slips = {};
    bool reduced = false;
};

std::string joined(const TypedAnswer& typed) {
    std::string text;
    for (const std::string& field : typed)
        text += (text.empty() ? "" : " | ") + field;
    return text;
}

void expectDiagnosis(ExerciseMode mode, const ExerciseTask& task, const TypedAnswer& typed, const Expected& expected) {
    const Diagnosis diagnosis = work(mode, task, typed).diagnosis;
    EXPECT_EQ(diagnosis.finding, expected.finding) << joined(typed);
    EXPECT_EQ(diagnosis.parts, expected.parts) << joined(typed);
    if (expected.finding == F::FormOnly) {
        EXPECT_EQ(diagnosis.slips, expected.slips) << joined(typed);
        EXPECT_EQ(diagnosis.slip, expected.slips.front()) << joined(typed);
        EXPECT_EQ(diagnosis.reducedFraction, expected.reduced) << joined(typed);
    }
}

// |4 + j3| = 5, where x² − y² = 7 is positive.
const ExerciseTask kModulusOfFourAndThree = task(Operation::Modulus, {4, 3}, {}, {"4  +  j (3)"}, {{"5", "5"}});
// (1 + j2) / (3 + j4) = (11 + j2) / 25: a divisor whose modulus 5 is whole.
const ExerciseTask kWholeModulusDivisor = task(Operation::Divide, {1, 2}, {3, 4}, {"  1  +  j (2)", "  3  +  j (4)"},
                                               {{"11", "11"}, {"25", "25"}, {"2", "+ j (2)"}});

// Each finding with an answer that shows it, followed by a close answer that shows another.
TEST(Diagnosis, NamesTheMostSpecificFaultOfAnAnswer) {
    const struct {
        ExerciseMode mode;
        ExerciseTask task;
        TypedAnswer typed;
        Expected expected;
    } cases[] = {
        // (2 + j)(−1 + j9) = −11 + j17; j² = +1 gives 7 + j17, part by part −2 + j9, the first operand misread
        // 7 + j19, the second 7 − j19.
        {M::Multiply, kProduct, {"-11+j17"}, {F::Right}},
        {M::Multiply, kProduct, {""}, {F::Nothing}},
        {M::Multiply, kProduct, {" "}, {F::Unreadable}},
        {M::Multiply, kProduct, {"(2+j1)*(-1+j9)"}, {F::Unreadable}},
        {M::Multiply, kProduct, {"(-11+j17)"}, {F::FormOnly, {}, {S::Brackets}}},
        {M::Multiply, kProduct, {"-11 + j17"}, {F::FormOnly, {}, {S::Blanks}}},
        {M::Multiply, kProduct, {"-11 + j18"}, {F::WrongParts, {P::Imaginary}}},
        {M::Multiply, kProduct, {"-11+j(17)"}, {F::FormOnly, {}, {S::Brackets}}},
        {M::Multiply, kProduct, {"-11+17j"}, {F::FormOnly, {}, {S::UnitAfterNumber}}},
        {M::Multiply, kProduct, {"-11+18j"}, {F::WrongParts, {P::Imaginary}}},
        {M::Multiply, kProduct, {"-11+17"}, {F::UnitForgotten}},
        {M::Multiply, kProduct, {"-11+18"}, {F::Unreadable}},
        {M::Multiply, kProduct, {"-11+i17"}, {F::FormOnly, {}, {S::UnitLetter}}},
        {M::Multiply, kProduct, {"-11+J17"}, {F::FormOnly, {}, {S::UnitLetter}}},
        {M::Multiply, kProduct, {"-11+k17"}, {F::Unreadable}},
        {M::Multiply, kProduct, {"-11+j017"}, {F::FormOnly, {}, {S::NumberForm}}},
        {M::Multiply, kProduct, {"-11+j170"}, {F::WrongParts, {P::Imaginary}}},
        {M::Multiply, kProduct, {"-11.0+j17"}, {F::FormOnly, {}, {S::NumberForm}}},
        {M::Multiply, kProduct, {"−11+j17"}, {F::FormOnly, {}, {S::TypographicMinus}}},
        {M::Multiply, kProduct, {"7+j17"}, {F::JSquaredAsPlusOne}},
        {M::Multiply, kProduct, {"7+j18"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {M::Multiply, kProduct, {"-2+j9"}, {F::ProductPartByPart}},
        {M::Multiply, kProduct, {"-2+j8"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {M::Multiply, kProduct, {"7+j19"}, {F::OperandSignMisread}},
        {M::Multiply, kProduct, {"7-j19"}, {F::OperandSignMisread}},
        {M::Multiply, kProduct, {"7-j20"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {M::Multiply, kProduct, {"11-j17"}, {F::Negated}},
        {M::Multiply, kProduct, {"17-j11"}, {F::PartsSwapped}},
        {M::Multiply, kProduct, {"17+j11"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {M::Multiply, kProduct, {"11+j17"}, {F::SignTurned, {P::Real}}},
        {M::Multiply, kProduct, {"12+j17"}, {F::WrongParts, {P::Real}}},
        {M::Multiply, kProduct, {"-11-j17"}, {F::SignTurned, {P::Imaginary}}},
        {M::Multiply, kProduct, {"-11-j16"}, {F::WrongParts, {P::Imaginary}}},
        // (3 − j4) + (−2 + j4) = 1 + j0.
        {M::AddSubtract, kSum, {"1"}, {F::FormOnly, {}, {S::MissingPart}}},
        {M::AddSubtract, kSum, {"1+j1"}, {F::WrongParts, {P::Imaginary}}},
        {M::AddSubtract, kSum, {"1-j0"}, {F::FormOnly, {}, {S::NegativeZero}}},
        {M::AddSubtract, kSum, {"-1+j0"}, {F::SignTurned, {P::Real}}},
        {M::AddSubtract, kSum, {"0+j1"}, {F::PartsSwapped}},
        {M::AddSubtract, kSum, {"j1"}, {F::PartsSwapped}},
        {M::AddSubtract, kSum, {"5-j8"}, {F::SubtractedInsteadOfAdded}},
        // (−37 + j5) − (12 + j8) = −49 − j3; b − a is 49 + j3, a + b −25 + j13; the first operand misread gives
        // −49 − j13, the second −49 + j13.
        {M::AddSubtract, kDifference, {"-j3-49"}, {F::FormOnly, {}, {S::ImaginaryFirst}}},
        {M::AddSubtract, kDifference, {"+-49-j3"}, {F::FormOnly, {}, {S::DoubleSign}}},
        {M::AddSubtract, kDifference, {"-49-j3-j1"}, {F::Unreadable}},
        {M::AddSubtract, kDifference, {"49+j3"}, {F::ReversedDifference}},
        {M::AddSubtract, kDifference, {"49+j4"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {M::AddSubtract, kDifference, {"-25+j13"}, {F::AddedInsteadOfSubtracted}},
        {M::AddSubtract, kDifference, {"-49-j13"}, {F::OperandSignMisread}},
        {M::AddSubtract, kDifference, {"-49+j13"}, {F::OperandSignMisread}},
        {M::AddSubtract, kDifference, {"-49+j3"}, {F::SignTurned, {P::Imaginary}}},
        {M::AddSubtract, kDifference, {"-3-j49"}, {F::PartsSwapped}},
        {M::AddSubtract, kDifference, {"-49-3"}, {F::UnitForgotten}},
        // |3 − j4| = √25 = 5; x + y = −1, |x| + |y| = 7.
        {M::Modulus, kModulus, {"25"}, {F::RootMissing}},
        {M::Modulus, kModulus, {"24"}, {F::WrongParts, {P::Modulus}}},
        {M::Modulus, kModulus, {"-5"}, {F::SignTurned, {P::Modulus}}},
        {M::Modulus, kModulus, {"-4"}, {F::WrongParts, {P::Modulus}}},
        {M::Modulus, kModulus, {"5.0"}, {F::FormOnly, {}, {S::NumberForm}}},
        {M::Modulus, kModulus, {"5,0"}, {F::FormOnly, {}, {S::NumberForm}}},
        {M::Modulus, kModulus, {"5.5"}, {F::WrongParts, {P::Modulus}}},
        {M::Modulus, kModulus, {"0.5"}, {F::WrongParts, {P::Modulus}}},
        {M::Modulus, kModulus, {"+5"}, {F::FormOnly, {}, {S::NumberForm}}},
        {M::Modulus, kModulus, {" 5"}, {F::FormOnly, {}, {S::Blanks}}},
        {M::Modulus, kModulus, {"5+j0"}, {F::FormOnly, {}, {S::ExtraPart}}},
        {M::Modulus, kModulus, {"√25"}, {F::RootNotTaken}},
        {M::Modulus, kModulus, {"sqrt(25)"}, {F::RootNotTaken}},
        {M::Modulus, kModulus, {"Wurzel 25"}, {F::RootNotTaken}},
        {M::Modulus, kModulus, {"√26"}, {F::WrongParts, {P::Modulus}}},
        {M::Modulus, kModulus, {"√x"}, {F::Unreadable}},
        {M::Modulus, kModulus, {"-1"}, {F::PartsAdded}},
        {M::Modulus, kModulus, {"7"}, {F::ModulusOfPartsAdded}},
        {M::Modulus, kModulus, {"6"}, {F::WrongParts, {P::Modulus}}},
        {M::Modulus, kModulusOfFourAndThree, {"√7"}, {F::SquaresSubtracted}},
        {M::Modulus, kModulusOfFourAndThree, {"√8"}, {F::WrongParts, {P::Modulus}}},
        // (2 + j) / (−1 + j9) = (7 − j19) / 82; the divisor itself gives −11 + j17, j² = +1 gives −11 and −80, the
        // dividend misread −11 − j17.
        {M::Divide, kQuotient, {"7", "82", "-19"}, {F::Right}},
        {M::Divide, kQuotient, {"", "", ""}, {F::Nothing}},
        {M::Divide, kQuotient, {"", "", "0"}, {F::EmptyFields, {P::RealNumerator, P::Denominator}}},
        {M::Divide, kQuotient, {"7", "", "-19"}, {F::EmptyFields, {P::Denominator}}},
        {M::Divide, kQuotient, {"7", "0", "-19"}, {F::WrongParts, {P::Denominator}}},
        {M::Divide, kQuotient, {"x", "82", "y"}, {F::Unreadable, {P::RealNumerator, P::ImaginaryNumerator}}},
        {M::Divide, kQuotient, {"+7", "82", "-19"}, {F::FormOnly, {}, {S::NumberForm}}},
        {M::Divide, kQuotient, {"7", "82", "-j19"}, {F::FormOnly, {}, {S::UnitInField}}},
        {M::Divide, kQuotient, {"7", "82", "j-19"}, {F::FormOnly, {}, {S::UnitInField}}},
        {M::Divide, kQuotient, {"14", "164", "-38"}, {F::FormOnly, {}, {S::Other}, true}},
        {M::Divide, kQuotient, {"14", "164", "-39"}, {F::WrongParts, {P::ImaginaryNumerator}}},
        {M::Divide,
         kQuotient,
         {"13", "164", "-39"},
         {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator, P::Denominator}}},
        {M::Divide, kQuotient, {"-11", "82", "17"}, {F::DivisorNotConjugated}},
        {M::Divide, kQuotient, {"-11", "82", "16"}, {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator}}},
        {M::Divide, kQuotient, {"-11", "82", "-19"}, {F::JSquaredAsPlusOne, {P::RealNumerator}}},
        {M::Divide, kQuotient, {"7", "-80", "-19"}, {F::JSquaredAsPlusOne, {P::Denominator}}},
        {M::Divide, kQuotient, {"-11", "-80", "-19"}, {F::JSquaredAsPlusOne, {P::RealNumerator, P::Denominator}}},
        {M::Divide, kQuotient, {"-11", "82", "-18"}, {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator}}},
        {M::Divide, kQuotient, {"-11", "82", "-17"}, {F::OperandSignMisread}},
        {M::Divide, kQuotient, {"-19", "82", "7"}, {F::PartsSwapped}},
        {M::Divide,
         kQuotient,
         {"-19", "81", "7"},
         {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator, P::Denominator}}},
        {M::Divide, kQuotient, {"-7", "82", "-19"}, {F::SignTurned, {P::RealNumerator}}},
        {M::Divide, kQuotient, {"7", "-82", "-19"}, {F::SignTurned, {P::Denominator}}},
        {M::Divide, kQuotient, {"-7", "82", "19"}, {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator}}},
        {M::Divide, kWholeModulusDivisor, {"11", "5", "2"}, {F::DenominatorAsModulus}},
        {M::Divide, kWholeModulusDivisor, {"11", "5", "3"}, {F::WrongParts, {P::ImaginaryNumerator, P::Denominator}}},
        // (2 + j4) / (1 + j) = (6 + j2) / 2: the reduced fraction has the value but not the form.
        {M::Divide, kReducible, {"3", "1", "1"}, {F::FormOnly, {}, {S::Other}, true}},
        {M::Divide, kReducible, {"3", "1", "3"}, {F::WrongParts, {P::ImaginaryNumerator}}},
        {M::Divide, kReducible, {"3", "1", "-1"}, {F::WrongParts, {P::ImaginaryNumerator}}},
        {M::Divide,
         kReducible,
         {"4", "1", "3"},
         {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator, P::Denominator}}},
    };
    for (const auto& c : cases)
        expectDiagnosis(c.mode, c.task, c.typed, c.expected);
    EXPECT_EQ(readAloud(work(M::Modulus, kModulus, {"25"}).diagnosis.detail), "√(25) = 5");
    EXPECT_EQ(readAloud(work(M::Modulus, kModulus, {"√25"}).diagnosis.detail), "√(25) = 5");
    EXPECT_EQ(work(M::Multiply, kProduct, {"7+j19"}).diagnosis.operand, 1);
    EXPECT_EQ(work(M::Multiply, kProduct, {"7-j19"}).diagnosis.operand, 2);
    EXPECT_EQ(readAloud(work(M::Multiply, kProduct, {"7-j19"}).diagnosis.detail), "−1 − j(−9) = −1 + j9");
}

TEST(Diagnosis, NamesTheFormThatIsAskedFor) {
    EXPECT_EQ(work(M::AddSubtract, kSum, {"?"}).diagnosis.form, AnswerForm::Cartesian);
    EXPECT_EQ(work(M::Modulus, kModulus, {"?"}).diagnosis.form, AnswerForm::WholeNumber);
    EXPECT_EQ(work(M::Divide, kQuotient, {"?", "?", "?"}).diagnosis.form, AnswerForm::Fraction);
}

// The answers that students gave and the page misjudged.
TEST(Diagnosis, TakesXPlusJMinusYAsTheRightValueInTheWrongForm) {
    // [30 + j(−45)] + [−12 − j(−20)] = 18 − j25 and (2 + j) / (−1 + j9) = (7 − j19) / 82.
    expectDiagnosis(M::AddSubtract, kDoubleSigns, {"18+j-25"}, {F::FormOnly, {}, {S::SignAfterUnit}});
    EXPECT_EQ(said(work(M::AddSubtract, kDoubleSigns, {"18+j-25"})),
              "Der Wert stimmt, nur die Schreibweise nicht. Das Vorzeichen des Imaginärteils steht vor dem j: 3-j4, "
              "nicht 3+j-4. In der verlangten Form: 18-j25");
    expectDiagnosis(M::Multiply, kProduct, {"-11+j+17"}, {F::FormOnly, {}, {S::SignAfterUnit}});
    expectDiagnosis(M::Divide, kQuotient, {"7", "82", "j-19"}, {F::FormOnly, {}, {S::UnitInField}});
    expectDiagnosis(M::Divide, kQuotient, {"7", "82", "j19"}, {F::SignTurned, {P::ImaginaryNumerator}});
}

TEST(Diagnosis, TellsATurnedSignFromSwappedPartsWhereTheyCoincide) {
    // [3 + j(−4)] − [−2 + j(1)] = 5 − j5: −5 + j5 is b − a, also the parts swapped.
    const ExerciseTask difference =
        task(Operation::Subtract, {3, -4}, {-2, 1}, {"[3  +  j (-4)] - [-2  +  j (1)]"}, {{"5-j5", "5-j5"}});
    expectDiagnosis(M::AddSubtract, difference, {"-5+j5"}, {F::ReversedDifference});
    // [2 + j(1)] * [1 − j(3)] = 5 − j5: −5 + j5 has both signs turned, also the parts swapped.
    const ExerciseTask product =
        task(Operation::Multiply, {2, 1}, {1, -3}, {"[2  +  j (1)] * [1  -  j (3)]"}, {{"5-j5", "5-j5"}}, false, true);
    expectDiagnosis(M::Multiply, product, {"-5+j5"}, {F::Negated});
    EXPECT_EQ(said(work(M::Multiply, product, {"-5+j5"})),
              "Realteil und Imaginärteil haben beide das falsche Vorzeichen.");
}

TEST(Diagnosis, ComparesDecimalsExactlyAsFractionsOfWholeNumbers) {
    // (−1 − j(−7)) / (−1 + j(−7)) = (−48 − j14) / 50 = −0.96 − j0.28, neither of them exact in binary.
    const ExerciseTask quotient = task(Operation::Divide, {-1, 7}, {-1, -7}, {"  -1  -  j (-7)", "  -1  +  j (-7)"},
                                       {{"-48", "-48"}, {"50", "50"}, {"-14", "+ j (-14)"}}, true, false);
    for (const TypedAnswer& typed : {TypedAnswer{"-0.96", "1", "-0.28"}, TypedAnswer{"-.96", "1", "-.28"},
                                     TypedAnswer{"-,96", "1", "-,28"}, TypedAnswer{"-4.8", "5", "-1.4"}})
        expectDiagnosis(M::Divide, quotient, typed, {F::FormOnly, {}, {S::Other}, true});
    // A decimal that is not the value is wrong in its own part.
    expectDiagnosis(M::Divide, quotient, {"-.97", "1", "-.28"}, {F::WrongParts, {P::RealNumerator}});
    // So does the reader: 0.1 + 0.2 is no 0.3 in binary, but its fractions are exact.
    EXPECT_EQ(readExact("0.3-j0.7"), (ExactValue{{3, 10}, {-7, 10}}));
    EXPECT_TRUE(sameRatio(exactNumber(3, 10), exactNumber(1), 3, 10));
    EXPECT_FALSE(sameRatio(exactNumber(3, 10), exactNumber(1), 1, 3));
}

TEST(Diagnosis, NamesAnEmptyFieldOfAQuotient) {
    EXPECT_EQ(said(work(M::Divide, kQuotient, {"7", "", "-19"})),
              "Das Feld für den Nenner ist leer. Verlangt sind drei ganze Zahlen: Realteil und Imaginärteil des "
              "Zählers und der Nenner.");
}

TEST(Diagnosis, NamesEveryWayARightValueIsWrittenWrongly) {
    const struct {
        ExerciseMode mode;
        ExerciseTask task;
        std::string typed;
        std::vector<FormSlip> slips;
    } cases[] = {
        {M::AddSubtract, kDoubleSigns, "18\u2212j25", {S::TypographicMinus}},
        {M::AddSubtract, kDoubleSigns, "18\u2013j25", {S::TypographicMinus}},
        {M::AddSubtract, kDoubleSigns, "18+-j25", {S::DoubleSign}},
        {M::AddSubtract, kDoubleSigns, "18-j*25", {S::TimesSign}},
        {M::AddSubtract, kDoubleSigns, "-j25+18", {S::ImaginaryFirst}},
        {M::AddSubtract, kDoubleSigns, "18 - 25i", {S::Blanks, S::UnitLetter, S::UnitAfterNumber}},
        {M::AddSubtract, kDoubleSigns, "(+18) − j(25)", {S::Blanks, S::Brackets, S::TypographicMinus, S::NumberForm}},
        {M::AddSubtract, kSum, "1-j0", {S::NegativeZero}},
        {M::Modulus, kModulus, "5+j0", {S::ExtraPart}},
    };
    for (const auto& c : cases)
        expectDiagnosis(c.mode, c.task, {c.typed}, {F::FormOnly, {}, c.slips});
    // With the typographic minus the answer looks like the right one; the page says what differs.
    EXPECT_EQ(said(work(M::AddSubtract, kDoubleSigns, {"18\u2212j25"})),
              "Der Wert stimmt, nur die Schreibweise nicht. Das Minus ist ein typografisches Zeichen (− oder –); "
              "getippt wird das Minus der Tastatur (-). In der verlangten Form: 18-j25");
    EXPECT_EQ(said(work(M::AddSubtract, kDoubleSigns, {"18 - 25i"})),
              "Der Wert stimmt, nur die Schreibweise nicht. Leerzeichen gehören nicht in die Eingabe. Die imaginäre "
              "Einheit wird als kleines j geschrieben. Das j steht vor der Zahl: j4, nicht 4j. In der verlangten "
              "Form: 18-j25");
}

TEST(Diagnosis, TakesANumberWithoutItsJForAForgottenJ) {
    // [5 + j(−4)] − [5 − j(−8)] = 0 − j12.
    const ExerciseTask imaginary = task(Operation::Subtract, {5, -4}, {5, 8}, {"[5  +  j (-4)] - [5  -  j (-8)]"},
                                        {{"0-j12", "0-j12"}}, false, true);
    expectDiagnosis(M::AddSubtract, imaginary, {"-12"}, {F::UnitForgotten});
    EXPECT_EQ(said(work(M::AddSubtract, imaginary, {"-12"})),
              "Es sieht so aus, als fehlte das j vor dem Imaginärteil. In der verlangten Form: 0-j12");
    expectDiagnosis(M::AddSubtract, kDoubleSigns, {"18-25"}, {F::UnitForgotten});
}

TEST(Diagnosis, PointsAtTheDenominatorsJSquaredWhereItIsWorkedOut) {
    // (3 + j4) / (1 − j2) = (−5 + j10) / 5; with j² = +1 in the denominator 1 − 4 = −3.
    const ExerciseTask quotient = task(Operation::Divide, {3, 4}, {1, -2}, {"  3  +  j (4)", "  1  -  j (2)"},
                                       {{"-5", "-5"}, {"5", "5"}, {"10", "+ j (10)"}}, false, true);
    const WorkedSolution solution = work(M::Divide, quotient, {"-5", "-3", "10"});
    EXPECT_EQ(said(solution), "Es sieht so aus, als wäre im Nenner j² = +1 gerechnet worden; es gilt aber j² = −1.");
    std::vector<std::string> shown;
    for (const Step& step : solution.steps) {
        std::string text = step.continues ? "= " : "";
        for (std::size_t i = 0; i < step.sides.size(); ++i)
            text += (i ? " = " : "") + readAloud(step.sides[i]);
        shown.push_back((step.slipHere ? "> " : "") + text);
    }
    EXPECT_NE(std::ranges::find(shown, "(1 − j2) · (1 + j2) = 1² − j² · (−2)²"), shown.end());
    EXPECT_NE(std::ranges::find(shown, "> = 1² + (−2)² = 1 + 4 = 5"), shown.end());
}

// Where the numbers of two findings coincide, the page names the one pinned first.
TEST(Diagnosis, PinsTheOrderOfFindingsWhoseNumbersCoincide) {
    // (3 − j4) + (2 − j) = 5 − j5: −5 + j5 is both signs turned and the parts swapped.
    const ExerciseTask sum =
        task(Operation::Add, {3, -4}, {2, -1}, {"[3  +  j (-4)] + [2  +  j (-1)]"}, {{"5-j5", "5-j5"}});
    expectDiagnosis(M::AddSubtract, sum, {"-5+j5"}, {F::Negated});
    // j2 · (3 + j4) = −8 + j6: with ac = 0, j² = +1 gives 8 + j6, the real part's sign turned.
    const ExerciseTask product =
        task(Operation::Multiply, {0, 2}, {3, 4}, {"[0  +  j (2)] * [3  +  j (4)]"}, {{"-8+j6", "-8+j6"}});
    expectDiagnosis(M::Multiply, product, {"8+j6"}, {F::JSquaredAsPlusOne});
    // j3 / (1 + j2) = (6 + j3) / 5: with a purely imaginary dividend the divisor itself gives −6 + j3, and so does
    // j² = +1 in the numerator.
    const ExerciseTask quotient = task(Operation::Divide, {0, 3}, {1, 2}, {"  0  +  j (3)", "  1  +  j (2)"},
                                       {{"6", "6"}, {"5", "5"}, {"3", "+ j (3)"}});
    expectDiagnosis(M::Divide, quotient, {"-6", "5", "3"}, {F::DivisorNotConjugated});
    // |0 − j7| = 7: x + y = −7 is the modulus negative; |3 + j4|: x + y = |x| + |y| = 7.
    const ExerciseTask negative = task(Operation::Modulus, {0, -7}, {}, {"0  -  j (7)"}, {{"7", "7"}}, true);
    expectDiagnosis(M::Modulus, negative, {"-7"}, {F::SignTurned, {P::Modulus}});
    const ExerciseTask positive = task(Operation::Modulus, {3, 4}, {}, {"3  +  j (4)"}, {{"5", "5"}});
    expectDiagnosis(M::Modulus, positive, {"7"}, {F::PartsAdded});
}

// The words, pinned: a sentence that names the real part where it means the imaginary part fails here.
TEST(Diagnosis, SaysWhatIsWrongInTheWordsOfATeacher) {
    const struct {
        ExerciseMode mode;
        ExerciseTask task;
        TypedAnswer typed;
        std::string said;
    } cases[] = {
        {M::Multiply, kProduct, {"11+j17"}, "Der Realteil hat das falsche Vorzeichen."},
        {M::Multiply, kProduct, {"-11-j17"}, "Der Imaginärteil hat das falsche Vorzeichen."},
        {M::Multiply, kProduct, {"12+j17"}, "Der Realteil stimmt nicht."},
        {M::Multiply, kProduct, {"-11-j16"}, "Der Imaginärteil stimmt nicht."},
        {M::Multiply, kProduct, {"7+j18"}, "Realteil und Imaginärteil stimmen beide nicht."},
        {M::Multiply, kProduct, {"17-j11"}, "Realteil und Imaginärteil sind vertauscht."},
        {M::Multiply, kProduct, {"11-j17"}, "Realteil und Imaginärteil haben beide das falsche Vorzeichen."},
        {M::Multiply,
         kProduct,
         {"7+j17"},
         "Es sieht so aus, als wäre beim Ausmultiplizieren j² = +1 gerechnet worden; es gilt aber j² = −1."},
        {M::Multiply,
         kProduct,
         {"-2+j9"},
         "Es sieht so aus, als wären nur Realteil mal Realteil und Imaginärteil mal Imaginärteil gerechnet worden. "
         "Beim Ausmultiplizieren wird aber jeder Teil mit jedem Teil multipliziert."},
        {M::Multiply,
         kProduct,
         {"7-j19"},
         "Es sieht so aus, als wäre bei einer Zahl der Aufgabe das Vorzeichen vor dem j falsch gelesen worden. Sie "
         "lautet: −1 − j(−9) = −1 + j9"},
        {M::Multiply,
         kProduct,
         {""},
         "Es wurde nichts eingegeben. Verlangt ist die Form x+jy bzw. x-jy, ohne Leerzeichen und Klammern."},
        {M::Multiply,
         kProduct,
         {"-11+j17x"},
         "Die Eingabe lässt sich nicht als Zahl lesen. Verlangt ist die Form x+jy bzw. x-jy, ohne Leerzeichen und "
         "Klammern."},
        {M::AddSubtract,
         kSum,
         {"1"},
         "Der Wert stimmt, nur die Schreibweise nicht. Beide Teile gehören in die Eingabe, auch ein Teil, der null "
         "ist. In der verlangten Form: 1+j0"},
        {M::AddSubtract,
         kDifference,
         {"49+j3"},
         "Es sieht so aus, als wäre die erste Zahl von der zweiten abgezogen worden; abgezogen wird aber die zweite "
         "von der ersten."},
        {M::AddSubtract,
         kDifference,
         {"-25+j13"},
         "Es sieht so aus, als wäre addiert worden; die Aufgabe verlangt aber die Differenz."},
        {M::AddSubtract,
         kSum,
         {"5-j8"},
         "Es sieht so aus, als wäre subtrahiert worden; die Aufgabe verlangt aber die Summe."},
        {M::Modulus, kModulus, {"25"}, "Das ist die Summe der Quadrate; der Betrag ist ihre Wurzel: √(25) = 5"},
        {M::Modulus, kModulus, {"√25"}, "Der Wert stimmt, nur ist die Wurzel noch zu ziehen: √(25) = 5"},
        {M::Modulus, kModulus, {"-5"}, "Ein Betrag ist nie negativ."},
        {M::Modulus, kModulus, {"6"}, "Der Betrag stimmt nicht."},
        {M::Modulus,
         kModulus,
         {"-1"},
         "Es sieht so aus, als wären Realteil und Imaginärteil addiert worden. Der Betrag ist aber die Wurzel aus "
         "der Summe ihrer Quadrate."},
        {M::Modulus,
         kModulus,
         {"7"},
         "Es sieht so aus, als wären die Beträge von Realteil und Imaginärteil addiert worden. Der Betrag ist aber "
         "die Wurzel aus der Summe ihrer Quadrate."},
        {M::Modulus,
         kModulusOfFourAndThree,
         {"√7"},
         "Es sieht so aus, als wäre das Quadrat des Imaginärteils abgezogen worden. Unter der Wurzel steht die "
         "Summe der Quadrate; das j gehört nicht zum Imaginärteil."},
        {M::Modulus,
         kModulus,
         {"5+j0"},
         "Der Wert stimmt, nur die Schreibweise nicht. Der Betrag ist eine reelle Zahl; er wird ohne j geschrieben. "
         "In der verlangten Form: 5"},
        {M::Divide, kQuotient, {"-7", "82", "-19"}, "Der Realteil des Zählers hat das falsche Vorzeichen."},
        {M::Divide, kQuotient, {"7", "82", "19"}, "Der Imaginärteil des Zählers hat das falsche Vorzeichen."},
        {M::Divide, kQuotient, {"7", "-82", "-19"}, "Der Nenner hat das falsche Vorzeichen."},
        {M::Divide, kQuotient, {"8", "82", "-19"}, "Der Realteil des Zählers stimmt nicht."},
        {M::Divide, kQuotient, {"7", "82", "-18"}, "Der Imaginärteil des Zählers stimmt nicht."},
        {M::Divide, kQuotient, {"7", "81", "-19"}, "Der Nenner stimmt nicht."},
        {M::Divide, kQuotient, {"-11", "82", "-18"}, "Realteil und Imaginärteil des Zählers stimmen beide nicht."},
        {M::Divide, kQuotient, {"8", "81", "-19"}, "Der Realteil des Zählers und der Nenner stimmen nicht."},
        {M::Divide, kQuotient, {"7", "81", "-18"}, "Der Imaginärteil des Zählers und der Nenner stimmen nicht."},
        {M::Divide, kQuotient, {"8", "81", "-18"}, "Keine der drei Zahlen stimmt."},
        {M::Divide, kQuotient, {"-19", "82", "7"}, "Realteil und Imaginärteil des Zählers sind vertauscht."},
        {M::Divide,
         kQuotient,
         {"-11", "82", "-19"},
         "Es sieht so aus, als wäre im Zähler j² = +1 gerechnet worden; es gilt aber j² = −1."},
        {M::Divide,
         kQuotient,
         {"-11", "-80", "-19"},
         "Es sieht so aus, als wäre im Zähler und im Nenner j² = +1 gerechnet worden; es gilt aber j² = −1."},
        {M::Divide,
         kQuotient,
         {"-11", "82", "17"},
         "Es sieht so aus, als wären Zähler und Nenner mit dem Divisor selbst erweitert worden. Erweitert wird mit "
         "dem konjugiert komplexen Divisor: das Vorzeichen seines Imaginärteils wechselt."},
        {M::Divide,
         kWholeModulusDivisor,
         {"11", "5", "2"},
         "Es sieht so aus, als stünde im Nenner der Betrag des Divisors. Beim Erweitern entsteht aber sein Quadrat: "
         "c² + d²."},
        {M::Divide,
         kQuotient,
         {"x", "82", "y"},
         "Die Felder für den Realteil des Zählers und den Imaginärteil des Zählers lassen sich nicht als Zahl lesen. "
         "Verlangt sind drei ganze Zahlen: Realteil und Imaginärteil des Zählers und der Nenner."},
        {M::Divide,
         kQuotient,
         {"x", "y", "z"},
         "Die Felder für den Realteil des Zählers, den Imaginärteil des Zählers und den Nenner lassen sich nicht "
         "als Zahl lesen. Verlangt sind drei ganze Zahlen: Realteil und Imaginärteil des Zählers und der Nenner."},
        {M::Divide,
         kQuotient,
         {"7", "x", "-19"},
         "Das Feld für den Nenner lässt sich nicht als Zahl lesen. Verlangt sind drei ganze Zahlen: Realteil und "
         "Imaginärteil des Zählers und der Nenner."},
        {M::Divide,
         kQuotient,
         {"", "82", ""},
         "Die Felder für den Realteil des Zählers und den Imaginärteil des Zählers sind leer. Verlangt sind drei "
         "ganze Zahlen: Realteil und Imaginärteil des Zählers und der Nenner."},
        {M::Divide,
         kQuotient,
         {"7", "82", "-j19"},
         "Der Wert stimmt, nur die Schreibweise nicht. Das j steht schon vor dem Feld; in das Feld gehört nur die "
         "Zahl. In der verlangten Form: (7  + j (-19)) / (82)"},
        {M::Divide,
         kQuotient,
         {"14", "164", "-38"},
         "Der Wert stimmt, nur die Schreibweise nicht. Verlangt ist der ungekürzte Bruch, der beim Erweitern mit "
         "dem konjugiert komplexen Divisor entsteht. In der verlangten Form: (7  + j (-19)) / (82)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(said(work(c.mode, c.task, c.typed)), c.said) << joined(c.typed);
}

// --- The sweep: every wrong rule applied to drawn tasks. ---

// What a rule makes of a task: the answer as typed and the value it reads as, in the test's own arithmetic; no value
// where the text reads as none.
struct Slipped {
    TypedAnswer typed;
    std::optional<std::vector<long long>> value;
};
struct Rule {
    const char* name;
    Finding finding;
    std::function<std::optional<Slipped>(const TaskNumbers&)> apply;
};

std::string number(long long value) { return std::to_string(value); }
// The expected text of x + jy.
std::string cartesian(long long re, long long im) {
    return number(re) + (im < 0 ? "-j" : "+j") + number(std::llabs(im));
}
std::optional<Slipped> answer(long long re, long long im) { return Slipped{{cartesian(re, im)}, {{re, im}}}; }

// A + B, A − B or A · B in the test's arithmetic.
struct Complex {
    long long re, im;
};
Complex operator+(Complex a, Complex b) { return {a.re + b.re, a.im + b.im}; }
Complex operator-(Complex a, Complex b) { return {a.re - b.re, a.im - b.im}; }
Complex operator*(Complex a, Complex b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
Complex bar(Complex a) { return {a.re, -a.im}; }
Complex first(const TaskNumbers& t) { return {t.first.re, t.first.im}; }
Complex second(const TaskNumbers& t) { return {t.second.re, t.second.im}; }

Complex rightValue(const TaskNumbers& t) {
    switch (t.operation) {
    case Operation::Add:
        return first(t) + second(t);
    case Operation::Subtract:
        return first(t) - second(t);
    default:
        return first(t) * second(t);
    }
}

// The slips of form every x + jy can have, each a right value written wrongly.
std::vector<Rule> formRules() {
    const auto form = [](const char* name, std::string (*write)(Complex)) {
        return Rule{name, F::FormOnly, [write](const TaskNumbers& t) -> std::optional<Slipped> {
                        const Complex r = rightValue(t);
                        const std::string text = write(r);
                        if (text.empty())
                            return std::nullopt;
                        return Slipped{{text}, {{r.re, r.im}}};
                    }};
    };
    return {
        form("blanks",
             [](Complex r) { return number(r.re) + (r.im < 0 ? " - j" : " + j") + number(std::llabs(r.im)); }),
        form("brackets", [](Complex r) { return "(" + cartesian(r.re, r.im) + ")"; }),
        form("unit after",
             [](Complex r) { return number(r.re) + (r.im < 0 ? "-" : "+") + number(std::llabs(r.im)) + "j"; }),
        form("i", [](Complex r) { return number(r.re) + (r.im < 0 ? "-i" : "+i") + number(std::llabs(r.im)); }),
        form("sign after j", [](Complex r) { return r.im < 0 ? number(r.re) + "+j" + number(r.im) : std::string(); }),
        form("typographic minus",
             [](Complex r) {
                 std::string text = cartesian(r.re, r.im), typeset;
                 for (char c : text)
                     typeset += c == '-' ? std::string("\u2212") : std::string(1, c);
                 return typeset == text ? std::string() : typeset;
             }),
        form("imaginary first",
             [](Complex r) {
                 return std::string(r.im < 0 ? "-j" : "j") + number(std::llabs(r.im)) + (r.re < 0 ? "" : "+") +
                        number(r.re);
             }),
    };
}

// A known slip: the value the slip gives, typed in the right form.
Rule valued(const char* name, Finding finding, Complex (*slip)(const TaskNumbers&)) {
    return {name, finding, [slip](const TaskNumbers& t) { return answer(slip(t).re, slip(t).im); }};
}

// The j forgotten: the imaginary part written as a plain number after the real part.
Rule unitForgottenRule() {
    return {"j forgotten", F::UnitForgotten, [](const TaskNumbers& t) -> std::optional<Slipped> {
                const Complex r = rightValue(t);
                if (r.im == 0)
                    return std::nullopt;
                if (r.re == 0)
                    return Slipped{{number(r.im)}, {{r.im, 0}}};
                return Slipped{{number(r.re) + (r.im < 0 ? "-" : "+") + number(std::llabs(r.im))}, std::nullopt};
            }};
}

std::vector<Rule> generalRules() {
    return {
        unitForgottenRule(),
        {"negated", F::Negated,
         [](const TaskNumbers& t) -> std::optional<Slipped> {
             const Complex r = rightValue(t);
             return r.re != 0 && r.im != 0 ? answer(-r.re, -r.im) : std::nullopt;
         }},
        valued("swapped", F::PartsSwapped,
               [](const TaskNumbers& t) {
                   return Complex{rightValue(t).im, rightValue(t).re};
               }),
        valued("real sign", F::SignTurned,
               [](const TaskNumbers& t) {
                   return Complex{-rightValue(t).re, rightValue(t).im};
               }),
        valued("imaginary sign", F::SignTurned,
               [](const TaskNumbers& t) {
                   return Complex{rightValue(t).re, -rightValue(t).im};
               }),
    };
}

std::vector<Rule> rulesOf(ExerciseMode mode) {
    std::vector<Rule> rules;
    const auto add = [&rules](std::vector<Rule> more) { rules.insert(rules.end(), more.begin(), more.end()); };
    switch (mode) {
    case M::AddSubtract:
        add(formRules());
        add({
            {"b − a", F::ReversedDifference,
             [](const TaskNumbers& t) -> std::optional<Slipped> {
                 if (t.operation != Operation::Subtract)
                     return std::nullopt;
                 const Complex v = second(t) - first(t);
                 return answer(v.re, v.im);
             }},
            {"other operation", F::AddedInsteadOfSubtracted,
             [](const TaskNumbers& t) -> std::optional<Slipped> {
                 if (t.operation != Operation::Subtract)
                     return std::nullopt;
                 const Complex v = first(t) + second(t);
                 return answer(v.re, v.im);
             }},
            {"other operation", F::SubtractedInsteadOfAdded,
             [](const TaskNumbers& t) -> std::optional<Slipped> {
                 if (t.operation != Operation::Add)
                     return std::nullopt;
                 const Complex v = first(t) - second(t);
                 return answer(v.re, v.im);
             }},
            valued("first misread", F::OperandSignMisread,
                   [](const TaskNumbers& t) {
                       return t.operation == Operation::Add ? bar(first(t)) + second(t) : bar(first(t)) - second(t);
                   }),
            valued("second misread", F::OperandSignMisread,
                   [](const TaskNumbers& t) {
                       return t.operation == Operation::Add ? first(t) + bar(second(t)) : first(t) - bar(second(t));
                   }),
        });
        add(generalRules());
        break;
    case M::Multiply:
        add(formRules());
        add({
            valued("j² = +1", F::JSquaredAsPlusOne,
                   [](const TaskNumbers& t) {
                       const Complex a = first(t), b = second(t);
                       return Complex{a.re * b.re + a.im * b.im, a.re * b.im + a.im * b.re};
                   }),
            valued("part by part", F::ProductPartByPart,
                   [](const TaskNumbers& t) {
                       return Complex{first(t).re * second(t).re, first(t).im * second(t).im};
                   }),
            valued("first misread", F::OperandSignMisread,
                   [](const TaskNumbers& t) { return bar(first(t)) * second(t); }),
            valued("second misread", F::OperandSignMisread,
                   [](const TaskNumbers& t) { return first(t) * bar(second(t)); }),
        });
        add(generalRules());
        break;
    case M::Modulus: {
        const auto modulusRule = [](const char* name, Finding finding,
                                    std::function<std::optional<Slipped>(long long x, long long y, long long m)> make) {
            return Rule{name, finding, [make](const TaskNumbers& t) {
                            const long long x = t.first.re, y = t.first.im;
                            return make(x, y, std::llround(std::sqrt(double(x * x + y * y))));
                        }};
        };
        const auto typed = [](long long value) { return Slipped{{number(value)}, {{value}}}; };
        const auto root = [](const std::string& text) { return Slipped{{text}, std::nullopt}; };
        rules = {
            modulusRule("plus", F::FormOnly,
                        [](long long, long long, long long m) {
                            return Slipped{{"+" + number(m)}, {{m}}};
                        }),
            modulusRule("point", F::FormOnly,
                        [](long long, long long, long long m) {
                            return Slipped{{number(m) + ".0"}, {{m}}};
                        }),
            modulusRule("with j0", F::FormOnly,
                        [](long long, long long, long long m) {
                            return Slipped{{number(m) + "+j0"}, {{m}}};
                        }),
            modulusRule("root left", F::RootNotTaken,
                        [root](long long x, long long y, long long) { return root("\u221A" + number(x * x + y * y)); }),
            modulusRule(
                "sqrt left", F::RootNotTaken,
                [root](long long x, long long y, long long) { return root("sqrt(" + number(x * x + y * y) + ")"); }),
            modulusRule("squares subtracted", F::SquaresSubtracted,
                        [root](long long x, long long y, long long) -> std::optional<Slipped> {
                            if (y == 0 || x * x - y * y <= 0)
                                return std::nullopt;
                            return root("\u221A" + number(x * x - y * y));
                        }),
            modulusRule("no root", F::RootMissing,
                        [typed](long long x, long long y, long long) { return typed(x * x + y * y); }),
            modulusRule("negative", F::SignTurned, [typed](long long, long long, long long m) { return typed(-m); }),
            modulusRule("x + y", F::PartsAdded, [typed](long long x, long long y, long long) { return typed(x + y); }),
            modulusRule("|x| + |y|", F::ModulusOfPartsAdded,
                        [typed](long long x, long long y, long long) { return typed(std::llabs(x) + std::llabs(y)); }),
        };
        break;
    }
    case M::Divide: {
        // The fields as typed: real numerator, denominator, imaginary numerator; the value in the order p, r, q.
        const auto fields = [](long long p, long long q, long long r) {
            return Slipped{{number(p), number(q), number(r)}, {{p, r, q}}};
        };
        const auto numerator = [](const TaskNumbers& t) { return first(t) * bar(second(t)); };
        const auto denominator = [](const TaskNumbers& t) {
            return second(t).re * second(t).re + second(t).im * second(t).im;
        };
        const auto divisionRule =
            [numerator, denominator](
                const char* name, Finding finding,
                std::function<std::optional<Slipped>(const TaskNumbers&, Complex, long long)> make) {
                return Rule{name, finding, [=](const TaskNumbers& t) { return make(t, numerator(t), denominator(t)); }};
            };
        // A decimal of at most twelve places for a fraction whose denominator has no factor but 2 and 5.
        const auto decimal = [](long long top, long long bottom, bool leadingDot) -> std::optional<std::string> {
            const long long divisor = std::gcd(top, bottom);
            top /= divisor;
            bottom /= divisor;
            long long scale = 1;
            int places = 0;
            while ((scale % bottom != 0) && places < 12) {
                scale *= 10;
                ++places;
            }
            if (scale % bottom != 0)
                return std::nullopt;
            const long long digits = std::llabs(top) * (scale / bottom);
            const std::string whole = number(digits / scale), sign = top < 0 ? "-" : "";
            if (places == 0)
                return sign + whole;
            const std::string fraction = number(digits % scale);
            return sign + (leadingDot && whole == "0" ? "" : whole) + "." +
                   std::string(static_cast<std::size_t>(places) - fraction.size(), '0') + fraction;
        };
        rules = {
            divisionRule("decimals", F::FormOnly,
                         [decimal](const TaskNumbers&, Complex n, long long d) -> std::optional<Slipped> {
                             const auto x = decimal(n.re, d, false), y = decimal(n.im, d, false);
                             if (!x || !y || d == 1)
                                 return std::nullopt;
                             return Slipped{{*x, "1", *y}, std::nullopt};
                         }),
            divisionRule("decimals without their 0", F::FormOnly,
                         [decimal](const TaskNumbers&, Complex n, long long d) -> std::optional<Slipped> {
                             const auto x = decimal(n.re, d, true), y = decimal(n.im, d, true);
                             if (!x || !y || d == 1)
                                 return std::nullopt;
                             return Slipped{{*x, "1", *y}, std::nullopt};
                         }),
            divisionRule("doubled", F::FormOnly,
                         [](const TaskNumbers&, Complex n, long long d) {
                             return Slipped{{number(2 * n.re), number(2 * d), number(2 * n.im)}, std::nullopt};
                         }),
            divisionRule("j in its field", F::FormOnly,
                         [](const TaskNumbers&, Complex n, long long d) {
                             return Slipped{{number(n.re), number(d), "j" + number(n.im)}, {{n.re, n.im, d}}};
                         }),
            divisionRule("not conjugated", F::DivisorNotConjugated,
                         [fields](const TaskNumbers& t, Complex, long long d) {
                             const Complex v = first(t) * second(t);
                             return fields(v.re, d, v.im);
                         }),
            // The divisor itself below as well: the real part of c · c.
            divisionRule("not conjugated above and below", F::DivisorNotConjugated,
                         [fields](const TaskNumbers& t, Complex, long long) {
                             const Complex v = first(t) * second(t), c = second(t);
                             return fields(v.re, c.re * c.re - c.im * c.im, v.im);
                         }),
            divisionRule("j² = +1 above", F::JSquaredAsPlusOne,
                         [fields](const TaskNumbers& t, Complex n, long long d) {
                             const Complex a = first(t), c = second(t);
                             return fields(a.re * c.re - a.im * c.im, d, n.im);
                         }),
            divisionRule("j² = +1 below", F::JSquaredAsPlusOne,
                         [fields](const TaskNumbers& t, Complex n, long long) {
                             const Complex c = second(t);
                             return fields(n.re, c.re * c.re - c.im * c.im, n.im);
                         }),
            divisionRule("j² = +1 above and below", F::JSquaredAsPlusOne,
                         [fields](const TaskNumbers& t, Complex n, long long) {
                             const Complex a = first(t), c = second(t);
                             return fields(a.re * c.re - a.im * c.im, c.re * c.re - c.im * c.im, n.im);
                         }),
            divisionRule("modulus below", F::DenominatorAsModulus,
                         [fields](const TaskNumbers&, Complex n, long long d) -> std::optional<Slipped> {
                             const long long m = std::llround(std::sqrt(double(d)));
                             if (m * m != d)
                                 return std::nullopt;
                             return fields(n.re, m, n.im);
                         }),
            divisionRule("dividend misread", F::OperandSignMisread,
                         [fields](const TaskNumbers& t, Complex, long long d) {
                             const Complex v = bar(first(t)) * bar(second(t));
                             return fields(v.re, d, v.im);
                         }),
            divisionRule("swapped", F::PartsSwapped,
                         [fields](const TaskNumbers&, Complex n, long long d) { return fields(n.im, d, n.re); }),
            divisionRule("real sign", F::SignTurned,
                         [fields](const TaskNumbers&, Complex n, long long d) { return fields(-n.re, d, n.im); }),
            divisionRule("imaginary sign", F::SignTurned,
                         [fields](const TaskNumbers&, Complex n, long long d) { return fields(n.re, d, -n.im); }),
            divisionRule("denominator sign", F::SignTurned,
                         [fields](const TaskNumbers&, Complex n, long long d) { return fields(n.re, -d, n.im); }),
            divisionRule("empty denominator", F::EmptyFields,
                         [](const TaskNumbers&, Complex n, long long) {
                             return Slipped{{number(n.re), "", number(n.im)}, std::nullopt};
                         }),
            divisionRule("unreadable numerator", F::Unreadable,
                         [](const TaskNumbers&, Complex n, long long d) {
                             return Slipped{{number(n.re) + "x", number(d), number(n.im)}, std::nullopt};
                         }),
        };
        break;
    }
    case M::ToPolar:  // the polar modes' slips are swept in PolarModesTest
    case M::ToCartesian:
    case M::PolarMultiplyDivide:
    case M::AddPhasors:
    case M::None:
        break;
    }
    return rules;
}

// The words of each finding on the page, in German, one of them.
const std::map<Finding, std::vector<std::string>> kNamedBy{
    {F::FormOnly, {"Der Wert stimmt, nur die Schreibweise nicht."}},
    {F::RootNotTaken, {"Wurzel noch zu ziehen"}},
    {F::EmptyFields, {"leer"}},
    {F::Unreadable, {"nicht als Zahl lesen"}},
    {F::JSquaredAsPlusOne, {"j² = +1 gerechnet"}},
    {F::DivisorNotConjugated, {"mit dem Divisor selbst"}},
    {F::RootMissing, {"Summe der Quadrate; der Betrag ist ihre Wurzel"}},
    {F::ReversedDifference, {"von der zweiten abgezogen"}},
    {F::AddedInsteadOfSubtracted, {"als wäre addiert worden"}},
    {F::SubtractedInsteadOfAdded, {"als wäre subtrahiert worden"}},
    {F::ProductPartByPart, {"nur Realteil mal Realteil"}},
    {F::OperandSignMisread, {"Vorzeichen vor dem j falsch gelesen"}},
    {F::DenominatorAsModulus, {"Betrag des Divisors"}},
    {F::PartsAdded, {"Realteil und Imaginärteil addiert"}},
    {F::ModulusOfPartsAdded, {"Beträge von Realteil und Imaginärteil"}},
    {F::SquaresSubtracted, {"Quadrat des Imaginärteils abgezogen"}},
    {F::UnitForgotten, {"fehlte das j"}},
    {F::Negated, {"beide das falsche Vorzeichen"}},
    {F::PartsSwapped, {"vertauscht"}},
    {F::SignTurned, {"falsche Vorzeichen", "nie negativ"}},
    {F::WrongParts, {"stimmt nicht", "stimmen"}},
    {F::Nothing, {"nichts eingegeben"}},
};

TEST(Diagnosis, NamesEveryWrongRuleAppliedToDrawnTasksOrAMoreSpecificFindingThatCoincides) {
    RandomSource source(20261208);
    for (const ModeLogic& logic : modeLogics()) {
        const std::vector<Rule> rules = rulesOf(logic.mode);
        std::map<std::size_t, int> named;
        for (int drawn = 0; drawn < 400; ++drawn) {
            const ExerciseTask task = logic.makeTask(source);
            TypedAnswer right;
            for (const AnswerField& field : task.fields)
                right.push_back(field.expected);
            std::vector<std::optional<Slipped>> slipped;
            for (const Rule& rule : rules)
                slipped.push_back(rule.apply(task.numbers));
            for (std::size_t i = 0; i < rules.size(); ++i) {
                if (!slipped[i] || slipped[i]->typed == right)
                    continue;
                const WorkedSolution solution = workThrough(logic, task, judge(logic, task, slipped[i]->typed));
                const Finding found = solution.diagnosis.finding;
                const std::string what = task.shown.at(0) + " (" + rules[i].name + "): " + joined(slipped[i]->typed);
                // A value rule whose value is the right one slips nothing.
                if (rules[i].finding != F::FormOnly && found == F::FormOnly)
                    continue;
                bool coincides = found == rules[i].finding;
                for (std::size_t j = 0; j < i && !coincides; ++j)
                    coincides = rules[j].finding == found && slipped[j] && slipped[j]->value && slipped[i]->value &&
                                slipped[j]->value == slipped[i]->value;
                EXPECT_TRUE(coincides) << what << " is called finding " << static_cast<int>(found);
                EXPECT_TRUE(std::ranges::any_of(
                    kNamedBy.at(found),
                    [&solution](const std::string& words) { return said(solution).find(words) != std::string::npos; }))
                    << what << ": " << said(solution);
                named[i] += found == rules[i].finding;
            }
        }
        for (std::size_t i = 0; i < rules.size(); ++i)
            EXPECT_GT(named[i], 0) << "rule " << rules[i].name << " never named";
    }
}

// --- Reading a typed answer. ---

TEST(AnswerReading, ReadsTheFormsAStudentWritesExactlyAndNothingElse) {
    const std::pair<std::string, ExactValue> readable[] = {{"3+j4", {{3}, {4}}},
                                                           {"3 + j4", {{3}, {4}}},
                                                           {"(3+j4)", {{3}, {4}}},
                                                           {"3+4j", {{3}, {4}}},
                                                           {"3+i4", {{3}, {4}}},
                                                           {"3+J4", {{3}, {4}}},
                                                           {"3+j(-4)", {{3}, {-4}}},
                                                           {"3+j-4", {{3}, {-4}}},
                                                           {"3-j+4", {{3}, {-4}}},
                                                           {"3\u22124j", {{3}, {-4}}},
                                                           {"3\u2013j4", {{3}, {-4}}},
                                                           {"3+j*4", {{3}, {4}}},
                                                           {"3+j\u00B74", {{3}, {4}}},
                                                           {"3\u00A0+\u00A0j4", {{3}, {4}}},
                                                           {"+03,0+j4", {{3}, {4}}},
                                                           {"7", {{7}, {0}}},
                                                           {"-j12", {{0}, {-12}}},
                                                           {"j4+3", {{3}, {4}}},
                                                           {"2.5-j0,5", {{5, 2}, {-1, 2}}},
                                                           {"-.96", {{-24, 25}, {0}}},
                                                           {"j", {{0}, {1}}},
                                                           {"-j", {{0}, {-1}}},
                                                           {"0.1+j0.2", {{1, 10}, {1, 5}}}};
    for (const auto& [typed, value] : readable) {
        const std::optional<ExactValue> read = readExact(typed);
        ASSERT_TRUE(read) << typed;
        EXPECT_EQ(*read, value) << typed;
    }
    for (const std::string typed :
         {"", " ", "x", "3+j4+j1", "3+4+j1", "3+j4j", "√25", "3/4", "3+j4)", "3+j-", ".", "1234567890123"})
        EXPECT_FALSE(readExact(typed)) << typed;
    // The same in floating point, for answers judged within a tolerance.
    EXPECT_EQ(readComplex("2,5-j0.5"), (ReadValue{2.5, -0.5}));
    EXPECT_EQ(readRoot("√(100)"), 100);
    EXPECT_EQ(readRoot("SQRT 100"), 100);
    EXPECT_FALSE(readRoot("√1.5"));
    EXPECT_FALSE(readRoot("100"));
}

}  // namespace
}  // namespace tessaro
