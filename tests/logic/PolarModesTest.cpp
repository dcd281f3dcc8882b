// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The modes of the polar form: their draws, the tolerance of their judgement at its edges in both decimal marks and
// across whole turns, students with a calculator who keep two decimals, every slip the diagnosis names with an answer
// that shows it and a near one that does not, the worked solutions line by line, and the decimal mark of a screen.
// Expected values come from std::complex and std::atan2 here, or are worked by hand.

#include "logic/DecimalMark.h"
#include "logic/ModeLogic.h"
#include "logic/PolarModes.h"
#include "logic/PolarNumber.h"
#include "logic/PolarReading.h"
#include "tests/logic/StepCheck.h"

#include "tests/logic/FixedDraws.h"
#include "tests/logic/WorkedTasks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace tessaro {

namespace {

using Value = std::complex<double>;
using M = ExerciseMode;
using F = Finding;
using P = AnswerPart;

constexpr double kDegree = std::numbers::pi / 180;

Value polar(double r, double degrees) { return std::polar(r, degrees * kDegree); }
double degreesOf(Value z) { return std::atan2(z.imag(), z.real()) / kDegree; }
// How far apart two angles are, whole turns left out.
double apart(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}

// The numbers a student writes: rounded to `places` decimals, the decimal mark the given one.
std::string written(double value, int places, char mark = '.') {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    std::string result = text;
    std::replace(result.begin(), result.end(), '.', mark);
    const bool zero = result.find_first_not_of("-0.,") == std::string::npos;
    return zero && result.starts_with('-') ? result.substr(1) : result;
}
double rounded(double value, int places) { return std::round(value * std::pow(10.0, places)) / std::pow(10.0, places); }
// x + jy as a student writes it.
std::string writtenCartesian(double x, double y, int places, char mark = '.') {
    return written(x, places, mark) + (y < 0 ? "-j" : "+j") + written(std::abs(y), places, mark);
}

ExerciseTask drawn(ExerciseTask (*make)(RawValueSource&), Draws draws) {
    FixedDraws source(std::move(draws));
    return make(source);
}

// The draws of an angle in steps of 5°: one of 72, counted from −175°.
std::pair<int, int> angleDraw(int degrees) { return {degrees / 5 + 35, 72}; }

// The tasks worked by hand below. x + jy on a half-axis, or in a quadrant.
ExerciseTask toPolarTask(int x, int y) {
    if (x == 0 || y == 0)
        return drawn(makeToPolarTask,
                     {{0, 10}, {y == 0 ? (x > 0 ? 0 : 2) : (y > 0 ? 1 : 3), 4}, {std::abs(x + y) - 1, 9}});
    const int where = x > 0 && y > 0 ? 0 : x < 0 && y > 0 ? 1 : x < 0 ? 2 : 3;
    return drawn(makeToPolarTask, {{1, 10}, {where, 4}, {std::abs(x) - 1, 9}, {std::abs(y) - 1, 9}});
}
ExerciseTask toCartesianTask(int r, int degrees) {
    return drawn(makeToCartesianTask, {{r - 1, 20}, angleDraw(degrees)});
}
// r₁∠φ₁ · r₂∠φ₂, or r₁∠φ₁ / r₂∠φ₂ where `divide`; the angles cross ±180° where `crossing`.
ExerciseTask productTask(bool divide, int r1, int phi1, int r2, int phi2, bool crossing) {
    return drawn(
        makePolarProductTask,
        {{divide ? 1 : 0, 2}, {crossing ? 0 : 1, 3}, {r1 - 1, 20}, {r2 - 1, 20}, angleDraw(phi1), angleDraw(phi2)});
}
ExerciseTask phasorTask(int r1, int phi1, int r2, int phi2) {
    return drawn(makePhasorSumTask, {{r1 - 1, 20}, angleDraw(phi1), {r2 - 1, 20}, angleDraw(phi2)});
}
// r∠φ° as the tasks show it.
std::string shownPolar(int r, int degrees) { return std::to_string(r) + "∠" + std::to_string(degrees) + "°"; }

// The mode whose tasks have the task's operation, its judgement of an answer and the task worked through from it.
const ModeLogic& logicOf(const ExerciseTask& task) {
    const Operation operation = task.numbers.operation;
    return *modeLogic(operation == Operation::ToPolar       ? M::ToPolar
                      : operation == Operation::ToCartesian ? M::ToCartesian
                      : operation == Operation::AddPhasors  ? M::AddPhasors
                                                            : M::PolarMultiplyDivide);
}
Judgement judged(const ExerciseTask& task, const TypedAnswer& typed) { return judge(logicOf(task), task, typed); }
WorkedSolution workedOut(const ExerciseTask& task, const TypedAnswer& typed) {
    return workThrough(logicOf(task), task, judged(task, typed));
}
bool right(const ExerciseTask& task, const TypedAnswer& typed) { return judged(task, typed).right(); }
std::string joined(const ExerciseTask& task, const TypedAnswer& typed) {
    return task.shown.front() + ": " + typed.front() + (typed.size() > 1 ? " | " + typed[1] : "");
}

std::vector<std::string> expectedTexts(const ExerciseTask& task) {
    std::vector<std::string> texts;
    for (const AnswerField& field : task.fields)
        texts.push_back(field.expected);
    return texts;
}

TEST(PolarTasks, ConvertToPolarFromEveryQuadrantAndEveryHalfAxis) {
    const struct {
        int x, y;
        std::string shown;
        std::vector<std::string> expected;
    } cases[] = {{3, 4, "3 + j4", {"5", "53.13"}},      {-3, 4, "-3 + j4", {"5", "126.87"}},
                 {-3, -4, "-3 - j4", {"5", "-126.87"}}, {3, -4, "3 - j4", {"5", "-53.13"}},
                 {2, -7, "2 - j7", {"7.28", "-74.05"}}, {-9, 9, "-9 + j9", {"12.73", "135"}},
                 {7, 0, "7 + j0", {"7", "0"}},          {0, 1, "0 + j1", {"1", "90"}},
                 {-9, 0, "-9 + j0", {"9", "180"}},      {0, -6, "0 - j6", {"6", "-90"}}};
    for (const auto& c : cases) {
        const ExerciseTask task = toPolarTask(c.x, c.y);
        EXPECT_EQ(task.shown, std::vector{c.shown});
        EXPECT_EQ(expectedTexts(task), c.expected) << c.shown;
        ASSERT_EQ(task.fields.size(), 2u);
        EXPECT_NEAR(task.fields[0].byValue->value, std::abs(Value(c.x, c.y)), 1e-12) << c.shown;
        EXPECT_NEAR(task.fields[1].byValue->value, degreesOf(Value(c.x, c.y)), 1e-12) << c.shown;
        EXPECT_EQ(task.fields[1].byValue->kind, JudgedValue::Kind::Angle);
    }
    // The largest raw values: an axis draw of 10 and a quadrant draw of 4 count as the last of each.
    EXPECT_EQ(drawn(makeToPolarTask, {{10, 10}, {4, 4}, {9, 9}, {9, 9}}).shown, std::vector<std::string>{"9 - j9"});
}

TEST(PolarTasks, ConvertToCartesianMultiplyDivideAndAddWithTheValuesTheirTextsDenote) {
    // Each part rounded to two decimals, an exact one as it is; no −j0.
    const struct {
        int r, degrees;
        std::string expected;
    } conversions[] = {{8, -135, "-5.66-j5.66"}, {20, 180, "-20+j0"}, {1, 5, "1.00+j0.09"}, {2, 150, "-1.73+j1"}};
    for (const auto& c : conversions) {
        const ExerciseTask task = toCartesianTask(c.r, c.degrees);
        EXPECT_EQ(task.shown, std::vector{shownPolar(c.r, c.degrees)});
        EXPECT_EQ(expectedTexts(task), std::vector{c.expected});
        EXPECT_NEAR(task.fields[0].byValue->value, polar(c.r, c.degrees).real(), 1e-12) << c.expected;
        EXPECT_NEAR(task.fields[0].byValue->imaginary, polar(c.r, c.degrees).imag(), 1e-12) << c.expected;
    }
    const struct {
        std::string operation;
        int r1, phi1, r2, phi2;
        bool crossing;
        std::vector<std::string> expected;
    } cases[] = {{" · ", 3, 150, 4, 100, true, {"12", "-110"}},  {" · ", 20, -90, 20, -95, true, {"400", "175"}},
                 {" · ", 1, 90, 2, 90, false, {"2", "180"}},     {" / ", 10, 30, 4, -15, false, {"2.5", "45"}},
                 {" / ", 2, -170, 20, 15, true, {"0.1", "175"}}, {" + ", 5, 30, 3, 135, false, {"5.12", "64.44"}}};
    for (const auto& c : cases) {
        const Value a = polar(c.r1, c.phi1), b = polar(c.r2, c.phi2);
        const Value value = c.operation == " · " ? a * b : c.operation == " / " ? a / b : a + b;
        const ExerciseTask task = c.operation == " + "
                                      ? phasorTask(c.r1, c.phi1, c.r2, c.phi2)
                                      : productTask(c.operation == " / ", c.r1, c.phi1, c.r2, c.phi2, c.crossing);
        const std::string shown = shownPolar(c.r1, c.phi1) + c.operation + shownPolar(c.r2, c.phi2);
        EXPECT_EQ(task.shown, std::vector{shown});
        EXPECT_EQ(expectedTexts(task), c.expected) << shown;
        EXPECT_NEAR(task.fields[0].byValue->value, std::abs(value), 1e-12) << shown;
        EXPECT_NEAR(apart(task.fields[1].byValue->value, degreesOf(value)), 0, 1e-9) << shown;
    }
}

TEST(PolarTasks, RedrawAQuotientWithMoreThanOneDecimalAndAnglesOnTheWrongSideOfHalfATurn) {
    // 3 / 7 has more than one decimal: drawn again as 10 / 4. Then 30° − 170° = −140° does not cross ±180°, drawn
    // again as −170° − 30° = −200°.
    Draws draws{{1, 2}, {0, 3}, {2, 20}, {6, 20}, {9, 20}, {3, 20}};
    for (const int degrees : {30, 170, -170, 30})
        draws.push_back(angleDraw(degrees));
    const ExerciseTask task = drawn(makePolarProductTask, draws);
    EXPECT_EQ(task.shown, std::vector<std::string>{"10∠-170° / 4∠30°"});
    EXPECT_EQ(expectedTexts(task), (std::vector<std::string>{"2.5", "160"}));
    // Phasors too close in direction (10° apart, and 170°) or whose sum is short are drawn again.
    draws.clear();
    for (const auto& [r, degrees] :
         std::vector<std::pair<int, int>>{{5, 30}, {5, 40}, {5, 30}, {5, -160}, {2, 0}, {3, 90}, {5, 30}, {5, 45}})
        draws.insert(draws.end(), {{r - 1, 20}, angleDraw(degrees)});
    EXPECT_EQ(drawn(makePhasorSumTask, draws).shown, std::vector<std::string>{"5∠30° + 5∠45°"});
}

// Draws a few thousand tasks of a mode from a fixed seed.
std::vector<ExerciseTask> manyTasks(M mode, int count = 20000) {
    RandomSource source(20261208);
    std::vector<ExerciseTask> tasks;
    for (int i = 0; i < count; ++i)
        tasks.push_back(modeLogic(mode)->makeTask(source));
    return tasks;
}

TEST(PolarTasks, DrawTheirNumbersAsOftenAsTheModesSay) {
    std::map<std::pair<int, int>, int> signs;  // the signs of x and y: −1, 0, 1
    for (const ExerciseTask& task : manyTasks(M::ToPolar)) {
        const ComplexValue z = task.numbers.first;
        ASSERT_TRUE(z.re != 0 || z.im != 0);
        ASSERT_TRUE(std::abs(z.re) <= 9 && std::abs(z.im) <= 9);
        ++signs[{(z.re > 0) - (z.re < 0), (z.im > 0) - (z.im < 0)}];
    }
    int axis = 0;
    for (const auto& [sign, count] : signs)
        if (sign.first == 0 || sign.second == 0)
            axis += count;
        else
            EXPECT_NEAR(count, 20000 * 0.9 / 4, 20000 * 0.02) << sign.first << " " << sign.second;
    EXPECT_NEAR(axis, 20000 * 0.1, 20000 * 0.01);
    EXPECT_EQ(signs.size(), 8u);

    std::set<int> moduli, angles;
    int onAxis = 0;
    for (const ExerciseTask& task : manyTasks(M::ToCartesian)) {
        const PolarValue z = task.numbers.firstPolar;
        moduli.insert(z.modulus);
        angles.insert(z.degrees);
        onAxis += z.degrees % 90 == 0;
    }
    // Every modulus from 1 to 20, every angle in steps of 5° from −175° to 180°.
    EXPECT_EQ((std::tuple{moduli.size(), *moduli.begin(), *moduli.rbegin()}), (std::tuple{20u, 1, 20}));
    EXPECT_EQ((std::tuple{angles.size(), *angles.begin(), *angles.rbegin()}), (std::tuple{72u, -175, 180}));
    EXPECT_NEAR(onAxis, 20000 * 4 / 72, 20000 * 0.01);

    int crossing = 0, divisions = 0;
    std::set<double> quotients;
    for (const ExerciseTask& task : manyTasks(M::PolarMultiplyDivide)) {
        const PolarValue a = task.numbers.firstPolar, b = task.numbers.secondPolar;
        const bool divide = task.numbers.operation == Operation::PolarDivide;
        const int angle = divide ? a.degrees - b.degrees : a.degrees + b.degrees;
        crossing += angle > 180 || angle <= -180;
        divisions += divide;
        if (divide) {
            const double quotient = double(a.modulus) / b.modulus;
            EXPECT_NEAR(quotient * 10, std::round(quotient * 10), 1e-9) << task.shown.front();
            quotients.insert(quotient);
        }
    }
    EXPECT_NEAR(crossing, 20000 / 3, 20000 * 0.015);
    EXPECT_NEAR(divisions, 20000 / 2, 20000 * 0.015);
    EXPECT_TRUE(quotients.count(0.5) && quotients.count(2.5) && quotients.count(20) && quotients.count(0.1));

    for (const ExerciseTask& task : manyTasks(M::AddPhasors, 5000)) {
        const PolarValue a = task.numbers.firstPolar, b = task.numbers.secondPolar;
        const double between = apart(a.degrees, b.degrees);
        EXPECT_TRUE(between > 10 && between < 170) << task.shown.front();
        const double sum = std::abs(polar(a.modulus, a.degrees) + polar(b.modulus, b.degrees));
        EXPECT_GE(sum, std::max({5.0, a.modulus / 2.0, b.modulus / 2.0})) << task.shown.front();
    }
}

// The tolerance at its edges: just inside and just outside, both decimal marks, whole turns, −180° and 180°, and the
// edges the sweep of drawn tasks below does not reach. How the reader takes blanks, signs and degree signs is held in
// PolarReading.
TEST(PolarJudgement, TakesEveryAnswerWithinTheToleranceAndNothingBeyond) {
    // Each answer of the first list is right, each of the second wrong.
    const auto expectJudged = [](const ExerciseTask& task, std::vector<TypedAnswer> rightOnes,
                                 std::vector<TypedAnswer> wrongOnes) {
        for (const TypedAnswer& typed : rightOnes)
            EXPECT_TRUE(right(task, typed)) << joined(task, typed);
        for (const TypedAnswer& typed : wrongOnes)
            EXPECT_FALSE(right(task, typed)) << joined(task, typed);
    };
    // 5∠126.869898°: the modulus within 0.05, the angle within 0.1° (126.96° is 0.0901° off, 126,97° 0.1001°, 126.77°
    // 0.0999°, 126.76° 0.1099°), a turn or two away too.
    const ExerciseTask q2 = toPolarTask(-3, 4);
    expectJudged(q2, {{"5,05", "126,87"}, {"4.95", "126.87"}, {"5", "126.96"}, {"5", "126.77"}},
                 {{"4,94", "126.87"}, {"5", "126,97"}, {"5", "126.76"}});
    expectJudged(q2, {{"5", "-233,2"}, {"5", "846,87\u00B0"}, {" +5. ", "+126.87 \u00BA"}}, {{"5", "-233.24"}});
    // 9∠180°: −180° is the same angle.
    expectJudged(toPolarTask(-9, 0), {{"9", "-180"}, {"9", "-179,9"}, {"9", "179.95"}, {"9", "540"}},
                 {{"9", "-179.89"}, {"9", "179.89"}, {"9", "0"}});
    // 12.727922∠45°: 0.5 % of the modulus is 0.0636.
    expectJudged(toPolarTask(9, 9), {{"12.67", "45"}}, {{"12.66", "45"}});
    // 16.383041 + j11.471529, each part within 0.1 (16.29 is 0.093 off, 16.28 0.103); −5.656854 − j5.656854, each
    // part within 0.05 (−5.61 is 0.047 off, −5.60 0.057).
    expectJudged(toCartesianTask(20, 35), {{"16,38 + j 11,47"}, {"16.29+j11.47"}, {"16.4+11.5j"}},
                 {{"16.28+j11.47"}, {"16.38+j11.58"}});
    expectJudged(toCartesianTask(8, -135), {{"\u22125,7 \u2212 j5,7"}, {"-5.61-j5.66"}}, {{"-5.60-j5.66"}});
    // Exactly 2.5∠45°: the modulus within 0.005, the angle within 0.05°.
    expectJudged(productTask(true, 10, 30, 4, -15, false), {{"2,505", "45,05"}, {"2.5", "-315"}}, {{"2.5", "44.94"}});
}

// Every answer a student gets who works with a calculator and keeps two decimals in every intermediate value and in
// the result (one in an angle) is right, in either decimal mark; and the tolerance is no wider than the rule says.
TEST(PolarJudgement, TakesEveryAnswerOfAStudentWhoKeepsTwoDecimalsAndNoMore) {
    for (const ExerciseTask& task : manyTasks(M::ToPolar, 2000)) {
        const Value z(task.numbers.first.re, task.numbers.first.im);
        const double r = std::abs(z), phi = degreesOf(z), tolerance = std::max(0.005 * r, 0.05);
        for (const int places : {1, 2})
            EXPECT_TRUE(right(task, {written(r, 2, ','), written(phi, places, ',')}));
        // The triangle's angle on its own, rounded, then turned by the quadrant's rule.
        const double alpha = rounded(std::atan(std::abs(z.imag() / z.real())) / kDegree, 1);
        if (z.real() < 0 && z.imag() != 0) {
            EXPECT_TRUE(right(task, {written(r, 2), written(z.imag() > 0 ? 180 - alpha : alpha - 180, 1)}));
        }
        EXPECT_TRUE(right(task, {written(r + 0.99 * tolerance, 6), written(phi - 0.099, 6)}));
        EXPECT_FALSE(right(task, {written(r + 1.01 * tolerance, 6), written(phi, 6)}));
        EXPECT_FALSE(right(task, {written(r, 6), written(phi + 360.101, 6)}));
    }
    for (const ExerciseTask& task : manyTasks(M::ToCartesian, 2000)) {
        const PolarValue z = task.numbers.firstPolar;
        const double c = std::cos(z.degrees * kDegree), s = std::sin(z.degrees * kDegree);
        const double x = z.modulus * c, y = z.modulus * s, tolerance = std::max(0.005 * z.modulus, 0.05);
        EXPECT_TRUE(right(task, {writtenCartesian(x, y, 2, ',')}));
        // cos φ and sin φ rounded to two decimals before they are multiplied.
        EXPECT_TRUE(right(task, {writtenCartesian(z.modulus * rounded(c, 2), z.modulus * rounded(s, 2), 2)}));
        EXPECT_TRUE(right(task, {writtenCartesian(x - 0.99 * tolerance, y + 0.99 * tolerance, 6)}));
        EXPECT_FALSE(right(task, {writtenCartesian(x, y - 1.01 * tolerance, 6)}));
    }
    for (const ExerciseTask& task : manyTasks(M::PolarMultiplyDivide, 2000)) {
        const PolarValue a = task.numbers.firstPolar, b = task.numbers.secondPolar;
        const bool divide = task.numbers.operation == Operation::PolarDivide;
        const double r = divide ? double(a.modulus) / b.modulus : a.modulus * b.modulus;
        const int angles = divide ? a.degrees - b.degrees : a.degrees + b.degrees;  // not brought back: also right
        EXPECT_TRUE(right(task, {written(r, 2, ','), written(angles, 1)}));
        EXPECT_TRUE(right(task, {written(r + 0.0049, 4), written(angles - 0.049, 3)}));
        EXPECT_FALSE(right(task, {written(r + 0.0051, 4), written(angles, 0)}));
        EXPECT_FALSE(right(task, {written(r, 2), written(angles + 0.051, 3)}));
    }
    for (const ExerciseTask& task : manyTasks(M::AddPhasors, 2000)) {
        const PolarValue a = task.numbers.firstPolar, b = task.numbers.secondPolar;
        const Value p = polar(a.modulus, a.degrees), q = polar(b.modulus, b.degrees), sum = p + q;
        // Each part of each phasor off by as much as a rounding to two decimals leaves it, up or down: the corners of
        // every student's sum. Just inside them every student is right; at them the angle turns furthest.
        double worstTurn = 0;
        for (int corner = 0; corner < 16; ++corner) {
            const auto off = [corner](int bit, double by) { return corner >> bit & 1 ? by : -by; };
            for (const double by : {0.0049, 0.005}) {
                const double x = p.real() + off(0, by) + q.real() + off(1, by);
                const double y = p.imag() + off(2, by) + q.imag() + off(3, by);
                if (by == 0.005)
                    worstTurn = std::max(worstTurn, apart(std::atan2(y, x) / kDegree, degreesOf(sum)));
                else
                    EXPECT_TRUE(
                        right(task, {written(std::hypot(x, y), 2, ','), written(std::atan2(y, x) / kDegree, 1, ',')}))
                        << task.shown.front() << " corner " << corner;
            }
        }
        const double r = std::abs(sum), phi = degreesOf(sum);
        const double needed = std::max(0.1, worstTurn + 0.05);
        EXPECT_TRUE(right(task, {written(r, 6), written(phi + 0.99 * needed, 6)})) << task.shown.front();
        // No wider than that rounding needs: a hundredth of a degree to spare at most.
        EXPECT_FALSE(right(task, {written(r, 6), written(phi - needed - 0.011, 6)})) << task.shown.front();
        EXPECT_FALSE(right(task, {written(r + 1.01 * std::max(0.005 * r, 0.05), 6), written(phi, 6)}));
    }
}

struct Expected {
    Finding finding;
    std::vector<AnswerPart> parts = {};
    std::vector<Finding> further = {};
};

// Each finding with an answer that shows it, and near answers that do not: a little off a slip's value (8∠51° for a
// product, 11.47 + j16.5 for a conversion), or beyond too coarse a rounding. The findings whose words are pinned in
// PutsEachSlipIntoTheWordsOfItsMode are named there.
TEST(PolarDiagnosis, NamesEverySlipOfTheModesAndNotANearAnswer) {
    const ExerciseTask q2 = toPolarTask(-3, 4);  // 5∠126.87°, α = 53.13°; 126.87° is 2.2143 in radians
    const ExerciseTask q4 = toPolarTask(2, -7);  // 7.28∠−74.05°, r² = 53
    const ExerciseTask cartesian = toCartesianTask(20, 35);                  // 16.38 + j11.47
    const ExerciseTask product = productTask(false, 3, 150, 4, 100, true);   // 12∠−110°
    const ExerciseTask quotient = productTask(true, 10, 30, 4, -15, false);  // 2.5∠45°
    const ExerciseTask sum = phasorTask(5, 30, 3, 135);  // 5.12∠64.45°; (5 + 3)∠(30° + 135°); r² = 26.23
    const struct {
        const ExerciseTask& task;
        TypedAnswer typed;
        Expected expected;
    } cases[] = {
        {q2, {"", ""}, {F::Nothing}},
        {q2, {"5", "126.87 rad"}, {F::Unreadable, {P::Angle}}},
        {q2, {"r=5", ""}, {F::Unreadable, {P::Modulus}}},
        {q2, {"-5", "126.87"}, {F::SignTurned, {P::Modulus}}},
        {q2, {"5", "53.13"}, {F::NoQuadrantCorrection}},  // α itself
        {q2, {"5", "-36.87"}, {F::XYSwapped}},            // 90° − φ
        {q2, {"5", "143.13"}, {F::XYSwapped}},            // arctan(−3 / 4) turned by 180°
        {q2, {"5", "179,07"}, {F::DegreesRadians}},       // α in radians, 180° − 0.93
        {q2, {"5", "127"}, {F::RoundedTooCoarsely}},
        {q2, {"5", "126.7"}, {F::WrongParts, {P::Angle}}},
        {q4, {"53", "-74.05"}, {F::RootMissing}},
        {q4, {"7", "-74.05"}, {F::RoundedTooCoarsely}},
        {q4, {"7.5", "-74.05"}, {F::WrongParts, {P::Modulus}}},
        {q4, {"7.28", "74.05"}, {F::SignTurned, {P::Angle}}},  // also α: the sign is named
        {cartesian, {"20\u222035\u00B0"}, {F::Unreadable}},
        {cartesian, {"11.47+j16.38"}, {F::CosSinSwapped}},
        {cartesian, {"11.47+j16.5"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {cartesian, {"16.38-j11.47"}, {F::SignTurned, {P::Imaginary}}},
        {cartesian, {"-16.38+j11.47"}, {F::SignTurned, {P::Real}}},
        {cartesian, {"-16.38-j11.47"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {cartesian, {"16+j11"}, {F::RoundedTooCoarsely}},  // cos 35° taken as 0.8
        {cartesian, {"17.38+j11.47"}, {F::RoundedTooCoarsely}},
        {cartesian, {"17.48+j11.47"}, {F::WrongParts, {P::Real}}},
        {product, {"7", "-110"}, {F::ModuliAdded}},
        {product, {"12", "50"}, {F::AnglesSubtracted}},
        {product, {"-12", "-110"}, {F::SignTurned, {P::Modulus}}},
        {product, {"12", "110"}, {F::SignTurned, {P::Angle}}},
        {product, {"8", "51"}, {F::WrongParts, {P::Modulus, P::Angle}}},
        {quotient, {"6", "45"}, {F::ModuliSubtracted}},
        {quotient, {"2.5", "15"}, {F::AnglesAdded}},
        {quotient, {"3", "45"}, {F::RoundedTooCoarsely}},
        {quotient, {"2", "45"}, {F::RoundedTooCoarsely}},
        {quotient, {"2.4", "45"}, {F::WrongParts, {P::Modulus}}},
        {quotient, {"0.4", "-45"}, {F::SignTurned, {P::Angle}, {F::WrongParts}}},
        {sum, {"8", "165"}, {F::AddedInPolarForm}},
        {sum, {"5.12", "165"}, {F::AddedInPolarForm}},
        {sum, {"26.2", "64.44"}, {F::RootMissing}},
        {sum, {"5.12", "-115.56"}, {F::NoQuadrantCorrection}},
        {sum, {"5.12", "1.12"}, {F::DegreesRadians}},
        {sum, {"5.12", "65"}, {F::RoundedTooCoarsely}},  // one decimal fewer in each step
        {sum, {"5.12", "67"}, {F::WrongParts, {P::Angle}}},
        {sum, {"4", "64.44"}, {F::WrongParts, {P::Modulus}}},
    };
    for (const auto& c : cases) {
        const Diagnosis found = judged(c.task, c.typed).diagnosis;
        EXPECT_EQ(found.finding, c.expected.finding) << joined(c.task, c.typed);
        EXPECT_EQ(found.parts, c.expected.parts) << joined(c.task, c.typed);
        std::vector<Finding> further;
        for (const Diagnosis& more : found.further)
            further.push_back(more.finding);
        EXPECT_EQ(further, c.expected.further) << joined(c.task, c.typed);
    }
    EXPECT_EQ(readAloud(judged(q4, {"53", "-74.05"}).diagnosis.detail), "\u221A(53) = 7.28");
    EXPECT_EQ(readAloud(judged(sum, {"26.2", "64.44"}).diagnosis.detail), "\u221A(26.23) = 5.12");
    EXPECT_EQ(judged(q2, {"x", "y"}).diagnosis.form, AnswerForm::Polar);
    EXPECT_EQ(judged(cartesian, {"x"}).diagnosis.form, AnswerForm::DecimalCartesian);
}

// The value an answer has after each slip, worked out here and typed exactly: where it differs from the right value
// it is outside the tolerance and the diagnosis names a slip for it; where it does not, it is right.
TEST(PolarDiagnosis, NamesASlipForEverySlipAppliedToThousandsOfDrawnTasks) {
    const std::set<Finding> named{F::RootMissing,    F::SignTurned,       F::NoQuadrantCorrection, F::XYSwapped,
                                  F::DegreesRadians, F::CosSinSwapped,    F::AnglesAdded,          F::AnglesSubtracted,
                                  F::ModuliAdded,    F::ModuliSubtracted, F::AddedInPolarForm};
    int slips = 0, wrong = 0;
    // A polar answer's modulus and angle, or x and y; the right ones the same way.
    const auto expectNamed = [&](const ExerciseTask& task, std::pair<double, double> slip,
                                 std::pair<double, double> exact, const char* name) {
        const bool polarForm = task.numbers.operation != Operation::ToCartesian;
        const TypedAnswer typed = polarForm ? TypedAnswer{written(slip.first, 6), written(slip.second, 6)}
                                            : TypedAnswer{writtenCartesian(slip.first, slip.second, 6)};
        const bool same = std::abs(slip.first - exact.first) < 1e-9 &&
                          (polarForm ? apart(slip.second, exact.second) : std::abs(slip.second - exact.second)) < 1e-9;
        const Judgement judgement = judged(task, typed);
        ++slips;
        wrong += !same;
        // Where the slip leaves this task's value as it is (arctan(y / x) in the right half-plane, say) it is right.
        EXPECT_EQ(judgement.right(), same) << name << " " << joined(task, typed);
        EXPECT_TRUE(same || named.count(judgement.diagnosis.finding))
            << name << " " << joined(task, typed) << " finding " << int(judgement.diagnosis.finding);
    };
    for (const ExerciseTask& task : manyTasks(M::ToPolar, 3000)) {
        const Value z(task.numbers.first.re, task.numbers.first.im);
        const std::pair exact{std::abs(z), degreesOf(z)};
        const auto [r, phi] = exact;
        expectNamed(task, {std::norm(z), phi}, exact, "r²");
        expectNamed(task, {r, -phi}, exact, "−φ");
        if (z.real() != 0)
            expectNamed(task, {r, std::atan(z.imag() / z.real()) / kDegree}, exact, "arctan(y / x)");
        expectNamed(task, {r, 90 - phi}, exact, "90° − φ");
        expectNamed(task, {r, phi * kDegree}, exact, "radians");
    }
    for (const ExerciseTask& task : manyTasks(M::ToCartesian, 3000)) {
        const PolarValue z = task.numbers.firstPolar;
        const double r = z.modulus, c = std::cos(z.degrees * kDegree), s = std::sin(z.degrees * kDegree);
        const std::pair exact{r * c, r * s};
        expectNamed(task, {r * s, r * c}, exact, "sin for cos");
        expectNamed(task, {r * std::cos(z.degrees), r * std::sin(z.degrees)}, exact, "radians");
        expectNamed(task, {r * c, -r * s}, exact, "−φ");
    }
    for (const ExerciseTask& task : manyTasks(M::PolarMultiplyDivide, 3000)) {
        const PolarValue a = task.numbers.firstPolar, b = task.numbers.secondPolar;
        const bool divide = task.numbers.operation == Operation::PolarDivide;
        const double r = divide ? double(a.modulus) / b.modulus : a.modulus * b.modulus;
        const double phi = divide ? a.degrees - b.degrees : a.degrees + b.degrees;
        const std::pair exact{r, phi};
        expectNamed(task, {r, divide ? a.degrees + b.degrees : a.degrees - b.degrees}, exact, "angles");
        expectNamed(task, {divide ? a.modulus - b.modulus : a.modulus + b.modulus, phi}, exact, "moduli");
        expectNamed(task, {r, -phi}, exact, "−φ");
    }
    for (const ExerciseTask& task : manyTasks(M::AddPhasors, 3000)) {
        const PolarValue a = task.numbers.firstPolar, b = task.numbers.secondPolar;
        const Value sum = polar(a.modulus, a.degrees) + polar(b.modulus, b.degrees);
        const std::pair exact{std::abs(sum), degreesOf(sum)};
        const auto [r, phi] = exact;
        expectNamed(task, {a.modulus + b.modulus, a.degrees + b.degrees}, exact, "in polar form");
        expectNamed(task, {a.modulus + b.modulus, phi}, exact, "moduli");
        expectNamed(task, {r, a.degrees + b.degrees}, exact, "angles");
        expectNamed(task, {std::norm(sum), phi}, exact, "r²");
        expectNamed(task, {r, phi + 180}, exact, "no quadrant");
        expectNamed(task, {r, -phi}, exact, "−φ");
        expectNamed(task, {r, 90 - phi}, exact, "90° − φ");
        expectNamed(task, {r, phi * kDegree}, exact, "radians");
    }
    EXPECT_GT(wrong, slips * 8 / 10);
}

// The words of each finding: the mode's own, and the other part's after it. (A right answer has none: the sweep of
// WorkedSolutionTest holds every mode to that.)
TEST(PolarDiagnosis, PutsEachSlipIntoTheWordsOfItsMode) {
    const auto sentences = [](const ExerciseTask& task, const TypedAnswer& typed) {
        std::vector<std::string> all;
        for (const ExplanationLine& line : workedOut(task, typed).explanation)
            for (const Phrase& sentence : line.sentences)
                all.push_back(sentence.sentence ? sentence.sentence : sentence.literal);
        return all;
    };
    const ExerciseTask q2 = toPolarTask(-3, 4);
    EXPECT_EQ(sentences(q2, {"5", ""}), std::vector<std::string>{"Der Winkel fehlt."});
    EXPECT_EQ(sentences(q2, {"", "1"}), std::vector<std::string>{"Der Betrag fehlt."});
    EXPECT_EQ(sentences(q2, {"25", "-126.87"}),
              (std::vector<std::string>{"Das ist die Summe der Quadrate; der Betrag ist ihre Wurzel:",
                                        "Der Winkel hat das falsche Vorzeichen."}));
    EXPECT_TRUE(sentences(q2, {"5", "2.21"}).front().starts_with("Es sieht so aus, als wäre der Winkel im Bogenmaß"));
    EXPECT_TRUE(sentences(toCartesianTask(20, 35), {"-18.07-j8.56"})
                    .front()
                    .starts_with("Es sieht so aus, als hätte der Taschenrechner cos und sin"));
    EXPECT_EQ(sentences(q2, {"24", "-53.13"}),
              (std::vector<std::string>{"Der Winkel liegt im falschen Quadranten: arctan gibt nur Winkel zwischen "
                                        "−90° und 90°.",
                                        "In welchem Quadranten z liegt, zeigen die Vorzeichen von Realteil und "
                                        "Imaginärteil; danach richtet sich φ.",
                                        "Der Betrag stimmt nicht."}));
    EXPECT_EQ(
        sentences(productTask(false, 3, 150, 4, 100, true), {"7", "50"}),
        (std::vector<std::string>{"Beim Multiplizieren werden die Beträge multipliziert, nicht addiert: r = r₁ · r₂.",
                                  "Beim Multiplizieren werden die Winkel addiert, nicht subtrahiert: φ = φ₁ + φ₂."}));
    EXPECT_TRUE(sentences(phasorTask(5, 30, 3, 135), {"8", "64.44"}).front().starts_with("Die Beträge zweier Zeiger"));
    // Every finding of a wrong answer is put into words.
    for (const M mode : {M::ToPolar, M::ToCartesian, M::PolarMultiplyDivide, M::AddPhasors})
        for (const ExerciseTask& task : manyTasks(mode, 300))
            for (const std::string typed : {"1", "", "x", "-1", "0.5"}) {
                TypedAnswer answer(task.fields.size(), typed);
                answer.back() = "7";
                if (!right(task, answer)) {
                    EXPECT_FALSE(sentences(task, answer).empty()) << joined(task, answer);
                }
            }
}

// The lines of a worked solution, as a screen reader reads them.
std::vector<std::string> lines(const ExerciseTask& task) {
    const WorkedSolution solution = workedOut(task, TypedAnswer(task.fields.size(), "1"));
    std::vector<std::string> all;
    for (const Step& step : solution.steps)
        all.push_back(stepcheck::line(step));
    all.push_back("result " + readAloud(solution.result));
    all.push_back("typed " + readAloud(solution.typed));
    return all;
}

TEST(PolarSolution, WorksEveryModeThroughWithTheTasksOwnNumbers) {
    EXPECT_EQ(lines(toPolarTask(-3, 4)),
              (std::vector<std::string>{"z = −3 + j4", "r = |z| = √((−3)² + 4²) = √(9 + 16) = √(25) = 5",
                                        "α = arctan(4 / 3) = 53.13°", "φ = 180° − α = 180° − 53.13° = 126.87°",
                                        "z = 5∠126.87° = 5·e^(j126.87°)", "result 5∠126.87° = 5·e^(j126.87°)",
                                        "typed 1∠1°"}));
    EXPECT_EQ(lines(toPolarTask(2, -7)),
              (std::vector<std::string>{"z = 2 − j7", "r = |z| = √(2² + (−7)²) = √(4 + 49) = √(53) = 7.28",
                                        "α = arctan(7 / 2) = 74.05°", "φ = −α = −74.05°",
                                        "z = 7.28∠−74.05° = 7.28·e^(−j74.05°)",
                                        "result 7.28∠-74.05° = 7.28·e^(-j74.05°)", "typed 1∠1°"}));
    EXPECT_EQ(lines(toPolarTask(0, -6)),
              (std::vector<std::string>{"z = 0 − j6", "r = |z| = √(0² + (−6)²) = √(0 + 36) = √(36) = 6", "φ = −90°",
                                        "z = 6∠−90° = 6·e^(−j90°)", "result 6∠-90° = 6·e^(-j90°)", "typed 1∠1°"}));
    EXPECT_EQ(lines(toCartesianTask(8, -135)),
              (std::vector<std::string>{"x = 8 · cos(−135°) = −5.66", "y = 8 · sin(−135°) = −5.66",
                                        "8∠−135° = −5.66 − j5.66", "result -5.66-j5.66", "typed 1"}));
    EXPECT_EQ(lines(productTask(false, 3, 150, 4, 100, true)),
              (std::vector<std::string>{"3∠150° · 4∠100° = (3 · 4)∠(150° + 100°) = 12∠250°", "= 12∠−110°",
                                        "= 12·e^(−j110°)", "result 12∠-110° = 12·e^(-j110°)", "typed 1∠1°"}));
    EXPECT_EQ(lines(productTask(true, 10, 30, 4, -15, false)),
              (std::vector<std::string>{"10∠30° / 4∠−15° = (10 / 4)∠(30° − (−15°)) = 2.5∠45°", "= 2.5·e^(j45°)",
                                        "result 2.5∠45° = 2.5·e^(j45°)", "typed 1∠1°"}));
    EXPECT_EQ(lines(phasorTask(5, 30, 3, 135)),
              (std::vector<std::string>{
                  "x₁ = 5 · cos(30°) = 4.33", "y₁ = 5 · sin(30°) = 2.5", "x₂ = 3 · cos(135°) = −2.12",
                  "y₂ = 3 · sin(135°) = 2.12", "x = x₁ + x₂ = 4.33 + (−2.12) = 2.21", "y = y₁ + y₂ = 2.5 + 2.12 = 4.62",
                  "z = x + jy = 2.21 + j4.62", "r = |z| = √(2.21² + 4.62²) = 5.12", "α = arctan(4.62 / 2.21) = 64.44°",
                  "φ = α = 64.44°", "z = 5.12∠64.44° = 5.12·e^(j64.44°)", "result 5.12∠64.44° = 5.12·e^(j64.44°)",
                  "typed 1∠1°"}));
}

TEST(PolarSolution, ShowsTheAnswerAsTypedWithItsDegreeSignOnce) {
    const ExerciseTask task = toPolarTask(-3, 4);
    const auto typed = [&task](const TypedAnswer& answer) { return readAloud(workedOut(task, answer).typed); };
    EXPECT_EQ(typed({"5,1", "53"}), "5,1∠53°");
    EXPECT_EQ(typed({"5", "53\u00B0"}), "5∠53°");
    EXPECT_EQ(typed({"", ""}), "\u25A1∠\u25A1°");
}

TEST(PolarText, WritesTheRightAnswerInBothPolarFormsAndInTheScreensDecimalMark) {
    EXPECT_EQ(polarForms("5", "53.13"), "5\u222053.13\u00B0 = 5\u00B7e^(j53.13\u00B0)");
    EXPECT_EQ(polarForms("8", "-135"), "8\u2220-135\u00B0 = 8\u00B7e^(-j135\u00B0)");
    EXPECT_EQ(withDecimalMark(polarForms("5", "53.13"), ','), "5\u222053,13\u00B0 = 5\u00B7e^(j53,13\u00B0)");
    EXPECT_EQ(withDecimalMark("2.5\u222045\u00B0", '.'), "2.5\u222045\u00B0");
    // Only a point between two digits is a decimal mark.
    for (const auto& [text, marked] : std::vector<std::pair<std::string, std::string>>{{"-5.66-j5.66", "-5,66-j5,66"},
                                                                                       {"Ende. 3.", "Ende. 3."},
                                                                                       {".5 und 5.", ".5 und 5."},
                                                                                       {"x.5, 3.x", "x.5, 3.x"}})
        EXPECT_EQ(withDecimalMark(text, ','), marked);

    const WorkedSolution solution = withDecimalMark(workedOut(phasorTask(5, 30, 3, 135), {"26.2", "64.5"}), ',');
    EXPECT_EQ(stepcheck::line(solution.steps.at(4)), "x = x₁ + x₂ = 4,33 + (−2,12) = 2,21");
    EXPECT_EQ(readAloud(solution.result), "5,12∠64,44° = 5,12·e^(j64,44°)");
    EXPECT_EQ(readAloud(solution.typed), "26.2∠64.5°");  // as typed
    EXPECT_EQ(readAloud(solution.explanation.at(1).formula), "\u221A(26,23) = 5,12");
}

// The numbers as the polar modes write them: exact values as they are, rounded ones with both decimals.
TEST(PolarText, WritesExactValuesAsTheyAreAndRoundedOnesWithTwoDecimals) {
    const std::pair<double, std::string> cases[] = {
        {5, "5"},          {2.5, "2.5"},        {-135, "-135"},      {std::sqrt(41.0), "6.40"},
        {-0.001, "0.00"},  {-0.005, "-0.01"},   {0.15, "0.15"},      {std::atan(4.0 / 3) / kDegree, "53.13"},
        {1.0 / 3, "0.33"}, {-2.0 / 3, "-0.67"}, {199.999, "200.00"}, {20 * std::cos(60 * kDegree), "10"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(plainText(toDecimal(value)), text) << value;
    EXPECT_EQ(mathText(toDecimal(-5.657)), "\u22125.66");
}

TEST(PolarReading, ReadsNumbersAndAnglesLenientlyAndNothingElse) {
    const std::pair<std::string, double> numbers[] = {
        {"6.40", 6.4},       {"6,4", 6.4},    {" - 5 ", -5},        {"+.5", 0.5}, {"12.", 12},
        {"\u22123,5", -3.5}, {"\u20133", -3}, {"1\u00A0000", 1000}, {"007", 7},   {"0,005", 0.005}};
    for (const auto& [typed, value] : numbers) {
        ASSERT_TRUE(readDecimal(typed)) << typed;
        EXPECT_DOUBLE_EQ(*readDecimal(typed), value) << typed;
    }
    for (const std::string typed : {"", " ", ".", "-", "+-5", "5-", "1.2.3", "1,2.3", "5°", "5e3", "0x5", "inf", "nan",
                                    "5 m", "(5)", "1234567890123", "√25", "5∠"})
        EXPECT_FALSE(readDecimal(typed)) << typed;
    const std::pair<std::string, double> angles[] = {
        {"53,13\u00B0", 53.13}, {"-135 \u00B0 ", -135}, {"45\u00BA", 45}, {"\u2212 90", -90}};
    for (const auto& [typed, value] : angles) {
        ASSERT_TRUE(readDegrees(typed)) << typed;
        EXPECT_DOUBLE_EQ(*readDegrees(typed), value) << typed;
    }
    for (const std::string typed : {"\u00B0", "45\u00B0\u00B0", "\u00B045", "45\u00B01", "45 grad", "0.79 rad"})
        EXPECT_FALSE(readDegrees(typed)) << typed;
}

// The sweep of every mode's steps (WorkedSolutionTest) holds the steps to their rounding; here its check itself is
// held to what it must refuse.
TEST(PolarSolution, StepCheckRefusesARoundingBeyondTheDecimalsWritten) {
    const std::map<std::string, Value> none;
    EXPECT_NEAR(stepcheck::evaluateSide("6.40", none)->rounding, 0.005, 1e-12);
    EXPECT_NEAR(stepcheck::evaluateSide("2.5∠45°", none)->rounding, 0.05, 1e-12);
    EXPECT_NEAR(stepcheck::evaluateSide("5∠53.13°", none)->rounding, 5 * 0.005 * kDegree, 1e-12);
    EXPECT_NEAR(std::abs(stepcheck::evaluateSide("8·e^(−j135°)", none)->value - polar(8, -135)), 0, 1e-12);
    EXPECT_NEAR(stepcheck::evaluateSide("arctan(4 / 3)", none)->value.real(), std::atan(4.0 / 3), 1e-12);
    EXPECT_NEAR(std::abs(stepcheck::evaluateSide("(3 · 4)∠(150° + 100°)", none)->value - polar(12, 250)), 0, 1e-12);
    EXPECT_FALSE(stepcheck::evaluateSide("r", none));
    EXPECT_NEAR(stepcheck::evaluateSide("x₁ + jy", {{"x₁", 2}, {"y", 3}})->value.imag(), 3, 1e-12);
}

}  // namespace
}  // namespace tessaro
