// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/PlaneSketch.h"

#include "logic/DecimalMark.h"
#include "logic/MathTerm.h"
#include "logic/PolarReading.h"

#include <cmath>
#include <complex>
#include <cstdio>
#include <numbers>

namespace tessaro {

namespace {

using Complex = std::complex<double>;

const std::string kZ1 = "z\u2081", kZ2 = "z\u2082", kMinus = "\u2212";
const std::string kPhi1 = "\u03C6\u2081", kPhi2 = "\u03C6\u2082";

Complex complexOf(ComplexValue value) { return {static_cast<double>(value.re), static_cast<double>(value.im)}; }
PlanePoint pointOf(Complex value) { return {value.real(), value.imag()}; }
const PlanePoint kOrigin{};

PlaneArrow arrow(PlaneRole role, Complex to, std::string label) { return {role, kOrigin, pointOf(to), label}; }

void addTyped(PlaneSketch& sketch, std::optional<ReadValue> typed) {
    if (typed)
        sketch.arrows.push_back({PlaneRole::Typed, kOrigin, {typed->re, typed->im}, {}, true});
}

// An angle has a mark only where there is one to see: not for the origin, nor for an arrow along the positive axis.
void markAngle(PlaneSketch& sketch, PlaneRole role, Complex of, double angle, int ring, std::string label) {
    if (of != Complex{} && angle != 0)
        sketch.angles.push_back({role, 0, angle, ring, std::move(label)});
}

// The sum of `a` and `b` as the diagonal of their parallelogram: each side's copy in the colour of its arrow.
void parallelogram(PlaneSketch& sketch, Complex a, PlaneRole roleA, Complex b, PlaneRole roleB) {
    sketch.guides.push_back({roleB, pointOf(a), pointOf(a + b), {}});
    sketch.guides.push_back({roleA, pointOf(b), pointOf(a + b), {}});
}

PlaneSketch sum(Complex a, Complex b, std::optional<ReadValue> typed) {
    PlaneSketch sketch;
    sketch.arrows = {arrow(PlaneRole::Operand1, a, kZ1), arrow(PlaneRole::Operand2, b, kZ2),
                     arrow(PlaneRole::Result, a + b, kZ1 + " + " + kZ2)};
    parallelogram(sketch, a, PlaneRole::Operand1, b, PlaneRole::Operand2);
    addTyped(sketch, typed);
    return sketch;
}

// z₁ − z₂ = z₁ + (−z₂): the parallelogram of z₁ and the turned-round z₂.
PlaneSketch difference(Complex a, Complex b, std::optional<ReadValue> typed) {
    PlaneSketch sketch;
    sketch.arrows = {arrow(PlaneRole::Operand1, a, kZ1), arrow(PlaneRole::Operand2, b, kZ2),
                     arrow(PlaneRole::Helper, -b, kMinus + kZ2),
                     arrow(PlaneRole::Result, a - b, kZ1 + " " + kMinus + " " + kZ2)};
    parallelogram(sketch, a, PlaneRole::Operand1, -b, PlaneRole::Helper);
    addTyped(sketch, typed);
    return sketch;
}

// The arrow of z with its right triangle of x and y; on an axis the arrow is its own length and has no triangle.
PlaneSketch rightTriangle(PlanePoint tip, const std::string& x, const std::string& y) {
    const PlanePoint foot{tip.re, 0};
    PlaneSketch sketch;
    sketch.arrows = {{PlaneRole::Operand1, kOrigin, tip, "z"}};
    if (tip.re != 0 && tip.im != 0) {
        sketch.guides = {{PlaneRole::Helper, kOrigin, foot, "x = " + x}, {PlaneRole::Helper, foot, tip, "y = " + y}};
        sketch.rightAngle = PlaneRightAngle{foot, kOrigin, tip};
    }
    return sketch;
}

PlaneSketch modulus(const TaskNumbers& task, std::optional<ReadValue> typed) {
    const ComplexValue z = task.first;
    const PlanePoint tip = pointOf(complexOf(z));
    PlaneSketch sketch = rightTriangle(tip, signedNumber(z.re), signedNumber(z.im));
    sketch.lengths = {{PlaneRole::Result, tip, std::abs(complexOf(z)), 1, "|z|"}};
    // A modulus is one number; a typed number with an imaginary part is drawn as the point it is.
    if (typed && typed->im == 0)
        sketch.lengths.push_back({PlaneRole::Typed, tip, typed->re, 2, {}, true});
    else
        addTyped(sketch, typed);
    return sketch;
}

// Multiplying by w turns by w's angle and stretches by |w|: `a` turned, then stretched or shrunk to `result`.
void turnAndStretch(PlaneSketch& sketch, Complex a, double angle, Complex result, PlaneRole role, std::string label) {
    if (a == Complex{} || result == Complex{})
        return;
    if (angle != 0)
        sketch.turns.push_back({role, pointOf(a), angle, std::move(label)});
    sketch.guides.push_back({role, pointOf(std::polar(std::abs(a), std::arg(a) + angle)), pointOf(result), {}});
}

PlaneSketch product(Complex a, Complex b, std::optional<ReadValue> typed) {
    PlaneSketch sketch;
    sketch.arrows = {arrow(PlaneRole::Operand1, a, kZ1), arrow(PlaneRole::Operand2, b, kZ2),
                     arrow(PlaneRole::Result, a * b, kZ1 + " \u00B7 " + kZ2)};
    markAngle(sketch, PlaneRole::Operand1, a, std::arg(a), 1, kPhi1);
    markAngle(sketch, PlaneRole::Operand2, b, std::arg(b), 2, kPhi2);
    turnAndStretch(sketch, a, std::arg(b), a * b, PlaneRole::Operand2, kPhi2);
    addTyped(sketch, typed);
    return sketch;
}

// z₁ / z₂ = z₁ · z₂* / |z₂|²: turned by the conjugate's angle −φ₂, shrunk by |z₂|.
PlaneSketch quotient(Complex a, Complex b, std::optional<ReadValue> typed) {
    const Complex conjugate = std::conj(b);
    PlaneSketch sketch;
    sketch.arrows = {arrow(PlaneRole::Operand1, a, kZ1), arrow(PlaneRole::Operand2, b, kZ2),
                     arrow(PlaneRole::Conjugate, conjugate, kZ2 + "*")};
    if (b != Complex{})
        sketch.arrows.push_back(arrow(PlaneRole::Result, a / b, kZ1 + " / " + kZ2));
    if (b.imag() != 0)
        sketch.guides.push_back({PlaneRole::Conjugate, pointOf(b), pointOf(conjugate), {}});
    markAngle(sketch, PlaneRole::Operand1, a, std::arg(a), 1, kPhi1);
    markAngle(sketch, PlaneRole::Conjugate, conjugate, std::arg(conjugate), 2, kMinus + kPhi2);
    if (b != Complex{})
        turnAndStretch(sketch, a, std::arg(conjugate), a / b, PlaneRole::Conjugate, kMinus + kPhi2);
    addTyped(sketch, typed);
    return sketch;
}

// A conversion between the forms: one arrow, its angle φ and its triangle of x and y; the answer is the same point.
PlaneSketch conversion(PlanePoint tip, const std::string& x, const std::string& y, std::optional<ReadValue> typed) {
    PlaneSketch sketch = rightTriangle(tip, x, y);
    markAngle(sketch, PlaneRole::Result, Complex(tip.re, tip.im), angleOf(tip), 1, "\u03C6");
    addTyped(sketch, typed);
    return sketch;
}

Complex polarComplex(PolarValue value) {
    const PlanePoint point = polarPoint(value.modulus, value.degrees);
    return {point.re, point.im};
}

// A part as the triangle's leg names it: two decimals where it is not whole.
std::string legText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, value == std::round(value) ? "%.0f" : "%.2f", value);
    std::string written = text;
    if (written.front() == '-')
        written.replace(0, 1, kMinus);
    return written;
}

}  // namespace

PlaneSketch sketchOf(const TaskNumbers& task, std::optional<ReadValue> typed) {
    switch (task.operation) {
    case Operation::Add:
        return sum(complexOf(task.first), complexOf(task.second), typed);
    case Operation::Subtract:
        return difference(complexOf(task.first), complexOf(task.second), typed);
    case Operation::Modulus:
        return modulus(task, typed);
    case Operation::Multiply:
        return product(complexOf(task.first), complexOf(task.second), typed);
    case Operation::Divide:
        return quotient(complexOf(task.first), complexOf(task.second), typed);
    case Operation::ToPolar:
        return conversion(pointOf(complexOf(task.first)), signedNumber(task.first.re), signedNumber(task.first.im),
                          typed);
    case Operation::ToCartesian: {
        const PlanePoint tip = pointOf(polarComplex(task.firstPolar));
        return conversion(tip, legText(tip.re), legText(tip.im), typed);
    }
    case Operation::PolarMultiply:
        return product(polarComplex(task.firstPolar), polarComplex(task.secondPolar), typed);
    case Operation::PolarDivide:
        return quotient(polarComplex(task.firstPolar), polarComplex(task.secondPolar), typed);
    case Operation::AddPhasors:
        return sum(polarComplex(task.firstPolar), polarComplex(task.secondPolar), typed);
    }
    return {};
}

std::optional<ReadValue> typedPoint(const ExerciseTask& task, const TypedAnswer& typed) {
    switch (task.fields.size()) {
    case 2: {
        const std::optional<double> modulus = readDecimal(typedField(typed, 0));
        const std::optional<double> degrees = readDegrees(typedField(typed, 1));
        if (!modulus || !degrees)
            return std::nullopt;
        const PlanePoint point = polarPoint(*modulus, *degrees);
        return ReadValue{point.re, point.im};
    }
    case 3: {  // (real numerator + j imaginary numerator) / denominator
        const std::optional<double> real = readDecimal(typedField(typed, 0));
        const std::optional<double> denominator = readDecimal(typedField(typed, 1));
        const std::optional<double> imaginary = readDecimal(typedField(typed, 2));
        if (!real || !denominator || !imaginary || *denominator == 0)
            return std::nullopt;
        return ReadValue{*real / *denominator, *imaginary / *denominator};
    }
    default:
        return readComplex(typedField(typed, 0));
    }
}

PlaneSketch withDecimalMark(PlaneSketch sketch, char mark) {
    const auto marked = [mark](auto& items) {
        for (auto& item : items)
            item.label = withDecimalMark(item.label, mark);
    };
    marked(sketch.arrows);
    marked(sketch.guides);
    marked(sketch.angles);
    marked(sketch.turns);
    marked(sketch.lengths);
    return sketch;
}

PlanePoint polarPoint(double modulus, double degrees) {
    // On an axis exactly, where cos 90° would leave a trace of 1e-16 in the real part.
    const double turn = std::fmod(std::fmod(degrees, 360) + 360, 360);
    if (std::fmod(turn, 90) == 0) {
        const int quarter = static_cast<int>(turn / 90);
        const double x[] = {1, 0, -1, 0}, y[] = {0, 1, 0, -1};
        return {modulus * x[quarter], modulus * y[quarter]};
    }
    return pointOf(std::polar(modulus, degrees * std::numbers::pi / 180));
}

double modulusOf(PlanePoint point) { return std::hypot(point.re, point.im); }

// A negative zero in the imaginary part would give −π for the negative real axis.
double angleOf(PlanePoint point) { return std::atan2(point.im == 0 ? 0.0 : point.im, point.re); }

}  // namespace tessaro
