// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures of tasks in the complex plane: hand-worked tasks of every mode drawn as a teacher draws them, and a
// sweep over many operands whose every picture closes as its construction says.

#include "logic/PlaneSketch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace tessaro {

void PrintTo(const PlanePoint& p, std::ostream* out) { *out << "(" << p.re << ", " << p.im << ")"; }
void PrintTo(PlaneRole role, std::ostream* out) { *out << "role " << static_cast<int>(role); }
// Arrows and guides compare whole: role, ends, label and line.
bool operator==(const PlaneArrow& a, const PlaneArrow& b) {
    return std::tie(a.role, a.from, a.to, a.label, a.dashed) == std::tie(b.role, b.from, b.to, b.label, b.dashed);
}
bool operator==(const PlaneGuide& a, const PlaneGuide& b) {
    return std::tie(a.role, a.from, a.to, a.label) == std::tie(b.role, b.from, b.to, b.label);
}
void PrintTo(const PlaneArrow& a, std::ostream* out) {
    *out << "\n  arrow of role " << static_cast<int>(a.role) << " " << ::testing::PrintToString(a.from) << " to "
         << ::testing::PrintToString(a.to) << " \"" << a.label << "\"" << (a.dashed ? " dashed" : "");
}
void PrintTo(const PlaneGuide& g, std::ostream* out) {
    *out << "\n  guide of role " << static_cast<int>(g.role) << " " << ::testing::PrintToString(g.from) << " to "
         << ::testing::PrintToString(g.to) << " \"" << g.label << "\"";
}

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kClose = 1e-9;
const std::string kZ1 = "z\u2081", kZ2 = "z\u2082";
using Arrows = std::vector<PlaneArrow>;
using Guides = std::vector<PlaneGuide>;
using R = PlaneRole;

#define EXPECT_POINT_NEAR(actual, re_, im_)           \
    do {                                              \
        const PlanePoint p_ = (actual);               \
        EXPECT_NEAR(p_.re, (re_), kClose) << #actual; \
        EXPECT_NEAR(p_.im, (im_), kClose) << #actual; \
    } while (false)

PlaneSketch sketch(Operation operation, ComplexValue first, ComplexValue second = {},
                   std::optional<ReadValue> typed = std::nullopt) {
    return sketchOf({operation, first, second}, typed);
}

const PlaneArrow* arrowOf(const PlaneSketch& sketch, PlaneRole role) {
    const auto arrow = std::ranges::find(sketch.arrows, role, &PlaneArrow::role);
    return arrow == sketch.arrows.end() ? nullptr : &*arrow;
}

// The arrow of a role: where it ends and its name.
void expectArrow(const PlaneSketch& sketch, PlaneRole role, double re, double im, const std::string& label) {
    const PlaneArrow* arrow = arrowOf(sketch, role);
    ASSERT_TRUE(arrow) << static_cast<int>(role);
    EXPECT_POINT_NEAR(arrow->to, re, im);
    EXPECT_EQ(arrow->label, label);
}

// An angle mark's role, label and end; every mark starts at the positive real axis.
void expectAngle(const PlaneAngle& angle, PlaneRole role, const std::string& label, double to) {
    EXPECT_EQ(angle.role, role) << label;
    EXPECT_EQ(angle.label, label);
    EXPECT_NEAR(angle.from, 0, kClose) << label;
    EXPECT_NEAR(angle.to, to, kClose) << label;
}

TEST(PlaneSketch, DrawsTheSumAsTheDiagonalOfTheParallelogramOfItsOperands) {
    // [30 + j(-45)] + [-12 - j(-20)] = 18 - j25
    const PlaneSketch sum = sketch(Operation::Add, {30, -45}, {-12, 20});
    EXPECT_EQ(sum.arrows, (Arrows{{R::Operand1, {}, {30, -45}, kZ1},
                                  {R::Operand2, {}, {-12, 20}, kZ2},
                                  {R::Result, {}, {18, -25}, kZ1 + " + " + kZ2}}));
    // The two sides that close the parallelogram 0, z₁, z₁ + z₂, z₂: each a copy of the other arrow, in its colour.
    EXPECT_EQ(sum.guides, (Guides{{R::Operand2, {30, -45}, {18, -25}, ""}, {R::Operand1, {-12, 20}, {18, -25}, ""}}));
    EXPECT_TRUE(sum.angles.empty() && sum.turns.empty() && sum.lengths.empty() && !sum.rightAngle);
}

TEST(PlaneSketch, DrawsTheDifferenceAsTheSumWithTheSecondNumberTurnedRound) {
    // [3 + j(-4)] - [-2 + j(1)] = 5 - j5 = z₁ + (−z₂), −z₂ = 2 − j1
    const PlaneSketch difference = sketch(Operation::Subtract, {3, -4}, {-2, 1});
    EXPECT_EQ(difference.arrows, (Arrows{{R::Operand1, {}, {3, -4}, kZ1},
                                         {R::Operand2, {}, {-2, 1}, kZ2},
                                         {R::Helper, {}, {2, -1}, "\u2212" + kZ2},
                                         {R::Result, {}, {5, -5}, kZ1 + " \u2212 " + kZ2}}));
    EXPECT_EQ(difference.guides, (Guides{{R::Helper, {3, -4}, {5, -5}, ""}, {R::Operand1, {2, -1}, {5, -5}, ""}}));
}

TEST(PlaneSketch, DrawsTheModulusAsTheArrowsLengthWithItsRightTriangleButNoneOnAnAxis) {
    struct Case {
        ComplexValue z;
        std::string legX, legY;
        double modulus;
    };
    for (const Case& c :
         {Case{{3, 4}, "x = 3", "y = 4", 5}, Case{{12, -5}, "x = 12", "y = \u22125", 13},
          Case{{-8, -15}, "x = \u22128", "y = \u221215", 17}, Case{{7, 0}, "", "", 7}, Case{{0, -12}, "", "", 12}}) {
        const PlaneSketch modulus = sketch(Operation::Modulus, c.z);
        const PlanePoint tip{static_cast<double>(c.z.re), static_cast<double>(c.z.im)}, foot{tip.re, 0};
        EXPECT_EQ(modulus.arrows, (Arrows{{R::Operand1, {}, tip, "z"}}));
        ASSERT_EQ(modulus.lengths.size(), 1u) << c.modulus;
        EXPECT_EQ(modulus.lengths[0].role, R::Result);
        EXPECT_EQ(modulus.lengths[0].along, tip);
        EXPECT_NEAR(modulus.lengths[0].length, c.modulus, kClose);
        EXPECT_EQ(modulus.lengths[0].label, "|z|");
        if (c.legX.empty()) {  // on an axis
            EXPECT_TRUE(modulus.guides.empty()) << c.modulus;
            EXPECT_FALSE(modulus.rightAngle) << c.modulus;
            continue;
        }
        EXPECT_EQ(modulus.guides, (Guides{{R::Helper, {}, foot, c.legX}, {R::Helper, foot, tip, c.legY}}));
        EXPECT_EQ(modulus.rightAngle, (PlaneRightAngle{foot, {}, tip}));
    }
}

TEST(PlaneSketch, DrawsATypedModulusAsALengthBesideTheRightOneAndATypedPointAsThePointItIs) {
    const PlaneSketch seven = sketch(Operation::Modulus, {3, 4}, {}, ReadValue{7, 0});
    ASSERT_EQ(seven.lengths.size(), 2u);
    EXPECT_EQ(seven.lengths[1].role, R::Typed);
    EXPECT_EQ(seven.lengths[1].length, 7);
    EXPECT_EQ(seven.lengths[1].along, (PlanePoint{3, 4}));
    EXPECT_GT(seven.lengths[1].ring, seven.lengths[0].ring);
    EXPECT_TRUE(seven.lengths[1].dashed);
    EXPECT_FALSE(seven.lengths[0].dashed);
    EXPECT_EQ(seven.arrows.size(), 1u);

    const PlaneSketch point = sketch(Operation::Modulus, {3, 4}, {}, ReadValue{3, 4});
    EXPECT_EQ(point.lengths.size(), 1u);
    EXPECT_EQ(point.arrows.back(), (PlaneArrow{R::Typed, {}, {3, 4}, "", true}));
}

TEST(PlaneSketch, DrawsTheTypedAnswerDashedAndLastWhereItCanBeReadAndNotOtherwise) {
    for (const Operation operation : {Operation::Add, Operation::Subtract, Operation::Multiply, Operation::Divide}) {
        SCOPED_TRACE(static_cast<int>(operation));
        const PlaneSketch typed = sketch(operation, {3, 4}, {1, -2}, ReadValue{-2.5, 0.25});
        ASSERT_FALSE(typed.arrows.empty());
        // Unnamed: the picture names it in the program's language.
        EXPECT_EQ(typed.arrows.back(), (PlaneArrow{R::Typed, {}, {-2.5, 0.25}, "", true}));
        for (std::size_t i = 0; i + 1 < typed.arrows.size(); ++i)
            EXPECT_FALSE(typed.arrows[i].dashed) << i;
        const PlaneSketch none = sketch(operation, {3, 4}, {1, -2});
        EXPECT_EQ(none.arrows, Arrows(typed.arrows.begin(), typed.arrows.end() - 1));
    }
}

TEST(PlaneSketch, DrawsTheProductAsATurnByTheSecondAngleAndAStretch) {
    // (2 + j1)(1 − j3) = 2 − j6 + j1 − j²3 = 5 − j5: φ₁ = arctan(1/2), φ₂ = −arctan 3, and φ₁ + φ₂ = −45°.
    const PlaneSketch product = sketch(Operation::Multiply, {2, 1}, {1, -3});
    expectArrow(product, R::Result, 5, -5, kZ1 + " \u00B7 " + kZ2);
    ASSERT_EQ(product.angles.size(), 2u);
    expectAngle(product.angles[0], R::Operand1, "\u03C6\u2081", std::atan(0.5));
    expectAngle(product.angles[1], R::Operand2, "\u03C6\u2082", -std::atan(3.0));
    EXPECT_NE(product.angles[0].ring, product.angles[1].ring);
    // z₁ turned by φ₂ lies on the product's ray, −45°, at |z₁| = √5; the stretch by |z₂| = √10 reaches the product.
    ASSERT_EQ(product.turns.size(), 1u);
    EXPECT_EQ(product.turns[0].from, (PlanePoint{2, 1}));
    EXPECT_NEAR(product.turns[0].by, -std::atan(3.0), kClose);
    EXPECT_EQ(product.turns[0].label, "\u03C6\u2082");
    ASSERT_EQ(product.guides.size(), 1u);
    const double turnedPart = std::sqrt(5.0) / std::sqrt(2.0);
    EXPECT_POINT_NEAR(product.guides[0].from, turnedPart, -turnedPart);
    EXPECT_POINT_NEAR(product.guides[0].to, 5, -5);
}

TEST(PlaneSketch, TurnsAcrossTheNegativeRealAxisAndMarksNoAngleOfNothing) {
    // (−1 + j1)·j2 = −2 − j2: 135° turned by 90° is 225°, the direction of −2 − j2.
    const PlaneSketch across = sketch(Operation::Multiply, {-1, 1}, {0, 2});
    ASSERT_EQ(across.angles.size(), 2u);
    EXPECT_NEAR(across.angles[0].to, 3 * kPi / 4, kClose);
    EXPECT_NEAR(across.angles[1].to, kPi / 2, kClose);
    ASSERT_EQ(across.turns.size(), 1u);
    EXPECT_NEAR(across.turns[0].by, kPi / 2, kClose);
    EXPECT_POINT_NEAR(across.guides[0].from, -1, -1);
    EXPECT_POINT_NEAR(across.guides[0].to, -2, -2);

    // 3 on the positive real axis has the angle 0: no mark for it. A factor 0 has no angle and leaves nothing to turn.
    for (const ComplexValue first : {ComplexValue{3, 0}, ComplexValue{0, 0}}) {
        const PlaneSketch product = sketch(Operation::Multiply, first, {1, 1});
        ASSERT_EQ(product.angles.size(), 1u) << first.re;
        EXPECT_EQ(product.angles[0].role, R::Operand2);
        EXPECT_EQ(product.turns.empty(), first.re == 0) << first.re;
        EXPECT_EQ(product.guides.empty(), first.re == 0) << first.re;
    }
}

TEST(PlaneSketch, DrawsTheQuotientWithTheConjugateItsAngleAndTheTurnByItButNoMirrorForARealDivisor) {
    // (3 + j4) / (1 − j2) = (3 + j4)(1 + j2) / 5 = (−5 + j10) / 5 = −1 + j2.
    const PlaneSketch quotient = sketch(Operation::Divide, {3, 4}, {1, -2}, ReadValue{2.2, 0.4});
    expectArrow(quotient, R::Conjugate, 1, 2, kZ2 + "*");
    expectArrow(quotient, R::Result, -1, 2, kZ1 + " / " + kZ2);
    EXPECT_POINT_NEAR(quotient.arrows.back().to, 2.2, 0.4);

    // The mirror from z₂ to its conjugate, then the shrink from z₁ turned to the quotient: |z₁| = 5 at the
    // quotient's angle, 5 (−1 + j2) / √5, shrunk by |z₂| = √5.
    ASSERT_EQ(quotient.guides.size(), 2u);
    EXPECT_EQ(quotient.guides[0], (PlaneGuide{R::Conjugate, {1, -2}, {1, 2}, ""}));
    EXPECT_POINT_NEAR(quotient.guides[1].from, -std::sqrt(5.0), 2 * std::sqrt(5.0));
    EXPECT_POINT_NEAR(quotient.guides[1].to, -1, 2);

    ASSERT_EQ(quotient.angles.size(), 2u);
    expectAngle(quotient.angles[0], R::Operand1, "\u03C6\u2081", std::atan(4.0 / 3));
    expectAngle(quotient.angles[1], R::Conjugate, "\u2212\u03C6\u2082", std::atan(2.0));
    ASSERT_EQ(quotient.turns.size(), 1u);
    EXPECT_EQ(quotient.turns[0].from, (PlanePoint{3, 4}));
    EXPECT_NEAR(quotient.turns[0].by, std::atan(2.0), kClose);
    EXPECT_EQ(quotient.turns[0].label, "\u2212\u03C6\u2082");

    // A real divisor: no mirror, no mark for the conjugate 2 of angle 0, no turn; the shrink alone.
    const PlaneSketch real = sketch(Operation::Divide, {6, 8}, {2, 0});
    expectArrow(real, R::Result, 3, 4, kZ1 + " / " + kZ2);
    EXPECT_EQ(real.angles.size(), 1u);
    EXPECT_TRUE(real.turns.empty());
    ASSERT_EQ(real.guides.size(), 1u);
    EXPECT_POINT_NEAR(real.guides[0].from, 6, 8);
}

// Every picture closes as its construction says, for operands of every quadrant and both axes.
TEST(PlaneSketch, EveryPictureClosesAsItsConstructionSays) {
    using Value = std::complex<double>;
    const auto at = [](PlanePoint p) { return Value(p.re, p.im); };
    const auto near = [](Value a, Value b) { return std::abs(a - b) < 1e-9 * std::max(1.0, std::abs(b)); };
    int pictures = 0;
    for (int ar = -9; ar <= 9; ar += 3)
        for (int ai = -8; ai <= 8; ai += 4)
            for (int br = -7; br <= 7; br += 7)
                for (int bi = -10; bi <= 10; bi += 5) {
                    const Value a(ar, ai), b(br, bi);
                    for (const Operation operation :
                         {Operation::Add, Operation::Subtract, Operation::Multiply, Operation::Divide}) {
                        if (operation == Operation::Divide && b == Value())
                            continue;
                        const PlaneSketch drawn = sketch(operation, {ar, ai}, {br, bi});
                        const PlaneArrow* result = arrowOf(drawn, R::Result);
                        ASSERT_TRUE(result);
                        const Value expected = operation == Operation::Add        ? a + b
                                               : operation == Operation::Subtract ? a - b
                                               : operation == Operation::Multiply ? a * b
                                                                                  : a / b;
                        EXPECT_TRUE(near(at(result->to), expected)) << ar << ai << br << bi;
                        // Every guide ends at the result or at the conjugate; every turn ends on the result's ray.
                        for (const PlaneGuide& guide : drawn.guides)
                            EXPECT_TRUE(near(at(guide.to), expected) || near(at(guide.to), std::conj(b)));
                        for (const PlaneTurn& turn : drawn.turns) {
                            const Value turned = std::polar(std::abs(at(turn.from)), std::arg(at(turn.from)) + turn.by);
                            EXPECT_NEAR(std::arg(turned / expected), 0, 1e-9);
                        }
                        ++pictures;
                    }
                }
    EXPECT_GT(pictures, 1000);
}

TEST(PlaneSketch, PlacesAPolarNumberExactlyOnTheAxesAndMeasuresAPoint) {
    struct Case {
        double modulus, degrees, re, im;
    };
    const double half = 8 / std::sqrt(2.0);
    for (const Case& c : {Case{8, -135, -half, -half}, Case{5, 90, 0, 5}, Case{2, 180, -2, 0}, Case{3, -90, 0, -3},
                          Case{1, 450, 0, 1}, Case{4, 0, 4, 0}, Case{2, 60, 1, std::sqrt(3.0)}}) {
        const PlanePoint p = polarPoint(c.modulus, c.degrees);
        EXPECT_NEAR(p.re, c.re, 1e-12) << c.degrees;
        EXPECT_NEAR(p.im, c.im, 1e-12) << c.degrees;
        if (std::fmod(c.degrees, 90) == 0) {
            EXPECT_EQ(p.re, c.re) << c.degrees;
            EXPECT_EQ(p.im, c.im) << c.degrees;
        }
    }
    EXPECT_EQ(modulusOf({3, -4}), 5);
    EXPECT_NEAR(angleOf({-1, 1}), 3 * kPi / 4, kClose);
    EXPECT_EQ(angleOf({-3, -0.0}), kPi);  // the negative real axis is 180°, never −180°
    EXPECT_EQ(angleOf({}), 0);
}

}  // namespace

}  // namespace tessaro
