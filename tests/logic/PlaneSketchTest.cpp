// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures of tasks in the complex plane: hand-worked tasks of every mode drawn as a teacher draws them, and a
// sweep over many operands whose every picture closes as its construction says.

#include "logic/PlaneSketch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <ostream>
#include <string>

namespace tessaro {

void PrintTo(const PlanePoint& p, std::ostream* out) { *out << "(" << p.re << ", " << p.im << ")"; }
void PrintTo(PlaneRole role, std::ostream* out) { *out << "role " << static_cast<int>(role); }

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kClose = 1e-9;
const std::string kZ1 = "z\u2081", kZ2 = "z\u2082";

#define EXPECT_POINT_NEAR(actual, re_, im_)           \
    do {                                              \
        const PlanePoint p_ = (actual);               \
        EXPECT_NEAR(p_.re, (re_), kClose) << #actual; \
        EXPECT_NEAR(p_.im, (im_), kClose) << #actual; \
    } while (false)

TaskNumbers task(Operation operation, ComplexValue first, ComplexValue second = {}) {
    return {operation, first, second};
}

const PlaneArrow* arrowOf(const PlaneSketch& sketch, PlaneRole role) {
    for (const PlaneArrow& arrow : sketch.arrows)
        if (arrow.role == role)
            return &arrow;
    return nullptr;
}

TEST(PlaneSketch, DrawsTheSumAsTheDiagonalOfTheParallelogramOfItsOperands) {
    // [30 + j(-45)] + [-12 - j(-20)] = 18 - j25
    const PlaneSketch sketch = sketchOf(task(Operation::Add, {30, -45}, {-12, 20}), std::nullopt);
    ASSERT_EQ(sketch.arrows.size(), 3u);
    const PlaneArrow expected[] = {{PlaneRole::Operand1, {}, {30, -45}, kZ1, false},
                                   {PlaneRole::Operand2, {}, {-12, 20}, kZ2, false},
                                   {PlaneRole::Result, {}, {18, -25}, kZ1 + " + " + kZ2, false}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(sketch.arrows[i].role, expected[i].role) << i;
        EXPECT_EQ(sketch.arrows[i].from, expected[i].from) << i;
        EXPECT_EQ(sketch.arrows[i].to, expected[i].to) << i;
        EXPECT_EQ(sketch.arrows[i].label, expected[i].label) << i;
        EXPECT_FALSE(sketch.arrows[i].dashed) << i;
    }
    // The two sides that close the parallelogram 0, z₁, z₁ + z₂, z₂: each a copy of the other arrow, in its colour.
    ASSERT_EQ(sketch.guides.size(), 2u);
    EXPECT_EQ(sketch.guides[0].from, (PlanePoint{30, -45}));
    EXPECT_EQ(sketch.guides[0].to, (PlanePoint{18, -25}));
    EXPECT_EQ(sketch.guides[0].role, PlaneRole::Operand2);
    EXPECT_EQ(sketch.guides[1].from, (PlanePoint{-12, 20}));
    EXPECT_EQ(sketch.guides[1].to, (PlanePoint{18, -25}));
    EXPECT_EQ(sketch.guides[1].role, PlaneRole::Operand1);
    EXPECT_TRUE(sketch.angles.empty());
    EXPECT_TRUE(sketch.turns.empty());
    EXPECT_TRUE(sketch.lengths.empty());
    EXPECT_FALSE(sketch.rightAngle);
}

TEST(PlaneSketch, DrawsTheDifferenceAsTheSumWithTheSecondNumberTurnedRound) {
    // [3 + j(-4)] - [-2 + j(1)] = 5 - j5 = z₁ + (−z₂), −z₂ = 2 − j1
    const PlaneSketch sketch = sketchOf(task(Operation::Subtract, {3, -4}, {-2, 1}), std::nullopt);
    ASSERT_EQ(sketch.arrows.size(), 4u);
    const PlaneArrow* negated = arrowOf(sketch, PlaneRole::Helper);
    ASSERT_TRUE(negated);
    EXPECT_EQ(negated->to, (PlanePoint{2, -1}));
    EXPECT_EQ(negated->label, "\u2212" + kZ2);
    const PlaneArrow* result = arrowOf(sketch, PlaneRole::Result);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->to, (PlanePoint{5, -5}));
    EXPECT_EQ(result->label, kZ1 + " \u2212 " + kZ2);
    ASSERT_EQ(sketch.guides.size(), 2u);
    EXPECT_EQ(sketch.guides[0].from, (PlanePoint{3, -4}));
    EXPECT_EQ(sketch.guides[0].to, (PlanePoint{5, -5}));
    EXPECT_EQ(sketch.guides[0].role, PlaneRole::Helper);
    EXPECT_EQ(sketch.guides[1].from, (PlanePoint{2, -1}));
    EXPECT_EQ(sketch.guides[1].to, (PlanePoint{5, -5}));
    EXPECT_EQ(sketch.guides[1].role, PlaneRole::Operand1);
}

TEST(PlaneSketch, DrawsTheModulusAsTheArrowsLengthWithItsRightTriangle) {
    struct Case {
        ComplexValue z;
        std::string legX, legY;
        double modulus;
    };
    for (const Case& c : {Case{{3, 4}, "x = 3", "y = 4", 5}, Case{{12, -5}, "x = 12", "y = \u22125", 13},
                          Case{{-8, -15}, "x = \u22128", "y = \u221215", 17}}) {
        const PlaneSketch sketch = sketchOf(task(Operation::Modulus, c.z), std::nullopt);
        const PlanePoint tip{static_cast<double>(c.z.re), static_cast<double>(c.z.im)}, foot{tip.re, 0};
        ASSERT_EQ(sketch.arrows.size(), 1u) << c.legX;
        EXPECT_EQ(sketch.arrows[0].to, tip);
        EXPECT_EQ(sketch.arrows[0].label, "z");
        ASSERT_EQ(sketch.guides.size(), 2u) << c.legX;
        EXPECT_EQ(sketch.guides[0].from, PlanePoint{});
        EXPECT_EQ(sketch.guides[0].to, foot);
        EXPECT_EQ(sketch.guides[0].label, c.legX);
        EXPECT_EQ(sketch.guides[1].from, foot);
        EXPECT_EQ(sketch.guides[1].to, tip);
        EXPECT_EQ(sketch.guides[1].label, c.legY);
        ASSERT_TRUE(sketch.rightAngle) << c.legX;
        EXPECT_EQ(*sketch.rightAngle, (PlaneRightAngle{foot, {}, tip}));
        ASSERT_EQ(sketch.lengths.size(), 1u) << c.legX;
        EXPECT_EQ(sketch.lengths[0].role, PlaneRole::Result);
        EXPECT_EQ(sketch.lengths[0].along, tip);
        EXPECT_NEAR(sketch.lengths[0].length, c.modulus, kClose);
        EXPECT_EQ(sketch.lengths[0].label, "|z|");
    }
}

TEST(PlaneSketch, DrawsNoTriangleForANumberOnAnAxis) {
    for (const ComplexValue z : {ComplexValue{7, 0}, ComplexValue{0, -12}}) {
        const PlaneSketch sketch = sketchOf(task(Operation::Modulus, z), std::nullopt);
        EXPECT_TRUE(sketch.guides.empty()) << z.re;
        EXPECT_FALSE(sketch.rightAngle) << z.re;
        ASSERT_EQ(sketch.lengths.size(), 1u);
        EXPECT_NEAR(sketch.lengths[0].length, std::abs(z.re + z.im), kClose);
    }
}

TEST(PlaneSketch, DrawsATypedModulusAsALengthBesideTheRightOneAndATypedPointAsThePointItIs) {
    const TaskNumbers modulus = task(Operation::Modulus, {3, 4});
    const PlaneSketch seven = sketchOf(modulus, ReadValue{7, 0});
    ASSERT_EQ(seven.lengths.size(), 2u);
    EXPECT_EQ(seven.lengths[1].role, PlaneRole::Typed);
    EXPECT_EQ(seven.lengths[1].length, 7);
    EXPECT_EQ(seven.lengths[1].along, (PlanePoint{3, 4}));
    EXPECT_GT(seven.lengths[1].ring, seven.lengths[0].ring);
    EXPECT_TRUE(seven.lengths[1].dashed);
    EXPECT_FALSE(seven.lengths[0].dashed);
    EXPECT_EQ(seven.arrows.size(), 1u);

    const PlaneSketch point = sketchOf(modulus, ReadValue{3, 4});
    EXPECT_EQ(point.lengths.size(), 1u);
    const PlaneArrow* typed = arrowOf(point, PlaneRole::Typed);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->to, (PlanePoint{3, 4}));
}

TEST(PlaneSketch, DrawsTheTypedAnswerDashedAndLastWhereItCanBeReadAndNotOtherwise) {
    for (const Operation operation : {Operation::Add, Operation::Subtract, Operation::Multiply, Operation::Divide}) {
        const TaskNumbers numbers = task(operation, {3, 4}, {1, -2});
        const PlaneSketch typed = sketchOf(numbers, ReadValue{-2.5, 0.25});
        ASSERT_FALSE(typed.arrows.empty());
        const PlaneArrow& last = typed.arrows.back();
        EXPECT_EQ(last.role, PlaneRole::Typed) << static_cast<int>(operation);
        EXPECT_EQ(last.to, (PlanePoint{-2.5, 0.25}));
        EXPECT_EQ(last.from, PlanePoint{});
        EXPECT_TRUE(last.dashed);
        EXPECT_TRUE(last.label.empty()) << "the picture names it in the program's language";
        for (std::size_t i = 0; i + 1 < typed.arrows.size(); ++i)
            EXPECT_FALSE(typed.arrows[i].dashed) << i;
        const PlaneSketch none = sketchOf(numbers, std::nullopt);
        EXPECT_EQ(none.arrows.size() + 1, typed.arrows.size());
        EXPECT_FALSE(arrowOf(none, PlaneRole::Typed));
    }
}

TEST(PlaneSketch, DrawsTheProductAsATurnByTheSecondAngleAndAStretch) {
    // (2 + j1)(1 − j3) = 2 − j6 + j1 − j²3 = 5 − j5: φ₁ = arctan(1/2), φ₂ = −arctan 3, and φ₁ + φ₂ = −45°.
    const PlaneSketch sketch = sketchOf(task(Operation::Multiply, {2, 1}, {1, -3}), std::nullopt);
    const PlaneArrow* result = arrowOf(sketch, PlaneRole::Result);
    ASSERT_TRUE(result);
    EXPECT_POINT_NEAR(result->to, 5, -5);
    EXPECT_EQ(result->label, kZ1 + " \u00B7 " + kZ2);
    ASSERT_EQ(sketch.angles.size(), 2u);
    EXPECT_EQ(sketch.angles[0].role, PlaneRole::Operand1);
    EXPECT_EQ(sketch.angles[0].label, "\u03C6\u2081");
    EXPECT_NEAR(sketch.angles[0].from, 0, kClose);
    EXPECT_NEAR(sketch.angles[0].to, std::atan(0.5), kClose);
    EXPECT_EQ(sketch.angles[1].role, PlaneRole::Operand2);
    EXPECT_EQ(sketch.angles[1].label, "\u03C6\u2082");
    EXPECT_NEAR(sketch.angles[1].to, -std::atan(3.0), kClose);
    EXPECT_NE(sketch.angles[0].ring, sketch.angles[1].ring);
    // z₁ turned by φ₂ lies on the product's ray, −45°, at |z₁| = √5; the stretch by |z₂| = √10 reaches the product.
    ASSERT_EQ(sketch.turns.size(), 1u);
    EXPECT_EQ(sketch.turns[0].from, (PlanePoint{2, 1}));
    EXPECT_NEAR(sketch.turns[0].by, -std::atan(3.0), kClose);
    EXPECT_EQ(sketch.turns[0].label, "\u03C6\u2082");
    ASSERT_EQ(sketch.guides.size(), 1u);
    const double turnedPart = std::sqrt(5.0) / std::sqrt(2.0);
    EXPECT_POINT_NEAR(sketch.guides[0].from, turnedPart, -turnedPart);
    EXPECT_POINT_NEAR(sketch.guides[0].to, 5, -5);
}

TEST(PlaneSketch, TurnsAcrossTheNegativeRealAxisAndMarksNoAngleOfNothing) {
    // (−1 + j1)·j2 = −2 − j2: 135° turned by 90° is 225°, the direction of −2 − j2.
    const PlaneSketch across = sketchOf(task(Operation::Multiply, {-1, 1}, {0, 2}), std::nullopt);
    ASSERT_EQ(across.angles.size(), 2u);
    EXPECT_NEAR(across.angles[0].to, 3 * kPi / 4, kClose);
    EXPECT_NEAR(across.angles[1].to, kPi / 2, kClose);
    ASSERT_EQ(across.turns.size(), 1u);
    EXPECT_NEAR(across.turns[0].by, kPi / 2, kClose);
    EXPECT_POINT_NEAR(across.guides[0].from, -1, -1);
    EXPECT_POINT_NEAR(across.guides[0].to, -2, -2);

    // 3 on the positive real axis has the angle 0: no mark for it.
    const PlaneSketch onAxis = sketchOf(task(Operation::Multiply, {3, 0}, {0, 2}), std::nullopt);
    ASSERT_EQ(onAxis.angles.size(), 1u);
    EXPECT_EQ(onAxis.angles[0].role, PlaneRole::Operand2);
    // A factor 0 has no angle and leaves nothing to turn.
    const PlaneSketch zero = sketchOf(task(Operation::Multiply, {0, 0}, {1, 1}), std::nullopt);
    ASSERT_EQ(zero.angles.size(), 1u);
    EXPECT_EQ(zero.angles[0].role, PlaneRole::Operand2);
    EXPECT_TRUE(zero.turns.empty());
    EXPECT_TRUE(zero.guides.empty());
}

TEST(PlaneSketch, DrawsTheQuotientWithTheConjugateItsAngleAndTheTurnByIt) {
    // (3 + j4) / (1 − j2) = (3 + j4)(1 + j2) / 5 = (−5 + j10) / 5 = −1 + j2.
    const PlaneSketch sketch = sketchOf(task(Operation::Divide, {3, 4}, {1, -2}), ReadValue{2.2, 0.4});
    const PlaneArrow* conjugate = arrowOf(sketch, PlaneRole::Conjugate);
    ASSERT_TRUE(conjugate);
    EXPECT_POINT_NEAR(conjugate->to, 1, 2);
    EXPECT_EQ(conjugate->label, kZ2 + "*");
    const PlaneArrow* result = arrowOf(sketch, PlaneRole::Result);
    ASSERT_TRUE(result);
    EXPECT_POINT_NEAR(result->to, -1, 2);
    EXPECT_EQ(result->label, kZ1 + " / " + kZ2);
    const PlaneArrow* typed = arrowOf(sketch, PlaneRole::Typed);
    ASSERT_TRUE(typed);
    EXPECT_POINT_NEAR(typed->to, 2.2, 0.4);

    // The mirror from z₂ to its conjugate, then the shrink from z₁ turned to the quotient: |z₁| = 5 at the
    // quotient's angle, 5 (−1 + j2) / √5, shrunk by |z₂| = √5.
    ASSERT_EQ(sketch.guides.size(), 2u);
    EXPECT_EQ(sketch.guides[0].role, PlaneRole::Conjugate);
    EXPECT_POINT_NEAR(sketch.guides[0].from, 1, -2);
    EXPECT_POINT_NEAR(sketch.guides[0].to, 1, 2);
    EXPECT_POINT_NEAR(sketch.guides[1].from, -std::sqrt(5.0), 2 * std::sqrt(5.0));
    EXPECT_POINT_NEAR(sketch.guides[1].to, -1, 2);

    ASSERT_EQ(sketch.angles.size(), 2u);
    EXPECT_NEAR(sketch.angles[0].to, std::atan(4.0 / 3), kClose);
    EXPECT_EQ(sketch.angles[1].role, PlaneRole::Conjugate);
    EXPECT_EQ(sketch.angles[1].label, "\u2212\u03C6\u2082");
    EXPECT_NEAR(sketch.angles[1].to, std::atan(2.0), kClose);
    ASSERT_EQ(sketch.turns.size(), 1u);
    EXPECT_EQ(sketch.turns[0].from, (PlanePoint{3, 4}));
    EXPECT_NEAR(sketch.turns[0].by, std::atan(2.0), kClose);
    EXPECT_EQ(sketch.turns[0].label, "\u2212\u03C6\u2082");
}

TEST(PlaneSketch, DrawsNoMirrorForARealDivisor) {
    const PlaneSketch sketch = sketchOf(task(Operation::Divide, {6, 8}, {2, 0}), std::nullopt);
    const PlaneArrow* result = arrowOf(sketch, PlaneRole::Result);
    ASSERT_TRUE(result);
    EXPECT_POINT_NEAR(result->to, 3, 4);
    EXPECT_EQ(sketch.angles.size(), 1u);  // φ₁ only: the conjugate 2 has the angle 0
    EXPECT_TRUE(sketch.turns.empty());
    ASSERT_EQ(sketch.guides.size(), 1u);  // the shrink alone
    EXPECT_POINT_NEAR(sketch.guides[0].from, 6, 8);
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
                        const PlaneSketch sketch = sketchOf(task(operation, {ar, ai}, {br, bi}), std::nullopt);
                        const PlaneArrow* result = arrowOf(sketch, PlaneRole::Result);
                        ASSERT_TRUE(result);
                        const Value expected = operation == Operation::Add        ? a + b
                                               : operation == Operation::Subtract ? a - b
                                               : operation == Operation::Multiply ? a * b
                                                                                  : a / b;
                        EXPECT_TRUE(near(at(result->to), expected)) << ar << ai << br << bi;
                        // Every guide ends at the result or at the conjugate; every turn ends on the result's ray.
                        for (const PlaneGuide& guide : sketch.guides)
                            EXPECT_TRUE(near(at(guide.to), expected) || near(at(guide.to), std::conj(b)));
                        for (const PlaneTurn& turn : sketch.turns) {
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
