// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The worked solutions: hand-worked tasks of every mode line by line, every finding about a typed answer with one
// answer that shows it and a close one that does not, and thousands of drawn tasks whose every step is an equation
// that holds and whose result is what the verdict names.

#include "logic/ModeLogic.h"
#include "tests/logic/StepCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace tessaro {

// Readable failure messages: the number of a finding, a part or a slip.
void PrintTo(Finding finding, std::ostream* out) { *out << "finding " << static_cast<int>(finding); }
void PrintTo(AnswerPart part, std::ostream* out) { *out << "part " << static_cast<int>(part); }
void PrintTo(FormSlip slip, std::ostream* out) { *out << "slip " << static_cast<int>(slip); }

namespace {

using stepcheck::line;
using stepcheck::Value;

std::vector<std::string> lines(const WorkedSolution& solution) {
    std::vector<std::string> all;
    for (const Step& step : solution.steps)
        all.push_back(line(step));
    return all;
}

// The program's own texts in a term, in reading order.
void collectVerbatim(const MathTerm& term, std::vector<std::string>& texts) {
    for (const MathPiece& piece : term) {
        if (piece.kind == MathPiece::Kind::Verbatim)
            texts.push_back(piece.text);
        for (const MathTerm& part : piece.parts)
            collectVerbatim(part, texts);
    }
}
std::vector<std::string> verbatimTexts(const MathTerm& term) {
    std::vector<std::string> texts;
    collectVerbatim(term, texts);
    return texts;
}

// A task as its mode's maker would draw it, written out by hand: its texts, the answer of each field and the values.
ExerciseTask task(Operation operation, ComplexValue first, ComplexValue second, std::vector<std::string> shown,
                  std::vector<AnswerField> fields) {
    return {std::move(shown), std::move(fields), {operation, first, second}};
}

// The judgement of the mode, and the task worked through from it, as the screens ask for them.
WorkedSolution work(ExerciseMode mode, const ExerciseTask& task, const TypedAnswer& typed) {
    const ModeLogic& logic = *modeLogic(mode);
    return workThrough(logic, task, judge(logic, task, typed));
}

using M = ExerciseMode;

// The tasks worked by hand below.
const ExerciseTask kDifference =
    task(Operation::Subtract, {-37, 5}, {12, 8}, {"[-37  +  j (5)] - [12  -  j (-8)]"}, {{"-49-j3", "-49-j3"}});
const ExerciseTask kSum =
    task(Operation::Add, {3, -4}, {-2, 4}, {"[3  -  j (4)] + [-2  +  j (4)]"}, {{"1+j0", "1+j0"}});
const ExerciseTask kModulus = task(Operation::Modulus, {3, -4}, {}, {"3  -  j (4)"}, {{"5", "5"}});
const ExerciseTask kPureModulus = task(Operation::Modulus, {0, 7}, {}, {"0  +  j (7)"}, {{"7", "7"}});
const ExerciseTask kProduct =
    task(Operation::Multiply, {2, 1}, {-1, 9}, {"[2  +  j (1)] * [-1  -  j (-9)]"}, {{"-11+j17", "-11+j17"}});
const ExerciseTask kQuotient = task(Operation::Divide, {2, 1}, {-1, 9}, {"  2  +  j (1)", "  -1  -  j (-9)"},
                                    {{"7", "7"}, {"82", "82"}, {"-19", "+ j (-19)"}});
const ExerciseTask kReducible = task(Operation::Divide, {2, 4}, {1, 1}, {"  2  +  j (4)", "  1  +  j (1)"},
                                     {{"6", "6"}, {"2", "2"}, {"2", "+ j (2)"}});

TEST(WorkedSolution, WorksEveryModeThroughWithTheTasksOwnNumbers) {
    const struct {
        ExerciseMode mode;
        ExerciseTask task;
        std::vector<std::string> steps;
        std::vector<std::string> result;
    } cases[] = {
        {M::AddSubtract, kDifference, {"(−37 + j5) − (12 + j8) = (−37 − 12) + j(5 − 8) = −49 − j3"}, {"-49-j3"}},
        {M::AddSubtract, kSum, {"(3 − j4) + (−2 + j4) = (3 + (−2)) + j(−4 + 4) = 1 + j0"}, {"1+j0"}},
        {M::Modulus, kModulus, {"|3 − j4| = √(3² + (−4)²) = √(9 + 16) = √(25) = 5"}, {"5"}},
        {M::Modulus, kPureModulus, {"|0 + j7| = √(0² + 7²) = √(0 + 49) = √(49) = 7"}, {"7"}},
        {M::Multiply,
         kProduct,
         {"(2 + j1) · (−1 + j9) = 2 · (−1) + 2 · j9 + j1 · (−1) + j1 · j9", "= −2 + j18 − j1 + j² · 9", "j² = −1",
          "= −2 + j18 − j1 − 9", "= (−2 − 9) + j(18 − 1) = −11 + j17"},
         {"-11+j17"}},
        {M::Divide,
         kQuotient,
         {"(2 + j1) / (−1 + j9) = ((2 + j1) · (−1 − j9)) / ((−1 + j9) · (−1 − j9))",
          "(2 + j1) · (−1 − j9) = 2 · (−1) + 2 · (−j9) + j1 · (−1) + j1 · (−j9)", "= −2 − j18 − j1 − j² · 9",
          "= (−2 + 9) + j(−18 − 1) = 7 − j19", "(−1 + j9) · (−1 − j9) = (−1)² + 9² = 1 + 81 = 82",
          "= (7 − j19) / (82)"},
         {"7", "+ j (-19)", "82"}},
    };
    for (const auto& c : cases) {
        const WorkedSolution solution = work(c.mode, c.task, TypedAnswer(c.task.fields.size(), "x"));
        EXPECT_EQ(lines(solution), c.steps) << c.task.shown.front();
        EXPECT_EQ(verbatimTexts(solution.result), c.result) << c.task.shown.front();
        EXPECT_EQ(verbatimTexts(solution.task), c.task.shown);
    }
}

TEST(WorkedSolution, ShowsTheAnswerAsTypedAndCutsAFloodShort) {
    EXPECT_EQ(readAloud(work(M::Multiply, kProduct, {"-1 + j1"}).typed), "-1 + j1");
    const std::string flood(100'000, '7');
    EXPECT_EQ(readAloud(work(M::Multiply, kProduct, {flood}).typed), std::string(kShownTypedLength, '7') + "…");
    EXPECT_EQ(readAloud(work(M::Modulus, kModulus, {"äöüäöüäöüäöüäöüäöüäöüäöüä"}).typed), "äöüäöüäöüäöüäöüäöüäöüäöü…");
    EXPECT_EQ(readAloud(work(M::Divide, kQuotient, {"12", "-3", ""}).typed), "(12 + j □) / (-3)");
}

struct Expected {
    Finding finding;
    std::vector<AnswerPart> parts = {};
    FormSlip slip = FormSlip::Other;
    bool reduced = false;
};

// Each finding with an answer that shows it, followed by a close answer that shows another.
TEST(Diagnosis, NamesTheMostSpecificFaultOfAnAnswer) {
    using F = Finding;
    using P = AnswerPart;
    using S = FormSlip;
    const struct {
        ExerciseMode mode;
        ExerciseTask task;
        TypedAnswer typed;
        Expected expected;
    } cases[] = {
        // (2 + j1)(−1 + j9) = −11 + j17; with j² = +1 it would be 7 + j17.
        {M::Multiply, kProduct, {"-11+j17"}, {F::Right}},
        {M::Multiply, kProduct, {""}, {F::Nothing}},
        {M::Multiply, kProduct, {" "}, {F::Unreadable}},
        {M::Multiply, kProduct, {"(2+j1)*(-1+j9)"}, {F::Unreadable}},
        {M::Multiply, kProduct, {"(-11+j17)"}, {F::FormOnly, {}, S::Brackets}},
        {M::Multiply, kProduct, {"-11 + j17"}, {F::FormOnly, {}, S::Blanks}},
        {M::Multiply, kProduct, {"-11 + j18"}, {F::WrongParts, {P::Imaginary}}},
        {M::Multiply, kProduct, {"-11+j(17)"}, {F::FormOnly, {}, S::Brackets}},
        {M::Multiply, kProduct, {"-11+17j"}, {F::FormOnly, {}, S::UnitAfterNumber}},
        {M::Multiply, kProduct, {"-11+18j"}, {F::WrongParts, {P::Imaginary}}},
        {M::Multiply, kProduct, {"-11+17"}, {F::Unreadable}},
        {M::Multiply, kProduct, {"-11+i17"}, {F::FormOnly, {}, S::UnitLetter}},
        {M::Multiply, kProduct, {"-11+J17"}, {F::FormOnly, {}, S::UnitLetter}},
        {M::Multiply, kProduct, {"-11+k17"}, {F::Unreadable}},
        {M::Multiply, kProduct, {"-11+j017"}, {F::FormOnly, {}, S::NumberForm}},
        {M::Multiply, kProduct, {"-11+j170"}, {F::WrongParts, {P::Imaginary}}},
        {M::Multiply, kProduct, {"-11.0+j17"}, {F::FormOnly, {}, S::NumberForm}},
        {M::Multiply, kProduct, {"−11+j17"}, {F::FormOnly, {}, S::Other}},
        {M::Multiply, kProduct, {"7+j17"}, {F::JSquaredAsPlusOne}},
        {M::Multiply, kProduct, {"7+j18"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {M::Multiply, kProduct, {"17-j11"}, {F::PartsSwapped}},
        {M::Multiply, kProduct, {"17+j11"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {M::Multiply, kProduct, {"11+j17"}, {F::SignTurned, {P::Real}}},
        {M::Multiply, kProduct, {"12+j17"}, {F::WrongParts, {P::Real}}},
        {M::Multiply, kProduct, {"-11-j17"}, {F::SignTurned, {P::Imaginary}}},
        {M::Multiply, kProduct, {"-11-j16"}, {F::WrongParts, {P::Imaginary}}},
        // (3 − j4) + (−2 + j4) = 1 + j0.
        {M::AddSubtract, kSum, {"1"}, {F::FormOnly, {}, S::MissingPart}},
        {M::AddSubtract, kSum, {"1+j1"}, {F::WrongParts, {P::Imaginary}}},
        {M::AddSubtract, kSum, {"1-j0"}, {F::FormOnly, {}, S::Other}},
        {M::AddSubtract, kSum, {"-1+j0"}, {F::SignTurned, {P::Real}}},
        {M::AddSubtract, kSum, {"0+j1"}, {F::PartsSwapped}},
        {M::AddSubtract, kSum, {"j1"}, {F::PartsSwapped}},
        // (−37 + j5) − (12 + j8) = −49 − j3.
        {M::AddSubtract, kDifference, {"-j3-49"}, {F::FormOnly, {}, S::Other}},
        {M::AddSubtract, kDifference, {"+-49-j3"}, {F::FormOnly, {}, S::NumberForm}},
        {M::AddSubtract, kDifference, {"-49-j3-j1"}, {F::Unreadable}},
        // |3 − j4| = √25 = 5.
        {M::Modulus, kModulus, {"25"}, {F::RootMissing}},
        {M::Modulus, kModulus, {"24"}, {F::WrongParts, {P::Modulus}}},
        {M::Modulus, kModulus, {"-5"}, {F::SignTurned, {P::Modulus}}},
        {M::Modulus, kModulus, {"-4"}, {F::WrongParts, {P::Modulus}}},
        {M::Modulus, kModulus, {"5.0"}, {F::FormOnly, {}, S::NumberForm}},
        {M::Modulus, kModulus, {"5,0"}, {F::FormOnly, {}, S::NumberForm}},
        {M::Modulus, kModulus, {"5.5"}, {F::WrongParts, {P::Modulus}}},
        {M::Modulus, kModulus, {"0.5"}, {F::WrongParts, {P::Modulus}}},
        {M::Modulus, kModulus, {"+5"}, {F::FormOnly, {}, S::NumberForm}},
        {M::Modulus, kModulus, {" 5"}, {F::FormOnly, {}, S::Blanks}},
        {M::Modulus, kModulus, {"5+j0"}, {F::FormOnly, {}, S::Other}},
        {M::Modulus, kModulus, {"√25"}, {F::Unreadable}},
        // (2 + j1) / (−1 + j9) = (7 − j19) / 82; the divisor itself gives −11 + j17, j² = +1 gives −11 and −80.
        {M::Divide, kQuotient, {"7", "82", "-19"}, {F::Right}},
        {M::Divide, kQuotient, {"", "", ""}, {F::Nothing}},
        {M::Divide, kQuotient, {"", "", "0"}, {F::Unreadable}},
        {M::Divide, kQuotient, {"7", "", "-19"}, {F::Unreadable}},
        {M::Divide, kQuotient, {"7", "0", "-19"}, {F::WrongParts, {P::Denominator}}},
        {M::Divide, kQuotient, {"+7", "82", "-19"}, {F::FormOnly, {}, S::NumberForm}},
        {M::Divide, kQuotient, {"7", "82", "-j19"}, {F::FormOnly, {}, S::Other}},
        {M::Divide, kQuotient, {"14", "164", "-38"}, {F::FormOnly, {}, S::Other, true}},
        {M::Divide,
         kQuotient,
         {"14", "164", "-39"},
         {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator, P::Denominator}}},
        {M::Divide, kQuotient, {"-11", "82", "17"}, {F::DivisorNotConjugated}},
        {M::Divide, kQuotient, {"-11", "82", "16"}, {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator}}},
        {M::Divide, kQuotient, {"-11", "82", "-19"}, {F::JSquaredAsPlusOne}},
        {M::Divide, kQuotient, {"7", "-80", "-19"}, {F::JSquaredAsPlusOne}},
        {M::Divide, kQuotient, {"-11", "82", "-18"}, {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator}}},
        {M::Divide, kQuotient, {"-19", "82", "7"}, {F::PartsSwapped}},
        {M::Divide,
         kQuotient,
         {"-19", "81", "7"},
         {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator, P::Denominator}}},
        {M::Divide, kQuotient, {"-7", "82", "-19"}, {F::SignTurned, {P::RealNumerator}}},
        {M::Divide, kQuotient, {"7", "-82", "-19"}, {F::SignTurned, {P::Denominator}}},
        {M::Divide, kQuotient, {"-7", "82", "19"}, {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator}}},
        // (2 + j4) / (1 + j1) = (6 + j2) / 2: the reduced fraction has the value but not the form.
        {M::Divide, kReducible, {"3", "1", "1"}, {F::FormOnly, {}, S::Other, true}},
        {M::Divide,
         kReducible,
         {"3", "1", "3"},
         {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator, P::Denominator}}},
    };
    for (const auto& c : cases) {
        const Diagnosis diagnosis = work(c.mode, c.task, c.typed).diagnosis;
        const std::string typed = c.typed.front() + (c.typed.size() > 1 ? " " + c.typed[1] + " " + c.typed[2] : "");
        EXPECT_EQ(diagnosis.finding, c.expected.finding) << typed;
        EXPECT_EQ(diagnosis.parts, c.expected.parts) << typed;
        if (c.expected.finding == F::FormOnly) {
            EXPECT_EQ(diagnosis.slip, c.expected.slip) << typed;
            EXPECT_EQ(diagnosis.reducedFraction, c.expected.reduced) << typed;
        }
    }
    EXPECT_EQ(readAloud(work(M::Modulus, kModulus, {"25"}).diagnosis.detail), "√(25) = 5");
}

TEST(Diagnosis, NamesTheFormThatIsAskedFor) {
    EXPECT_EQ(work(M::AddSubtract, kSum, {"?"}).diagnosis.form, AnswerForm::Cartesian);
    EXPECT_EQ(work(M::Modulus, kModulus, {"?"}).diagnosis.form, AnswerForm::WholeNumber);
    EXPECT_EQ(work(M::Divide, kQuotient, {"?", "?", "?"}).diagnosis.form, AnswerForm::Fraction);
}

// The value of a task's answer, worked out here with std::complex: the sum, difference, modulus, product or quotient.
Value answerValue(const TaskNumbers& numbers) {
    const Value a(numbers.first.re, numbers.first.im), b(numbers.second.re, numbers.second.im);
    switch (numbers.operation) {
    case Operation::Add:
        return a + b;
    case Operation::Subtract:
        return a - b;
    case Operation::Modulus:
        return std::abs(a);
    case Operation::Multiply:
        return a * b;
    case Operation::Divide:
        return a / b;
    case Operation::ToPolar:
        return a;
    case Operation::ToCartesian:
        return std::polar<double>(numbers.firstPolar.modulus, numbers.firstPolar.degrees * std::numbers::pi / 180);
    case Operation::PolarMultiply:
    case Operation::PolarDivide:
    case Operation::AddPhasors: {
        const Value p =
            std::polar<double>(numbers.firstPolar.modulus, numbers.firstPolar.degrees * std::numbers::pi / 180);
        const Value q =
            std::polar<double>(numbers.secondPolar.modulus, numbers.secondPolar.degrees * std::numbers::pi / 180);
        return numbers.operation == Operation::PolarMultiply ? p * q
               : numbers.operation == Operation::PolarDivide ? p / q
                                                             : p + q;
    }
    }
    return {};
}

// Where the answer is judged by value, the worked solution keeps two decimals in every step and may end a little
// off: never more than a hundredth of the modulus and a quarter of a degree (the tolerances are held exactly to the
// rule in PolarModesTest).
double allowedEnd(const ExerciseTask& task, Value result) {
    return task.fields.front().byValue ? 0.01 + std::abs(result) * 0.25 * std::numbers::pi / 180 : 1e-9;
}

std::vector<std::string> sorted(std::vector<std::string> texts) {
    std::ranges::sort(texts);
    return texts;
}

TEST(WorkedSolution, EveryStepOfThousandsOfDrawnTasksHoldsAndEndsInTheVerdictsAnswer) {
    RandomSource source(20261207);
    for (const ModeLogic& logic : modeLogics()) {
        for (int i = 0; i < 3000; ++i) {
            const ExerciseTask task = logic.makeTask(source);
            const std::string named = task.shown.at(0);
            TypedAnswer right, shown;
            for (const AnswerField& field : task.fields) {
                right.push_back(field.expected);
                shown.push_back(field.shown);
            }
            const WorkedSolution solution = workThrough(logic, task, judge(logic, task, right));
            ASSERT_EQ(verbatimTexts(solution.task), task.shown);
            if (task.fields.front().byValue) {
                for (const std::string& text : shown)  // the result names each field's value, as in "5∠53.13° = …"
                    EXPECT_NE(readAloud(solution.result).find(text), std::string::npos) << named;
            } else {
                ASSERT_EQ(sorted(verbatimTexts(solution.result)), sorted(shown)) << named;
            }
            const Value result = answerValue(task.numbers);
            EXPECT_LE(std::abs(stepcheck::expectEveryStepHolds(solution, named) - result), allowedEnd(task, result))
                << named << ": the calculation ends in the result";
            EXPECT_EQ(solution.diagnosis.finding, Finding::Right) << named;
            EXPECT_TRUE(solution.explanation.empty()) << named;
            TypedAnswer slipped = right;
            slipped.back().insert(0, "1");  // a different value also where a value is judged within a tolerance
            const Judgement wrong = judge(logic, task, slipped);
            EXPECT_NE(wrong.diagnosis.finding, Finding::Right) << named;
            EXPECT_FALSE(workThrough(logic, task, wrong).explanation.empty()) << named;
        }
    }
}

// Every form the lenient reader of answers takes, and what it does not.
TEST(AnswerReading, ReadsTheFormsAStudentWritesAndNothingElse) {
    const std::pair<std::string, ReadValue> readable[] = {
        {"3+j4", {3, 4}},         {"3 + j4", {3, 4}}, {"(3+j4)", {3, 4}},     {"3+4j", {3, 4}},
        {"3+i4", {3, 4}},         {"3+J4", {3, 4}},   {"3+j(-4)", {3, -4}},   {"3\u22124j", {3, -4}},
        {"3\u2013j4", {3, -4}},   {"3+j*4", {3, 4}},  {"3+j\u00B74", {3, 4}}, {"3\u00A0+\u00A0j4", {3, 4}},
        {"+03,0+j4", {3, 4}},     {"7", {7, 0}},      {"-j12", {0, -12}},     {"j4+3", {3, 4}},
        {"2.5-j0,5", {2.5, -0.5}}};
    for (const auto& [typed, value] : readable) {
        const std::optional<ReadValue> read = readComplex(typed);
        ASSERT_TRUE(read) << typed;
        EXPECT_EQ(*read, value) << typed;
    }
    for (const std::string typed : {"", " ", "x", "3+j4+j1", "3+4+j1", "3+j4j", "√25", "3/4", "3+j4)"})
        EXPECT_FALSE(readComplex(typed)) << typed;
}

}  // namespace
}  // namespace tessaro
