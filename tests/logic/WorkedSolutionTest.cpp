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
#include <map>
#include <numbers>
#include <regex>
#include <string>
#include <vector>

namespace tessaro {

namespace {

using namespace testing_tasks;
using stepcheck::line;
using stepcheck::Value;

// The value of a line of mathematics, as StepCheck reads it.
std::optional<Value> evaluate(const MathTerm& term) {
    const std::optional<stepcheck::SideValue> side = stepcheck::evaluateSide(readAloud(term), {});
    return side ? std::optional(side->value) : std::nullopt;
}

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

TEST(WorkedSolution, WorksEveryModeThroughAsATeacherWritesItOnTheBoard) {
    const struct {
        ExerciseMode mode;
        ExerciseTask task;
        std::vector<std::string> steps;
        std::string written;  // the result in the notation of the steps
        std::vector<std::string> result;
    } cases[] = {
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
          "(2 + j) · (−1 − j9) = 2 · (−1) + 2 · (−j9) + j · (−1) + j · (−j9) = −2 − j18 − j − j² · 9",
          "= −2 − j18 − j + 9", "= (−2 + 9) + j(−18 − 1) = 7 − j19", "(−1 + j9) · (−1 − j9) = (−1)² − j² · 9²",
          "= (−1)² + 9² = 1 + 81 = 82", "= (7 − j19) / (82) = (7) / (82) − j(19) / (82)"},
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
    for (const auto& c : cases) {
        const WorkedSolution solution = work(c.mode, c.task, TypedAnswer(c.task.fields.size(), "x"));
        EXPECT_EQ(lines(solution), c.steps) << c.task.shown.front();
        EXPECT_EQ(readAloud(solution.written), c.written) << c.task.shown.front();
        EXPECT_EQ(verbatimTexts(solution.result), c.result) << c.task.shown.front();
        EXPECT_EQ(verbatimTexts(solution.task), c.task.shown);
    }
}

// j² = −1 is said the same way wherever a j² is replaced: in a product, and in a quotient's numerator and denominator.
TEST(WorkedSolution, SaysJSquaredIsMinusOneTheSameWayWhereverItIsUsed) {
    for (const auto& [mode, task, replaced] :
         {std::tuple{M::Multiply, kProduct, std::vector<std::string>{"= −2 + j18 − j − 9"}},
          std::tuple{M::Divide, kQuotient,
                     std::vector<std::string>{"= −2 − j18 − j + 9", "= (−1)² + 9² = 1 + 81 = 82"}}}) {
        std::vector<std::string> saidBefore;
        for (const Step& step : work(mode, task, {"x", "x", "x"}).steps)
            if (step.note.sentence && std::string(step.note.sentence).find("j²") != std::string::npos) {
                EXPECT_STREQ(step.note.sentence, "Mit j² = −1:");
                saidBefore.push_back(line(step));
            }
        EXPECT_EQ(saidBefore, replaced);
    }
}

TEST(WorkedSolution, ShowsTheAnswerAsTypedOrItsValueAsTheStepsWriteIt) {
    // A wrong value in the steps' notation, beside the result.
    EXPECT_EQ(readAloud(work(M::Multiply, kProduct, {"-1+j1"}).typed), "−1 + j");
    EXPECT_EQ(readAloud(work(M::Modulus, kModulus, {"25"}).typed), "25");
    EXPECT_EQ(readAloud(work(M::Divide, kQuotient, {"-11", "82", "17"}).typed), "(−11 + j17) / (82)");
    // The text as typed where the way it is written matters or it has no value.
    EXPECT_EQ(readAloud(work(M::Multiply, kProduct, {"-11 + j17"}).typed), "-11 + j17");
    EXPECT_EQ(readAloud(work(M::Multiply, kProduct, {"-11+17"}).typed), "-11+17");
    EXPECT_EQ(readAloud(work(M::Multiply, kProduct, {"2.5+j1"}).typed), "2.5+j1");
    EXPECT_EQ(readAloud(work(M::Modulus, kModulus, {"√25"}).typed), "√25");
    const std::string flood(100'000, '7');
    EXPECT_EQ(readAloud(work(M::Multiply, kProduct, {flood}).typed), std::string(kShownTypedLength, '7') + "…");
    EXPECT_EQ(readAloud(work(M::Modulus, kModulus, {"äöüäöüäöüäöüäöüäöüäöüäöüä"}).typed), "äöüäöüäöüäöüäöüäöüäöüäöü…");
    EXPECT_EQ(readAloud(work(M::Divide, kQuotient, {"12", "-3", ""}).typed), "(12 + j □) / (-3)");
}

// The line where the slip happens is marked, and only that line; a slip with no line of its own marks none.
TEST(WorkedSolution, MarksTheLineWhereTheSlipHappens) {
    // (3 + j4) / (1 − j2) = (−5 + j10) / 5; with j² = +1 in the denominator 1 − 4 = −3.
    const ExerciseTask withMinus =
        testing_tasks::task(Operation::Divide, {3, 4}, {1, -2}, {"  3  +  j (4)", "  1  -  j (2)"},
                            {{"-5", "-5"}, {"5", "5"}, {"10", "+ j (10)"}}, false, true);
    const struct {
        ExerciseMode mode;
        ExerciseTask task;
        TypedAnswer typed;
        std::vector<std::string> marked;
    } cases[] = {
        {M::Multiply, kProduct, {"7+j17"}, {"= −2 + j18 − j − 9"}},
        {M::Multiply,
         kProduct,
         {"-2+j9"},
         {"(2 + j) · (−1 + j9) = 2 · (−1) + 2 · j9 + j · (−1) + j · j9 = −2 + j18 − j + j² · 9"}},
        {M::Multiply, kProduct, {"7-j19"}, {"−1 − j(−9) = −1 + j9"}},
        {M::Multiply, kProduct, {"-11+j16"}, {}},
        {M::AddSubtract,
         kDifference,
         {"49+j3"},
         {"(−37 + j5) − (12 + j8) = −37 + j5 − 12 − j8 = (−37 − 12) + j(5 − 8) = −49 − j3"}},
        {M::AddSubtract,
         kDifference,
         {"-25+j13"},
         {"(−37 + j5) − (12 + j8) = −37 + j5 − 12 − j8 = (−37 − 12) + j(5 − 8) = −49 − j3"}},
        {M::AddSubtract, kDifference, {"-49+j13"}, {"12 − j(−8) = 12 + j8"}},
        {M::Modulus, kModulus, {"25"}, {"= √(9 + 16) = √(25) = 5"}},
        {M::Modulus, kModulus, {"7"}, {"|3 − j4| = √(3² + (−4)²)"}},
        {M::Modulus, kModulus, {"-1"}, {"|3 − j4| = √(3² + (−4)²)"}},
        {M::Modulus, kModulus, {"-5"}, {}},
        {M::Divide, kQuotient, {"-11", "82", "17"}, {"(−1 + j9)* = −1 − j9"}},
        {M::Divide, kQuotient, {"-11", "82", "-19"}, {"= −2 − j18 − j + 9"}},
        {M::Divide, kQuotient, {"7", "-80", "-19"}, {"= (−1)² + 9² = 1 + 81 = 82"}},
        {M::Divide, kQuotient, {"-11", "-80", "-19"}, {"= −2 − j18 − j + 9", "= (−1)² + 9² = 1 + 81 = 82"}},
        {M::Divide, withMinus, {"-5", "-3", "10"}, {"= 1² + (−2)² = 1 + 4 = 5"}},
        {M::Divide, withMinus, {"-5", "5", "11"}, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> marked;
        for (const Step& step : work(c.mode, c.task, c.typed).steps)
            if (step.slipHere)
                marked.push_back(line(step));
        EXPECT_EQ(marked, c.marked) << c.typed.front();
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

// No part that is zero, no "0 · …" and no factor 1 before j where a teacher writes nothing or "j", once the task is
// restated; the task's double
// signs each resolved on a line of their own, and no other line of that kind. (The patterns are bytes of UTF-8: a
// sign of several bytes stands in a group of its own.)
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
                EXPECT_LT(std::abs(evaluate(solution.written).value_or(Value(1e9)) - result), 1e-9) << named;
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
