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

ExerciseTask drawn(ExerciseTask (*make)(RawValueSource&), Draws draws) {
    FixedDraws source(std::move(draws));
    return make(source);
}

// The draws of an angle in steps of 5°: one of 72, counted from −175°.
std::pair<int, int> angleDraw(int degrees) { return {degrees / 5 + 35, 72}; }

// The tasks worked by hand below.
// −3 + j4 = 5∠126.87°: the triangle's angle 53.13°.
ExerciseTask toPolarTask(int x, int y) {
    const int where = x > 0 && y > 0 ? 0 : x < 0 && y > 0 ? 1 : x < 0 ? 2 : 3;
    return drawn(makeToPolarTask, {{1, 10}, {where, 4}, {std::abs(x) - 1, 9}, {std::abs(y) - 1, 9}});
}
ExerciseTask axisTask(int where, int length) { return drawn(makeToPolarTask, {{0, 10}, {where, 4}, {length - 1, 9}}); }
ExerciseTask toCartesianTask(int r, int degrees) {
    return drawn(makeToCartesianTask, {{r - 1, 20}, angleDraw(degrees)});
}
ExerciseTask productTask(int r1, int phi1, int r2, int phi2, bool crossing) {
    return drawn(makePolarProductTask,
                 {{0, 2}, {crossing ? 0 : 1, 3}, {r1 - 1, 20}, {r2 - 1, 20}, angleDraw(phi1), angleDraw(phi2)});
}
ExerciseTask quotientTask(int r1, int phi1, int r2, int phi2, bool crossing) {
    return drawn(makePolarProductTask,
                 {{1, 2}, {crossing ? 0 : 1, 3}, {r1 - 1, 20}, {r2 - 1, 20}, angleDraw(phi1), angleDraw(phi2)});
}
ExerciseTask phasorTask(int r1, int phi1, int r2, int phi2) {
    return drawn(makePhasorSumTask, {{r1 - 1, 20}, angleDraw(phi1), {r2 - 1, 20}, angleDraw(phi2)});
}

const ModeLogic& logicOf(M mode) { return *modeLogic(mode); }
Diagnosis diagnosis(M mode, const ExerciseTask& task, const TypedAnswer& typed) {
    return judge(logicOf(mode), task, typed).diagnosis;
}
bool right(M mode, const ExerciseTask& task, const TypedAnswer& typed) {
    return judge(logicOf(mode), task, typed).right();
}

std::vector<std::string> expectedTexts(const ExerciseTask& task) {
    std::vector<std::string> texts;
    for (const AnswerField& field : task.fields)
        texts.push_back(field.expected);
    return texts;
}

TEST(PolarTasks, ConvertToPolarFromEveryQuadrantAndEveryHalfAxis) {
    const struct {
        ExerciseTask task;
        std::string shown;
        int x, y;
        std::vector<std::string> expected;
    } cases[] = {
        {toPolarTask(3, 4), "3 + j4", 3, 4, {"5", "53.13"}},
        {toPolarTask(-3, 4), "-3 + j4", -3, 4, {"5", "126.87"}},
        {toPolarTask(-3, -4), "-3 - j4", -3, -4, {"5", "-126.87"}},
        {toPolarTask(3, -4), "3 - j4", 3, -4, {"5", "-53.13"}},
        {toPolarTask(2, -7), "2 - j7", 2, -7, {"7.28", "-74.05"}},
        {toPolarTask(-9, 9), "-9 + j9", -9, 9, {"12.73", "135"}},
        {toPolarTask(1, 1), "1 + j1", 1, 1, {"1.41", "45"}},
        {axisTask(0, 7), "7 + j0", 7, 0, {"7", "0"}},
        {axisTask(1, 1), "0 + j1", 0, 1, {"1", "90"}},
        {axisTask(2, 9), "-9 + j0", -9, 0, {"9", "180"}},
        {axisTask(3, 6), "0 - j6", 0, -6, {"6", "-90"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.task.shown, std::vector{c.shown});
        EXPECT_EQ(expectedTexts(c.task), c.expected) << c.shown;
        const Value z(c.x, c.y);
        ASSERT_EQ(c.task.fields.size(), 2u);
        EXPECT_NEAR(c.task.fields[0].byValue->value, std::abs(z), 1e-12) << c.shown;
        EXPECT_NEAR(c.task.fields[1].byValue->value, degreesOf(z), 1e-12) << c.shown;
        EXPECT_EQ(c.task.fields[1].byValue->kind, JudgedValue::Kind::Angle);
    }
    // The largest raw values: an axis draw of 10 and a quadrant draw of 4 count as the last of each.
    const ExerciseTask largest = drawn(makeToPolarTask, {{10, 10}, {4, 4}, {9, 9}, {9, 9}});
    EXPECT_EQ(largest.shown, std::vector<std::string>{"9 - j9"});
}

TEST(PolarTasks, ConvertToCartesianMultiplyDivideAndAddWithTheValuesTheirTextsDenote) {
    const ExerciseTask cartesian = toCartesianTask(8, -135);
    EXPECT_EQ(cartesian.shown, std::vector<std::string>{"8\u2220-135\u00B0"});
    EXPECT_EQ(expectedTexts(cartesian), std::vector<std::string>{"-5.66-j5.66"});
    EXPECT_NEAR(cartesian.fields[0].byValue->value, polar(8, -135).real(), 1e-12);
    EXPECT_NEAR(cartesian.fields[0].byValue->imaginary, polar(8, -135).imag(), 1e-12);
    EXPECT_EQ(expectedTexts(toCartesianTask(20, 180)), std::vector<std::string>{"-20+j0"});
    EXPECT_EQ(expectedTexts(toCartesianTask(1, 5)), std::vector<std::string>{"1.00+j0.09"});
    EXPECT_EQ(expectedTexts(toCartesianTask(2, 150)), std::vector<std::string>{"-1.73+j1"});

    const struct {
        ExerciseTask task;
        std::string shown;
        Value value;
        std::vector<std::string> expected;
    } cases[] = {
        {productTask(3, 150, 4, 100, true),
         "3\u2220150\u00B0 \u00B7 4\u2220100\u00B0",
         polar(3, 150) * polar(4, 100),
         {"12", "-110"}},
        {productTask(20, -90, 20, -95, true),
         "20\u2220-90\u00B0 \u00B7 20\u2220-95\u00B0",
         polar(20, -90) * polar(20, -95),
         {"400", "175"}},
        {productTask(1, 90, 2, 90, false),
         "1\u222090\u00B0 \u00B7 2\u222090\u00B0",
         polar(1, 90) * polar(2, 90),
         {"2", "180"}},
        {quotientTask(10, 30, 4, -15, false),
         "10\u222030\u00B0 / 4\u2220-15\u00B0",
         polar(10, 30) / polar(4, -15),
         {"2.5", "45"}},
        {quotientTask(2, -170, 20, 15, true),
         "2\u2220-170\u00B0 / 20\u222015\u00B0",
         polar(2, -170) / polar(20, 15),
         {"0.1", "175"}},
        {phasorTask(5, 30, 3, 135),
         "5\u222030\u00B0 + 3\u2220135\u00B0",
         polar(5, 30) + polar(3, 135),
         {"5.12", "64.44"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.task.shown, std::vector{c.shown});
        EXPECT_EQ(expectedTexts(c.task), c.expected) << c.shown;
        EXPECT_NEAR(c.task.fields[0].byValue->value, std::abs(c.value), 1e-12) << c.shown;
        EXPECT_NEAR(apart(c.task.fields[1].byValue->value, degreesOf(c.value)), 0, 1e-9) << c.shown;
    }
}

TEST(PolarTasks, RedrawAQuotientWithMoreThanOneDecimalAndAnglesOnTheWrongSideOfHalfATurn) {
    // 3 / 7 has more than one decimal: drawn again as 10 / 4. Then 30° − 170° = −140° does not cross ±180°, drawn
    // again as −170° − 30° = −200°.
    const ExerciseTask task = drawn(makePolarProductTask, {{1, 2},
                                                           {0, 3},
                                                           {2, 20},
                                                           {6, 20},
                                                           {9, 20},
                                                           {3, 20},
                                                           angleDraw(30),
                                                           angleDraw(170),
                                                           angleDraw(-170),
                                                           angleDraw(30)});
    EXPECT_EQ(task.shown, std::vector<std::string>{"10\u2220-170\u00B0 / 4\u222030\u00B0"});
    EXPECT_EQ(expectedTexts(task), (std::vector<std::string>{"2.5", "160"}));
    // Phasors too close in direction (10° apart, and 170°) or whose sum is short are drawn again.
    const ExerciseTask sum = drawn(makePhasorSumTask, {{4, 20},
                                                       angleDraw(30),
                                                       {4, 20},
                                                       angleDraw(40),
                                                       {4, 20},
                                                       angleDraw(30),
                                                       {4, 20},
                                                       angleDraw(-160),
                                                       {1, 20},
                                                       angleDraw(0),
                                                       {2, 20},
                                                       angleDraw(90),
                                                       {4, 20},
                                                       angleDraw(30),
                                                       {4, 20},
                                                       angleDraw(45)});
    EXPECT_EQ(sum.shown, std::vector<std::string>{"5\u222030\u00B0 + 5\u222045\u00B0"});
}

// Draws a few thousand tasks of a mode from a fixed seed.
std::vector<ExerciseTask> manyTasks(M mode, int count = 20000) {
    RandomSource source(20261208);
    std::vector<ExerciseTask> tasks;
    for (int i = 0; i < count; ++i)
        tasks.push_back(logicOf(mode).makeTask(source));
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
    EXPECT_EQ(moduli.size(), 20u);
    EXPECT_EQ(*moduli.begin(), 1);
    EXPECT_EQ(*moduli.rbegin(), 20);
    EXPECT_EQ(angles.size(), 72u);
    EXPECT_EQ(*angles.begin(), -175);
    EXPECT_EQ(*angles.rbegin(), 180);
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

// The tolerance at its edges: just inside and just outside, both decimal marks, whole turns, −180° and 180°.
TEST(PolarJudgement, TakesEveryAnswerWithinTheToleranceAndNothingBeyond) {
    const ExerciseTask q2 = toPolarTask(-3, 4);        // 5∠126.869898°: modulus within 0.05, angle within 0.1°
    const ExerciseTask negativeReal = axisTask(2, 9);  // 9∠180°
    const ExerciseTask big = toPolarTask(9, 9);        // 12.727922∠45°: 0.5 % of the modulus is 0.0636
    const ExerciseTask cartesian = toCartesianTask(20, 35);  // 16.383041 + j11.471529, each part within 0.1
    const ExerciseTask small = toCartesianTask(8, -135);     // −5.656854 − j5.656854, each part within 0.05
    const ExerciseTask quotient = quotientTask(10, 30, 4, -15, false);  // exactly 2.5∠45°
    const struct {
        M mode;
        const ExerciseTask& task;
        TypedAnswer typed;
        bool right;
    } cases[] = {
        {M::ToPolar, q2, {"5", "126.87"}, true},
        {M::ToPolar, q2, {"5,05", "126,87"}, true},
        {M::ToPolar, q2, {"5.06", "126.87"}, false},
        {M::ToPolar, q2, {"4.95", "126.87"}, true},
        {M::ToPolar, q2, {"4,94", "126.87"}, false},
        {M::ToPolar, q2, {"5", "126.96"}, true},   // 0.0901° off
        {M::ToPolar, q2, {"5", "126,97"}, false},  // 0.1001°
        {M::ToPolar, q2, {"5", "126.77"}, true},   // 0.0999°
        {M::ToPolar, q2, {"5", "126.76"}, false},  // 0.1099°
        {M::ToPolar, q2, {"5", "126.9"}, true},
        {M::ToPolar, q2, {"5", "127"}, false},
        {M::ToPolar, q2, {"5", "486.87"}, true},
        {M::ToPolar, q2, {"5", "-233.13"}, true},
        {M::ToPolar, q2, {"5", "-233,2"}, true},
        {M::ToPolar, q2, {"5", "-233.24"}, false},
        {M::ToPolar, q2, {"5", "846,87\u00B0"}, true},
        {M::ToPolar, q2, {"  5 ", "126.87 \u00B0"}, true},
        {M::ToPolar, q2, {"+5", "+126.87\u00BA"}, true},
        {M::ToPolar, q2, {"5.", "126.87"}, true},
        {M::ToPolar, q2, {"5", "126.87\u00B0\u00B0"}, false},
        {M::ToPolar, q2, {"5", "126\u00B087"}, false},
        {M::ToPolar, q2, {"5,0,0", "126.87"}, false},
        {M::ToPolar, q2, {"5", ""}, false},
        {M::ToPolar, negativeReal, {"9", "180"}, true},
        {M::ToPolar, negativeReal, {"9", "-180"}, true},
        {M::ToPolar, negativeReal, {"9", "\u2212180"}, true},
        {M::ToPolar, negativeReal, {"9", "-179,9"}, true},
        {M::ToPolar, negativeReal, {"9", "179.95"}, true},
        {M::ToPolar, negativeReal, {"9", "-179.89"}, false},
        {M::ToPolar, negativeReal, {"9", "179.89"}, false},
        {M::ToPolar, negativeReal, {"9", "540"}, true},
        {M::ToPolar, negativeReal, {"9", "0"}, false},
        {M::ToPolar, big, {"12.79", "45"}, true},
        {M::ToPolar, big, {"12,8", "45"}, false},
        {M::ToPolar, big, {"12.67", "45"}, true},
        {M::ToPolar, big, {"12.66", "45"}, false},
        {M::ToCartesian, cartesian, {"16.38+j11.47"}, true},
        {M::ToCartesian, cartesian, {"16,38 + j 11,47"}, true},
        {M::ToCartesian, cartesian, {"16.29+j11.47"}, true},   // 0.093 off
        {M::ToCartesian, cartesian, {"16.28+j11.47"}, false},  // 0.103
        {M::ToCartesian, cartesian, {"16.38+j11.57"}, true},
        {M::ToCartesian, cartesian, {"16.38+j11.58"}, false},
        {M::ToCartesian, cartesian, {"16.4+11.5j"}, true},
        {M::ToCartesian, cartesian, {"11.47+j16.38"}, false},
        {M::ToCartesian, small, {"-5.66-j5.66"}, true},
        {M::ToCartesian, small, {"\u22125,7 \u2212 j5,7"}, true},
        {M::ToCartesian, small, {"-5.61-j5.66"}, true},   // 0.047
        {M::ToCartesian, small, {"-5.60-j5.66"}, false},  // 0.057
        {M::ToCartesian, small, {"-5.66-j5.72"}, false},
        {M::ToCartesian, small, {"8\u2220-135\u00B0"}, false},
        {M::PolarMultiplyDivide, quotient, {"2.5", "45"}, true},
        {M::PolarMultiplyDivide, quotient, {"2,505", "45,05"}, true},
        {M::PolarMultiplyDivide, quotient, {"2.51", "45"}, false},
        {M::PolarMultiplyDivide, quotient, {"2.5", "45.06"}, false},
        {M::PolarMultiplyDivide, quotient, {"2.5", "-315"}, true},
        {M::PolarMultiplyDivide, quotient, {"2.5", "405\u00B0"}, true},
        {M::PolarMultiplyDivide, quotient, {"2.5", "44.94"}, false},
    };
    for (const auto& c : cases) {
        const std::string typed = c.typed.front() + (c.typed.size() > 1 ? " | " + c.typed[1] : "");
        EXPECT_EQ(right(c.mode, c.task, c.typed), c.right) << c.task.shown.front() << ": " << typed;
    }
}

// Every answer a student gets who works with a calculator and keeps two decimals in every intermediate value and in
// the result (one in an angle) is right, in either decimal mark; and the tolerance is no wider than the rule says.
TEST(PolarJudgement, TakesEveryAnswerOfAStudentWhoKeepsTwoDecimalsAndNoMore) {
    for (const ExerciseTask& task : manyTasks(M::ToPolar, 2000)) {
        const Value z(task.numbers.first.re, task.numbers.first.im);
        const double r = std::abs(z), phi = degreesOf(z), tolerance = std::max(0.005 * r, 0.05);
        for (const int places : {1, 2})
            EXPECT_TRUE(right(M::ToPolar, task, {written(r, 2, ','), written(phi, places, ',')}));
        // The triangle's angle on its own, rounded, then turned by the quadrant's rule.
        const double alpha = rounded(std::atan(std::abs(z.imag() / z.real())) / kDegree, 1);
        if (z.real() < 0 && z.imag() != 0) {
            EXPECT_TRUE(right(M::ToPolar, task, {written(r, 2), written(z.imag() > 0 ? 180 - alpha : alpha - 180, 1)}));
        }
        EXPECT_TRUE(right(M::ToPolar, task, {written(r + 0.99 * tolerance, 6), written(phi - 0.099, 6)}));
        EXPECT_FALSE(right(M::ToPolar, task, {written(r + 1.01 * tolerance, 6), written(phi, 6)}));
        EXPECT_FALSE(right(M::ToPolar, task, {written(r, 6), written(phi + 360.101, 6)}));
    }
    for (const ExerciseTask& task : manyTasks(M::ToCartesian, 2000)) {
        const PolarValue z = task.numbers.firstPolar;
        const double c = std::cos(z.degrees * kDegree), s = std::sin(z.degrees * kDegree);
        const double tolerance = std::max(0.005 * z.modulus, 0.05);
        const auto typed = [](double x, double y, int places, char mark) {
            return written(x, places, mark) + (y < 0 ? "-j" : "+j") + written(std::abs(y), places, mark);
        };
        EXPECT_TRUE(right(M::ToCartesian, task, {typed(z.modulus * c, z.modulus * s, 2, ',')}));
        // cos φ and sin φ rounded to two decimals before they are multiplied.
        EXPECT_TRUE(right(M::ToCartesian, task, {typed(z.modulus * rounded(c, 2), z.modulus * rounded(s, 2), 2, '.')}));
        EXPECT_TRUE(right(M::ToCartesian, task,
                          {typed(z.modulus * c - 0.99 * tolerance, z.modulus * s + 0.99 * tolerance, 6, '.')}));
        EXPECT_FALSE(right(M::ToCartesian, task, {typed(z.modulus * c, z.modulus * s - 1.01 * tolerance, 6, '.')}));
    }
    for (const ExerciseTask& task : manyTasks(M::PolarMultiplyDivide, 2000)) {
        const PolarValue a = task.numbers.firstPolar, b = task.numbers.secondPolar;
        const bool divide = task.numbers.operation == Operation::PolarDivide;
        const double r = divide ? double(a.modulus) / b.modulus : a.modulus * b.modulus;
        const int angles = divide ? a.degrees - b.degrees : a.degrees + b.degrees;  // not brought back: also right
        EXPECT_TRUE(right(M::PolarMultiplyDivide, task, {written(r, 2, ','), written(angles, 1)}));
        EXPECT_TRUE(right(M::PolarMultiplyDivide, task, {written(r + 0.0049, 4), written(angles - 0.049, 3)}));
        EXPECT_FALSE(right(M::PolarMultiplyDivide, task, {written(r + 0.0051, 4), written(angles, 0)}));
        EXPECT_FALSE(right(M::PolarMultiplyDivide, task, {written(r, 2), written(angles + 0.051, 3)}));
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
                    EXPECT_TRUE(right(M::AddPhasors, task,
                                      {written(std::hypot(x, y), 2, ','), written(std::atan2(y, x) / kDegree, 1, ',')}))
                        << task.shown.front() << " corner " << corner;
            }
        }
        const double r = std::abs(sum), phi = degreesOf(sum);
        const double needed = std::max(0.1, worstTurn + 0.05);
        EXPECT_TRUE(right(M::AddPhasors, task, {written(r, 6), written(phi + 0.99 * needed, 6)})) << task.shown.front();
        // No wider than that rounding needs: a hundredth of a degree to spare at most.
        EXPECT_FALSE(right(M::AddPhasors, task, {written(r, 6), written(phi - needed - 0.011, 6)}))
            << task.shown.front();
        EXPECT_FALSE(right(M::AddPhasors, task, {written(r + 1.01 * std::max(0.005 * r, 0.05), 6), written(phi, 6)}));
    }
}

struct Expected {
    Finding finding;
    std::vector<AnswerPart> parts = {};
    std::vector<Finding> further = {};
};

// Each finding with an answer that shows it, followed by a near answer that does not.
TEST(PolarDiagnosis, NamesEverySlipOfTheModesAndNotANearAnswer) {
    const ExerciseTask q2 = toPolarTask(-3, 4);  // 5∠126.87°, α = 53.13°; 126.87° is 2.2143 in radians
    const ExerciseTask q4 = toPolarTask(2, -7);  // 7.28∠−74.05°, r² = 53
    const ExerciseTask cartesian = toCartesianTask(20, 35);             // 16.38 + j11.47; in radians −18.07 − j8.56
    const ExerciseTask product = productTask(3, 150, 4, 100, true);     // 12∠−110°
    const ExerciseTask quotient = quotientTask(10, 30, 4, -15, false);  // 2.5∠45°
    const ExerciseTask sum = phasorTask(5, 30, 3, 135);  // 5.12∠64.45°; (5 + 3)∠(30° + 135°); r² = 26.23
    const struct {
        M mode;
        const ExerciseTask& task;
        TypedAnswer typed;
        Expected expected;
    } cases[] = {
        {M::ToPolar, q2, {"5", "126.87"}, {F::Right}},
        {M::ToPolar, q2, {"", ""}, {F::Nothing}},
        {M::ToPolar, q2, {"5", ""}, {F::Nothing, {P::Angle}}},
        {M::ToPolar, q2, {"", "126.87"}, {F::Nothing, {P::Modulus}}},
        {M::ToPolar, q2, {"5", "126.87 rad"}, {F::Unreadable, {P::Angle}}},
        {M::ToPolar, q2, {"r=5", ""}, {F::Unreadable, {P::Modulus}}},
        {M::ToPolar, q2, {"25", "126.87"}, {F::RootMissing}},
        {M::ToPolar, q2, {"24", "126.87"}, {F::WrongParts, {P::Modulus}}},
        {M::ToPolar, q2, {"-5", "126.87"}, {F::SignTurned, {P::Modulus}}},
        {M::ToPolar, q2, {"-4", "126.87"}, {F::WrongParts, {P::Modulus}}},
        {M::ToPolar, q2, {"5", "-126.87"}, {F::SignTurned, {P::Angle}}},
        {M::ToPolar, q2, {"5", "-125.87"}, {F::WrongParts, {P::Angle}}},
        {M::ToPolar, q2, {"5", "-53.13"}, {F::NoQuadrantCorrection}},  // arctan(4 / −3)
        {M::ToPolar, q2, {"5", "306,87"}, {F::NoQuadrantCorrection}},
        {M::ToPolar, q2, {"5", "53.13"}, {F::NoQuadrantCorrection}},  // α itself
        {M::ToPolar, q2, {"5", "52.13"}, {F::WrongParts, {P::Angle}}},
        {M::ToPolar, q2, {"5", "-36.87"}, {F::XYSwapped}},  // 90° − φ
        {M::ToPolar, q2, {"5", "143.13"}, {F::XYSwapped}},  // arctan(−3 / 4) turned by 180°
        {M::ToPolar, q2, {"5", "-37.87"}, {F::WrongParts, {P::Angle}}},
        {M::ToPolar, q2, {"5", "2.21"}, {F::DegreesRadians}},
        {M::ToPolar, q2, {"5", "179,07"}, {F::DegreesRadians}},  // α in radians, 180° − 0.93
        {M::ToPolar, q2, {"5", "2.5"}, {F::WrongParts, {P::Angle}}},
        {M::ToPolar, q2, {"5", "127"}, {F::RoundedTooCoarsely}},
        {M::ToPolar, q2, {"5", "126.7"}, {F::WrongParts, {P::Angle}}},
        {M::ToPolar, q2, {"25", "-126.87"}, {F::RootMissing, {}, {F::SignTurned}}},
        {M::ToPolar, q2, {"24", "-53.13"}, {F::NoQuadrantCorrection, {}, {F::WrongParts}}},
        {M::ToPolar, q4, {"53", "-74.05"}, {F::RootMissing}},
        {M::ToPolar, q4, {"7", "-74.05"}, {F::RoundedTooCoarsely}},
        {M::ToPolar, q4, {"7.3", "-74"}, {F::Right}},
        {M::ToPolar, q4, {"7.5", "-74.05"}, {F::WrongParts, {P::Modulus}}},
        {M::ToPolar, q4, {"7", "-74"}, {F::RoundedTooCoarsely}},
        {M::ToPolar, q4, {"7.28", "74.05"}, {F::SignTurned, {P::Angle}}},  // also α: the sign is named
        {M::ToCartesian, cartesian, {""}, {F::Nothing}},
        {M::ToCartesian, cartesian, {"20\u222035\u00B0"}, {F::Unreadable}},
        {M::ToCartesian, cartesian, {"11.47+j16.38"}, {F::CosSinSwapped}},
        {M::ToCartesian, cartesian, {"11.47+j16.5"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {M::ToCartesian, cartesian, {"-18.07-j8.56"}, {F::DegreesRadians}},
        {M::ToCartesian, cartesian, {"-18.07-j9"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {M::ToCartesian, cartesian, {"16.38-j11.47"}, {F::SignTurned, {P::Imaginary}}},
        {M::ToCartesian, cartesian, {"-16.38+j11.47"}, {F::SignTurned, {P::Real}}},
        {M::ToCartesian, cartesian, {"-16.38-j11.47"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        {M::ToCartesian, cartesian, {"16+j11"}, {F::RoundedTooCoarsely}},  // cos 35° taken as 0.8
        {M::ToCartesian, cartesian, {"18+j11.47"}, {F::WrongParts, {P::Real}}},
        {M::ToCartesian, cartesian, {"17.38+j11.47"}, {F::RoundedTooCoarsely}},
        {M::ToCartesian, cartesian, {"17.48+j11.47"}, {F::WrongParts, {P::Real}}},
        {M::PolarMultiplyDivide, product, {"12", "250"}, {F::Right}},
        {M::PolarMultiplyDivide, product, {"7", "-110"}, {F::ModuliAdded}},
        {M::PolarMultiplyDivide, product, {"8", "-110"}, {F::WrongParts, {P::Modulus}}},
        {M::PolarMultiplyDivide, product, {"12", "50"}, {F::AnglesSubtracted}},
        {M::PolarMultiplyDivide, product, {"12", "51"}, {F::WrongParts, {P::Angle}}},
        {M::PolarMultiplyDivide, product, {"-12", "-110"}, {F::SignTurned, {P::Modulus}}},
        {M::PolarMultiplyDivide, product, {"12", "110"}, {F::SignTurned, {P::Angle}}},
        {M::PolarMultiplyDivide, product, {"7", "50"}, {F::ModuliAdded, {}, {F::AnglesSubtracted}}},
        {M::PolarMultiplyDivide, product, {"8", "51"}, {F::WrongParts, {P::Modulus, P::Angle}}},
        {M::PolarMultiplyDivide, quotient, {"6", "45"}, {F::ModuliSubtracted}},
        {M::PolarMultiplyDivide, quotient, {"6.5", "45"}, {F::WrongParts, {P::Modulus}}},
        {M::PolarMultiplyDivide, quotient, {"2.5", "15"}, {F::AnglesAdded}},
        {M::PolarMultiplyDivide, quotient, {"2.5", "15.5"}, {F::WrongParts, {P::Angle}}},
        {M::PolarMultiplyDivide, quotient, {"2.5", "-45"}, {F::SignTurned, {P::Angle}}},
        {M::PolarMultiplyDivide, quotient, {"3", "45"}, {F::RoundedTooCoarsely}},
        {M::PolarMultiplyDivide, quotient, {"2", "45"}, {F::RoundedTooCoarsely}},
        {M::PolarMultiplyDivide, quotient, {"2.4", "45"}, {F::WrongParts, {P::Modulus}}},
        {M::PolarMultiplyDivide, quotient, {"0.4", "-45"}, {F::SignTurned, {P::Angle}, {F::WrongParts}}},
        {M::AddPhasors, sum, {"5.12", "64.44"}, {F::Right}},
        {M::AddPhasors, sum, {"8", "165"}, {F::AddedInPolarForm}},
        {M::AddPhasors, sum, {"8", "64.44"}, {F::ModuliAdded}},
        {M::AddPhasors, sum, {"8.5", "64.44"}, {F::WrongParts, {P::Modulus}}},
        {M::AddPhasors, sum, {"5.12", "165"}, {F::AddedInPolarForm}},
        {M::AddPhasors, sum, {"5.12", "166"}, {F::WrongParts, {P::Angle}}},
        {M::AddPhasors, sum, {"26.23", "64.44"}, {F::RootMissing}},
        {M::AddPhasors, sum, {"5.12", "-64.44"}, {F::SignTurned, {P::Angle}}},
        {M::AddPhasors, sum, {"5.12", "-115.56"}, {F::NoQuadrantCorrection}},
        {M::AddPhasors, sum, {"5.12", "25.56"}, {F::XYSwapped}},
        {M::AddPhasors, sum, {"5.12", "1.12"}, {F::DegreesRadians}},
        {M::AddPhasors, sum, {"5.12", "64"}, {F::RoundedTooCoarsely}},
        {M::AddPhasors, sum, {"5.12", "65"}, {F::RoundedTooCoarsely}},  // one decimal fewer in each step
        {M::AddPhasors, sum, {"5.12", "67"}, {F::WrongParts, {P::Angle}}},
        {M::AddPhasors, sum, {"5", "64.44"}, {F::RoundedTooCoarsely}},
        {M::AddPhasors, sum, {"4", "64.44"}, {F::WrongParts, {P::Modulus}}},
    };
    for (const auto& c : cases) {
        const Diagnosis found = diagnosis(c.mode, c.task, c.typed);
        const std::string typed = c.typed.front() + (c.typed.size() > 1 ? " | " + c.typed[1] : "");
        EXPECT_EQ(found.finding, c.expected.finding) << c.task.shown.front() << ": " << typed;
        EXPECT_EQ(found.parts, c.expected.parts) << c.task.shown.front() << ": " << typed;
        std::vector<Finding> further;
        for (const Diagnosis& more : found.further)
            further.push_back(more.finding);
        EXPECT_EQ(further, c.expected.further) << c.task.shown.front() << ": " << typed;
    }
    EXPECT_EQ(readAloud(diagnosis(M::ToPolar, q4, {"53", "-74.05"}).detail), "\u221A(53) = 7.28");
    EXPECT_EQ(readAloud(diagnosis(M::AddPhasors, sum, {"26.2", "64.44"}).detail), "\u221A(26.23) = 5.12");
    EXPECT_EQ(diagnosis(M::ToPolar, q2, {"x", "y"}).form, AnswerForm::Polar);
    EXPECT_EQ(diagnosis(M::ToCartesian, cartesian, {"x"}).form, AnswerForm::DecimalCartesian);
}

// The value an answer has after each slip, worked out here and typed exactly: where it differs from the right value
// it is outside the tolerance and the diagnosis names a slip for it; where it does not, it is right.
TEST(PolarDiagnosis, NamesASlipForEverySlipAppliedToThousandsOfDrawnTasks) {
    const std::set<Finding> named{F::RootMissing,    F::SignTurned,       F::NoQuadrantCorrection, F::XYSwapped,
                                  F::DegreesRadians, F::CosSinSwapped,    F::AnglesAdded,          F::AnglesSubtracted,
                                  F::ModuliAdded,    F::ModuliSubtracted, F::AddedInPolarForm};
    int slips = 0, wrong = 0;
    // A polar answer's modulus and angle, or x and y; the right ones the same way.
    const auto expectNamed = [&](M mode, const ExerciseTask& task, std::pair<double, double> slip,
                                 std::pair<double, double> exact, const char* name) {
        const bool polarForm = mode != M::ToCartesian;
        const TypedAnswer typed = polarForm ? TypedAnswer{written(slip.first, 6), written(slip.second, 6)}
                                            : TypedAnswer{written(slip.first, 6) + (slip.second < 0 ? "-j" : "+j") +
                                                          written(std::abs(slip.second), 6)};
        const bool same = std::abs(slip.first - exact.first) < 1e-9 &&
                          (polarForm ? apart(slip.second, exact.second) : std::abs(slip.second - exact.second)) < 1e-9;
        const Judgement judgement = judge(logicOf(mode), task, typed);
        const std::string shown =
            task.shown.front() + " " + name + ": " + typed.front() + (typed.size() > 1 ? " | " + typed[1] : "");
        ++slips;
        if (same) {  // the slip leaves this task's value as it is: arctan(y / x) in the right half-plane, say
            EXPECT_TRUE(judgement.right()) << shown;
            return;
        }
        ++wrong;
        EXPECT_FALSE(judgement.right()) << shown;
        EXPECT_TRUE(named.count(judgement.diagnosis.finding))
            << shown << " finding " << int(judgement.diagnosis.finding);
    };
    for (const ExerciseTask& task : manyTasks(M::ToPolar, 3000)) {
        const Value z(task.numbers.first.re, task.numbers.first.im);
        const std::pair exact{std::abs(z), degreesOf(z)};
        const auto [r, phi] = exact;
        expectNamed(M::ToPolar, task, {std::norm(z), phi}, exact, "r²");
        expectNamed(M::ToPolar, task, {r, -phi}, exact, "−φ");
        if (z.real() != 0)
            expectNamed(M::ToPolar, task, {r, std::atan(z.imag() / z.real()) / kDegree}, exact, "arctan(y / x)");
        expectNamed(M::ToPolar, task, {r, 90 - phi}, exact, "90° − φ");
        expectNamed(M::ToPolar, task, {r, phi * kDegree}, exact, "radians");
    }
    for (const ExerciseTask& task : manyTasks(M::ToCartesian, 3000)) {
        const PolarValue z = task.numbers.firstPolar;
        const double r = z.modulus, c = std::cos(z.degrees * kDegree), s = std::sin(z.degrees * kDegree);
        const std::pair exact{r * c, r * s};
        expectNamed(M::ToCartesian, task, {r * s, r * c}, exact, "sin for cos");
        expectNamed(M::ToCartesian, task, {r * std::cos(z.degrees), r * std::sin(z.degrees)}, exact, "radians");
        expectNamed(M::ToCartesian, task, {r * c, -r * s}, exact, "−φ");
    }
    for (const ExerciseTask& task : manyTasks(M::PolarMultiplyDivide, 3000)) {
        const PolarValue a = task.numbers.firstPolar, b = task.numbers.secondPolar;
        const bool divide = task.numbers.operation == Operation::PolarDivide;
        const double r = divide ? double(a.modulus) / b.modulus : a.modulus * b.modulus;
        const double phi = divide ? a.degrees - b.degrees : a.degrees + b.degrees;
        const std::pair exact{r, phi};
        expectNamed(M::PolarMultiplyDivide, task, {r, divide ? a.degrees + b.degrees : a.degrees - b.degrees}, exact,
                    "angles");
        expectNamed(M::PolarMultiplyDivide, task, {divide ? a.modulus - b.modulus : a.modulus + b.modulus, phi}, exact,
                    "moduli");
        expectNamed(M::PolarMultiplyDivide, task, {r, -phi}, exact, "−φ");
    }
    for (const ExerciseTask& task : manyTasks(M::AddPhasors, 3000)) {
        const PolarValue a = task.numbers.firstPolar, b = task.numbers.secondPolar;
        const Value sum = polar(a.modulus, a.degrees) + polar(b.modulus, b.degrees);
        const std::pair exact{std::abs(sum), degreesOf(sum)};
        const auto [r, phi] = exact;
        expectNamed(M::AddPhasors, task, {a.modulus + b.modulus, a.degrees + b.degrees}, exact, "in polar form");
        expectNamed(M::AddPhasors, task, {a.modulus + b.modulus, phi}, exact, "moduli");
        expectNamed(M::AddPhasors, task, {r, a.degrees + b.degrees}, exact, "angles");
        expectNamed(M::AddPhasors, task, {std::norm(sum), phi}, exact, "r²");
        expectNamed(M::AddPhasors, task, {r, phi + 180}, exact, "no quadrant");
        expectNamed(M::AddPhasors, task, {r, -phi}, exact, "−φ");
        expectNamed(M::AddPhasors, task, {r, 90 - phi}, exact, "90° − φ");
        expectNamed(M::AddPhasors, task, {r, phi * kDegree}, exact, "radians");
    }
    EXPECT_GT(wrong, slips * 8 / 10);
}

// The words of each finding: the mode's own, and the other part's after it.
TEST(PolarDiagnosis, PutsEachSlipIntoTheWordsOfItsMode) {
    const auto sentences = [](M mode, const ExerciseTask& task, const TypedAnswer& typed) {
        const ModeLogic& logic = logicOf(mode);
        std::vector<std::string> all;
        for (const ExplanationLine& line : workThrough(logic, task, judge(logic, task, typed)).explanation)
            for (const Phrase& sentence : line.sentences)
                all.push_back(sentence.sentence ? sentence.sentence : sentence.literal);
        return all;
    };
    const ExerciseTask q2 = toPolarTask(-3, 4);
    EXPECT_EQ(sentences(M::ToPolar, q2, {"5", "126.87"}), std::vector<std::string>{});
    EXPECT_EQ(sentences(M::ToPolar, q2, {"5", ""}), std::vector<std::string>{"Der Winkel fehlt."});
    EXPECT_EQ(sentences(M::ToPolar, q2, {"", "1"}), std::vector<std::string>{"Der Betrag fehlt."});
    EXPECT_EQ(sentences(M::ToPolar, q2, {"25", "-126.87"}),
              (std::vector<std::string>{"Das ist die Summe der Quadrate; der Betrag ist ihre Wurzel:",
                                        "Der Winkel hat das falsche Vorzeichen."}));
    EXPECT_TRUE(sentences(M::ToPolar, q2, {"5", "2.21"})
                    .front()
                    .starts_with("Es sieht so aus, als wäre der Winkel im Bogenmaß"));
    EXPECT_TRUE(sentences(M::ToCartesian, toCartesianTask(20, 35), {"-18.07-j8.56"})
                    .front()
                    .starts_with("Es sieht so aus, als hätte der Taschenrechner cos und sin"));
    EXPECT_EQ(sentences(M::ToPolar, q2, {"24", "-53.13"}),
              (std::vector<std::string>{"Der Winkel liegt im falschen Quadranten: arctan gibt nur Winkel zwischen "
                                        "−90° und 90°.",
                                        "In welchem Quadranten z liegt, zeigen die Vorzeichen von Realteil und "
                                        "Imaginärteil; danach richtet sich φ.",
                                        "Der Betrag stimmt nicht."}));
    const std::vector<std::string> product =
        sentences(M::PolarMultiplyDivide, productTask(3, 150, 4, 100, true), {"7", "50"});
    EXPECT_EQ(product, (std::vector<std::string>{
                           "Beim Multiplizieren werden die Beträge multipliziert, nicht addiert: r = r₁ · r₂.",
                           "Beim Multiplizieren werden die Winkel addiert, nicht subtrahiert: φ = φ₁ + φ₂."}));
    EXPECT_TRUE(sentences(M::AddPhasors, phasorTask(5, 30, 3, 135), {"8", "64.44"})
                    .front()
                    .starts_with("Die Beträge zweier Zeiger"));
    // Every finding of a wrong answer is put into words.
    for (const M mode : {M::ToPolar, M::ToCartesian, M::PolarMultiplyDivide, M::AddPhasors})
        for (const ExerciseTask& task : manyTasks(mode, 300))
            for (const std::string typed : {"1", "", "x", "-1", "0.5"}) {
                TypedAnswer answer(task.fields.size(), typed);
                answer.back() = "7";
                const Judgement judgement = judge(logicOf(mode), task, answer);
                if (!judgement.right()) {
                    EXPECT_FALSE(sentences(mode, task, answer).empty()) << task.shown.front() << " " << typed;
                }
            }
}

// The lines of a worked solution, as a screen reader reads them.
std::vector<std::string> lines(M mode, const ExerciseTask& task) {
    const ModeLogic& logic = logicOf(mode);
    const WorkedSolution solution = workThrough(logic, task, judge(logic, task, TypedAnswer(task.fields.size(), "1")));
    std::vector<std::string> all;
    for (const Step& step : solution.steps)
        all.push_back(stepcheck::line(step));
    all.push_back("result " + readAloud(solution.result));
    all.push_back("typed " + readAloud(solution.typed));
    return all;
}

TEST(PolarSolution, WorksEveryModeThroughWithTheTasksOwnNumbers) {
    EXPECT_EQ(lines(M::ToPolar, toPolarTask(-3, 4)),
              (std::vector<std::string>{"z = −3 + j4", "r = |z| = √((−3)² + 4²) = √(9 + 16) = √(25) = 5",
                                        "α = arctan(4 / 3) = 53.13°", "φ = 180° − α = 180° − 53.13° = 126.87°",
                                        "z = 5∠126.87° = 5·e^(j126.87°)", "result 5∠126.87° = 5·e^(j126.87°)",
                                        "typed 1∠1°"}));
    EXPECT_EQ(lines(M::ToPolar, toPolarTask(2, -7)),
              (std::vector<std::string>{"z = 2 − j7", "r = |z| = √(2² + (−7)²) = √(4 + 49) = √(53) = 7.28",
                                        "α = arctan(7 / 2) = 74.05°", "φ = −α = −74.05°",
                                        "z = 7.28∠−74.05° = 7.28·e^(−j74.05°)",
                                        "result 7.28∠-74.05° = 7.28·e^(-j74.05°)", "typed 1∠1°"}));
    EXPECT_EQ(lines(M::ToPolar, axisTask(3, 6)),
              (std::vector<std::string>{"z = 0 − j6", "r = |z| = √(0² + (−6)²) = √(0 + 36) = √(36) = 6", "φ = −90°",
                                        "z = 6∠−90° = 6·e^(−j90°)", "result 6∠-90° = 6·e^(-j90°)", "typed 1∠1°"}));
    EXPECT_EQ(lines(M::ToCartesian, toCartesianTask(8, -135)),
              (std::vector<std::string>{"x = 8 · cos(−135°) = −5.66", "y = 8 · sin(−135°) = −5.66",
                                        "8∠−135° = −5.66 − j5.66", "result -5.66-j5.66", "typed 1"}));
    EXPECT_EQ(lines(M::PolarMultiplyDivide, productTask(3, 150, 4, 100, true)),
              (std::vector<std::string>{"3∠150° · 4∠100° = (3 · 4)∠(150° + 100°) = 12∠250°", "= 12∠−110°",
                                        "= 12·e^(−j110°)", "result 12∠-110° = 12·e^(-j110°)", "typed 1∠1°"}));
    EXPECT_EQ(lines(M::PolarMultiplyDivide, quotientTask(10, 30, 4, -15, false)),
              (std::vector<std::string>{"10∠30° / 4∠−15° = (10 / 4)∠(30° − (−15°)) = 2.5∠45°", "= 2.5·e^(j45°)",
                                        "result 2.5∠45° = 2.5·e^(j45°)", "typed 1∠1°"}));
    EXPECT_EQ(lines(M::AddPhasors, phasorTask(5, 30, 3, 135)),
              (std::vector<std::string>{
                  "x₁ = 5 · cos(30°) = 4.33", "y₁ = 5 · sin(30°) = 2.5", "x₂ = 3 · cos(135°) = −2.12",
                  "y₂ = 3 · sin(135°) = 2.12", "x = x₁ + x₂ = 4.33 + (−2.12) = 2.21", "y = y₁ + y₂ = 2.5 + 2.12 = 4.62",
                  "z = x + jy = 2.21 + j4.62", "r = |z| = √(2.21² + 4.62²) = 5.12", "α = arctan(4.62 / 2.21) = 64.44°",
                  "φ = α = 64.44°", "z = 5.12∠64.44° = 5.12·e^(j64.44°)", "result 5.12∠64.44° = 5.12·e^(j64.44°)",
                  "typed 1∠1°"}));
}

TEST(PolarSolution, ShowsTheAnswerAsTypedWithItsDegreeSignOnce) {
    const ModeLogic& logic = logicOf(M::ToPolar);
    const ExerciseTask task = toPolarTask(-3, 4);
    const auto typed = [&](const TypedAnswer& answer) {
        return readAloud(workThrough(logic, task, judge(logic, task, answer)).typed);
    };
    EXPECT_EQ(typed({"5,1", "53"}), "5,1∠53°");
    EXPECT_EQ(typed({"5", "53\u00B0"}), "5∠53°");
    EXPECT_EQ(typed({"", ""}), "\u25A1∠\u25A1°");
}

TEST(PolarText, WritesTheRightAnswerInBothPolarFormsAndInTheScreensDecimalMark) {
    EXPECT_EQ(polarForms("5", "53.13"), "5\u222053.13\u00B0 = 5\u00B7e^(j53.13\u00B0)");
    EXPECT_EQ(polarForms("8", "-135"), "8\u2220-135\u00B0 = 8\u00B7e^(-j135\u00B0)");
    EXPECT_EQ(withDecimalMark(polarForms("5", "53.13"), ','), "5\u222053,13\u00B0 = 5\u00B7e^(j53,13\u00B0)");
    EXPECT_EQ(withDecimalMark("2.5\u222045\u00B0", ','), "2,5\u222045\u00B0");
    EXPECT_EQ(withDecimalMark("2.5\u222045\u00B0", '.'), "2.5\u222045\u00B0");
    EXPECT_EQ(withDecimalMark("-5.66-j5.66", ','), "-5,66-j5,66");
    EXPECT_EQ(withDecimalMark("Ende. 3.", ','), "Ende. 3.");
    EXPECT_EQ(withDecimalMark(".5 und 5.", ','), ".5 und 5.");
    EXPECT_EQ(withDecimalMark("x.5, 3.x", ','), "x.5, 3.x");

    const ModeLogic& logic = logicOf(M::AddPhasors);
    const ExerciseTask task = phasorTask(5, 30, 3, 135);
    const WorkedSolution solution =
        withDecimalMark(workThrough(logic, task, judge(logic, task, {"26.2", "64.5"})), ',');
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
