// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The worked solutions as a teacher writes them on the board: hand-worked tasks of every mode line by line, the line
// of a slip marked, and thousands of drawn tasks whose every step is an equation that holds, written without clutter,
// and whose result is what the verdict names.

#include "tests/logic/StepCheck.h"
#include "tests/logic/WorkedTasks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <iterator>
#include <numbers>
#include <regex>
#include <string>
#include <vector>

namespace tessaro {

namespace {

using namespace testing_tasks;
using stepcheck::line;
using stepcheck::Value;

// The lines of a worked solution, or only those marked as where the slip happens.
std::vector<std::string> lines(const WorkedSolution& solution, bool onlyMarked = false) {
    std::vector<std::string> all;
    for (const Step& step : solution.steps)
        if (step.slipHere || !onlyMarked)
            all.push_back(line(step));
    return all;
}

// The program's own texts in a term, in reading order.
std::vector<std::string> verbatimTexts(const MathTerm& term) {
    std::vector<std::string> texts;
    for (const MathPiece& piece : term) {
        if (piece.kind == MathPiece::Kind::Verbatim)
            texts.push_back(piece.text);
        for (const MathTerm& part : piece.parts)
            std::ranges::copy(verbatimTexts(part), std::back_inserter(texts));
    }
    return texts;
}

// Each task worked by hand: its lines, the result in their notation and in the texts of the answer's fields.
struct Worked {
    ExerciseMode mode;
    const ExerciseTask& task;
    std::vector<std::string> steps;
    std::string written;
    std::vector<std::string> result;
};
const Worked kWorked[] = {
    {M::AddSubtract,
     kDifference,
     {"12 − j(−8) = 12 + j8", "(−37 + j5) − (12 + j8) = −37 + j5 − 12 − j8 = (−37 − 12) + j(5 − 8) = −49 − j3"},
     "−49 − j3",
     {"-49-j3"}},
    {M::AddSubtract, kSum, {"(3 − j4) + (−2 + j4) = (3 − 2) + j(−4 + 4) = 1"}, "1", {"1+j0"}},
    {M::AddSubtract,
     kDoubleSigns,
     {"30 + j(−45) = 30 − j45", "−12 − j(−20) = −12 + j20",
      "(30 − j45) + (−12 + j20) = (30 − 12) + j(−45 + 20) = 18 − j25"},
     "18 − j25",
     {"18-j25"}},
    {M::Modulus, kModulus, {"|3 − j4| = √(3² + (−4)²)", "= √(9 + 16) = √(25) = 5"}, "5", {"5"}},
    {M::Modulus, kPureModulus, {"|j7| = √(0² + 7²)", "= √(49) = 7"}, "7", {"7"}},
    {M::Multiply,
     kProduct,
     {"−1 − j(−9) = −1 + j9", "(2 + j) · (−1 + j9) = 2 · (−1) + 2 · j9 + j · (−1) + j · j9 = −2 + j18 − j + j² · 9",
      "= −2 + j18 − j − 9", "= (−2 − 9) + j(18 − 1) = −11 + j17"},
     "−11 + j17",
     {"-11+j17"}},
    {M::Divide,
     kQuotient,
     {"−1 − j(−9) = −1 + j9", "(−1 + j9)* = −1 − j9",
      "(2 + j) / (−1 + j9) = ((2 + j) · (−1 − j9)) / ((−1 + j9) · (−1 − j9))",
      "(2 + j) · (−1 − j9) = 2 · (−1) + 2 · (−j9) + j · (−1) + j · (−j9) = −2 − j18 − j − j² · 9", "= −2 − j18 − j + 9",
      "= (−2 + 9) + j(−18 − 1) = 7 − j19", "(−1 + j9) · (−1 − j9) = (−1)² − j² · 9²", "= (−1)² + 9² = 1 + 81 = 82",
      "= (7 − j19) / (82) = (7) / (82) − j(19) / (82)"},
     "(7 − j19) / (82)",
     {"7", "+ j (-19)", "82"}},
    {M::Divide,
     kReducible,
     {"(1 + j)* = 1 − j", "(2 + j4) / (1 + j) = ((2 + j4) · (1 − j)) / ((1 + j) · (1 − j))",
      "(2 + j4) · (1 − j) = 2 · 1 + 2 · (−j) + j4 · 1 + j4 · (−j) = 2 − j2 + j4 − j² · 4", "= 2 − j2 + j4 + 4",
      "= (2 + 4) + j(−2 + 4) = 6 + j2", "(1 + j) · (1 − j) = 1² − j² · 1²", "= 1² + 1² = 1 + 1 = 2",
      "= (6 + j2) / (2) = 3 + j"},
     "(6 + j2) / (2)",
     {"6", "+ j (2)", "2"}},
};

const Worked& workedOf(const ExerciseTask& task) {
    return *std::ranges::find_if(kWorked, [&task](const Worked& w) { return &w.task == &task; });
}
WorkedSolution work(const ExerciseTask& task, const TypedAnswer& typed) {
    return testing_tasks::work(workedOf(task).mode, task, typed);
}

TEST(WorkedSolution, WorksEveryModeThroughAsATeacherWritesItOnTheBoard) {
    for (const Worked& c : kWorked) {
        const WorkedSolution solution = work(c.task, TypedAnswer(c.task.fields.size(), "x"));
        EXPECT_EQ(lines(solution), c.steps) << c.task.shown.front();
        EXPECT_EQ(readAloud(solution.written), c.written) << c.task.shown.front();
        EXPECT_EQ(verbatimTexts(solution.result), c.result) << c.task.shown.front();
        EXPECT_EQ(verbatimTexts(solution.task), c.task.shown);
    }
}

// j² = −1 is said the same way wherever a j² is replaced: in a product, and in a quotient's numerator and denominator.
TEST(WorkedSolution, SaysJSquaredIsMinusOneTheSameWayWhereverItIsUsed) {
    const std::pair<const ExerciseTask*, std::vector<std::string>> cases[] = {
        {&kProduct, {"= −2 + j18 − j − 9"}}, {&kQuotient, {"= −2 − j18 − j + 9", "= (−1)² + 9² = 1 + 81 = 82"}}};
    for (const auto& [task, replaced] : cases) {
        std::vector<std::string> saidBefore;
        for (const Step& step : work(*task, {"x", "x", "x"}).steps)
            if (step.note.sentence && std::string(step.note.sentence).find("j²") != std::string::npos) {
                EXPECT_STREQ(step.note.sentence, "Mit j² = −1:");
                saidBefore.push_back(line(step));
            }
        EXPECT_EQ(saidBefore, replaced);
    }
}

TEST(WorkedSolution, ShowsTheAnswerAsTypedOrItsValueAsTheStepsWriteIt) {
    const auto typed = [](const ExerciseTask& task, const TypedAnswer& answer) {
        return readAloud(work(task, answer).typed);
    };
    // A wrong value in the steps' notation, beside the result.
    EXPECT_EQ(typed(kProduct, {"-1+j1"}), "−1 + j");
    EXPECT_EQ(typed(kModulus, {"25"}), "25");
    EXPECT_EQ(typed(kQuotient, {"-11", "82", "17"}), "(−11 + j17) / (82)");
    // The text as typed where the way it is written matters or it has no value.
    EXPECT_EQ(typed(kProduct, {"-11 + j17"}), "-11 + j17");
    EXPECT_EQ(typed(kProduct, {"-11+17"}), "-11+17");
    EXPECT_EQ(typed(kProduct, {"2.5+j1"}), "2.5+j1");
    EXPECT_EQ(typed(kModulus, {"√25"}), "√25");
    EXPECT_EQ(typed(kProduct, {std::string(100'000, '7')}), std::string(kShownTypedLength, '7') + "…");
    EXPECT_EQ(typed(kModulus, {"äöüäöüäöüäöüäöüäöüäöüäöüä"}), "äöüäöüäöüäöüäöüäöüäöüäöü…");
    EXPECT_EQ(typed(kQuotient, {"12", "-3", ""}), "(12 + j □) / (-3)");
}

// The line where the slip happens is marked, and only that line; a slip with no line of its own marks none. The
// denominator's j² = +1 in a quotient whose divisor has a negative imaginary part is pinned in DiagnosisTest.
TEST(WorkedSolution, MarksTheLineWhereTheSlipHappens) {
    const struct {
        const ExerciseTask& task;
        TypedAnswer typed;
        std::vector<std::size_t> marked;  // the hand-worked lines of the task, from 0
    } cases[] = {
        {kProduct, {"7+j17"}, {2}},  // j² = +1
        {kProduct, {"-2+j9"}, {1}},  // part by part
        {kProduct, {"7-j19"}, {0}},  // the second operand's sign misread
        {kProduct, {"-11+j16"}, {}},
        {kDifference, {"49+j3"}, {1}},    // the difference reversed
        {kDifference, {"-25+j13"}, {1}},  // added
        {kDifference, {"-49+j13"}, {0}},
        {kModulus, {"25"}, {1}},  // the root not taken
        {kModulus, {"7"}, {0}},
        {kModulus, {"-1"}, {0}},
        {kModulus, {"-5"}, {}},
        {kQuotient, {"-11", "82", "17"}, {1}},  // the divisor not conjugated
        {kQuotient, {"-11", "82", "-19"}, {4}},
        {kQuotient, {"7", "-80", "-19"}, {7}},
        {kQuotient, {"-11", "-80", "-19"}, {4, 7}},
        {kQuotient, {"7", "82", "-18"}, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> expected;
        for (std::size_t i : c.marked)
            expected.push_back(workedOf(c.task).steps.at(i));
        EXPECT_EQ(lines(work(c.task, c.typed), true), expected) << c.typed.front();
    }
}

// Where the answer is judged by value, the worked solution keeps two decimals in every step and may end a little
// off: never more than a hundredth of the modulus and a quarter of a degree (the tolerances are held exactly to the
// rule in PolarModesTest).
double allowedEnd(const ExerciseTask& task, Value result) {
    return task.fields.front().byValue ? 0.01 + std::abs(result) * 0.25 * std::numbers::pi / 180 : 1e-9;
}

// The value of a task's answer, worked out here with std::complex: the sum, difference, modulus, product or quotient.
Value answerValue(const TaskNumbers& numbers) {
    const auto polar = [](PolarValue v) { return std::polar<double>(v.modulus, v.degrees * std::numbers::pi / 180); };
    const Value a(numbers.first.re, numbers.first.im), b(numbers.second.re, numbers.second.im);
    const Value p = polar(numbers.firstPolar), q = polar(numbers.secondPolar);
    using O = Operation;
    const O o = numbers.operation;
    return o == O::Add             ? a + b
           : o == O::Subtract      ? a - b
           : o == O::Modulus       ? std::abs(a)
           : o == O::Multiply      ? a * b
           : o == O::Divide        ? a / b
           : o == O::ToPolar       ? a
           : o == O::ToCartesian   ? p
           : o == O::PolarMultiply ? p * q
           : o == O::PolarDivide   ? p / q
                                   : p + q;  // the phasors' sum
}

// No part that is zero, no "0 · …" and no factor 1 before j where a teacher writes nothing or "j", once the task is
// restated; the task's double signs each resolved on a line of their own, and no other line of that kind. (The
// patterns are bytes of UTF-8: a sign of several bytes stands in a group of its own.)
void expectNoClutter(const WorkedSolution& solution, const ExerciseTask& task) {
    static const std::regex clutter("j0($|[^0-9])|j1($|[^0-9])|(\\+|−) 0($|[^0-9²])");
    static const std::regex zeroFactor("(^|[^0-9])0 ·|· 0($|[^0-9])");
    // Where the task has a factor 0, the calculation shows it.
    const bool zeroOperand = task.numbers.first == ComplexValue{} ||
                             (task.numbers.operation != Operation::Modulus && task.numbers.second == ComplexValue{});
    static const std::regex doubleSign("(−)?[0-9]+ (\\+|−) j\\(−[0-9]+\\)");
    int resolved = 0;
    for (const Step& step : solution.steps) {
        // A chain's first side restates what it works out, a factor 0 of the task included.
        for (std::size_t i = step.continues ? 0 : 1; i < step.sides.size(); ++i)
            EXPECT_FALSE(std::regex_search(readAloud(step.sides[i]), clutter) ||
                         (!zeroOperand && std::regex_search(readAloud(step.sides[i]), zeroFactor)))
                << task.shown.at(0) << ": " << line(step);
        resolved += step.sides.size() == 2 && std::regex_match(readAloud(step.sides[0]), doubleSign);
    }
    int doubled = 0;
    for (const std::string& shown : task.shown)
        for (std::size_t at = shown.find("j (-"); at != std::string::npos; at = shown.find("j (-", at + 1))
            ++doubled;
    EXPECT_EQ(resolved, doubled) << task.shown.at(0);
}

std::vector<std::string> sorted(std::vector<std::string> texts) {
    std::ranges::sort(texts);
    return texts;
}

TEST(WorkedSolution, EveryStepOfThousandsOfDrawnTasksHoldsIsWrittenWithoutClutterAndEndsInTheVerdictsAnswer) {
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
            const Value result = answerValue(task.numbers);
            EXPECT_LE(std::abs(stepcheck::expectEveryStepHolds(solution, named) - result), allowedEnd(task, result))
                << named << ": the calculation ends in the result";
            if (task.fields.front().byValue) {
                for (const std::string& text : shown)  // the result names each field's value, as in "5∠53.13° = …"
                    EXPECT_NE(readAloud(solution.result).find(text), std::string::npos) << named;
            } else {
                ASSERT_EQ(sorted(verbatimTexts(solution.result)), sorted(shown)) << named;
                expectNoClutter(solution, task);
                const std::optional<stepcheck::SideValue> written =
                    stepcheck::evaluateSide(readAloud(solution.written), {});
                EXPECT_LT(std::abs((written ? written->value : Value(1e9)) - result), 1e-9) << named;
            }
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

}  // namespace
}  // namespace tessaro
