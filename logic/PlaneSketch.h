// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/AnswerReading.h"
#include "logic/ExerciseTask.h"
#include "logic/TaskNumbers.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaro {

// What a task looks like in the complex plane, as a teacher draws it on the board: arrows from the origin, the lines
// that show how they were found, and the angles and lengths that matter. Names are mathematics only ("z₁",
// "z₁ + z₂", "φ₂"), the same in every language; what a picture says in words it says by the role.

// re + j·im
struct PlanePoint {
    double re = 0;
    double im = 0;
    bool operator==(const PlanePoint&) const = default;
};

// What a drawn thing stands for: a picture gives each role its colour and line, and its name in words.
enum class PlaneRole {
    Operand1,   // the task's first number
    Operand2,   // its second number
    Result,     // the right answer
    Typed,      // the answer as typed
    Conjugate,  // the conjugate of the divisor
    Helper,     // a step on the way, such as −z₂ in a difference
};

// An arrow; an empty label leaves its name to the picture, which names it by its role (the typed answer).
struct PlaneArrow {
    PlaneRole role = PlaneRole::Operand1;
    PlanePoint from;
    PlanePoint to;
    std::string label;
    bool dashed = false;  // the typed answer: a suggestion beside the right one, not a fact
};

// A thin dashed line that shows how an arrow was found, in the colour of the role it copies: a side of the
// parallelogram, a leg of a right triangle, the mirror to the conjugate, the stretch after a turn.
struct PlaneGuide {
    PlaneRole role = PlaneRole::Helper;
    PlanePoint from;
    PlanePoint to;
    std::string label;  // "x = 3", or empty
};

// An angle marked by a small arc round the origin, from the direction `from` to the direction `to` (radians from
// the positive real axis; counter-clockwise where `to` is the greater).
struct PlaneAngle {
    PlaneRole role = PlaneRole::Operand1;
    double from = 0;
    double to = 0;
    int ring = 1;  // 1 lies nearest to the origin; marks of one picture have rings of their own
    std::string label;
};

// A point turned round the origin by an angle, drawn as the arc it runs along: the turn in a product or quotient.
struct PlaneTurn {
    PlaneRole role = PlaneRole::Operand2;
    PlanePoint from;
    double by = 0;  // radians, counter-clockwise where positive
    std::string label;
};

// A length measured from the origin in the direction of `along`, drawn as a dimension line beside the arrow there:
// the modulus. A negative length runs the other way.
struct PlaneLength {
    PlaneRole role = PlaneRole::Result;
    PlanePoint along;
    double length = 0;
    int ring = 1;  // 1 lies nearest to the arrow
    std::string label;
    bool dashed = false;
};

// The right angle of a triangle, at `corner`, between its legs towards `first` and `second`.
struct PlaneRightAngle {
    PlanePoint corner;
    PlanePoint first;
    PlanePoint second;
    bool operator==(const PlaneRightAngle&) const = default;
};

struct PlaneSketch {
    std::vector<PlaneArrow> arrows;  // in the order they are drawn: the last lies on top
    std::vector<PlaneGuide> guides;
    std::vector<PlaneAngle> angles;
    std::vector<PlaneTurn> turns;
    std::vector<PlaneLength> lengths;
    std::optional<PlaneRightAngle> rightAngle;
};

// The picture of a task of the four cartesian modes: the sum as a parallelogram, the difference z₁ − z₂ as
// z₁ + (−z₂), the modulus as the arrow's length with its right triangle of x and y, the product as a turn by φ₂ and
// a stretch, the quotient as a turn by the conjugate's angle −φ₂ and a shrink. `typed` is the typed answer's value
// where it can be read as a number (for a quotient the value of the typed fraction); it is drawn dashed, for a
// modulus as a length beside the right one.
PlaneSketch sketchOf(const TaskNumbers& task, std::optional<ReadValue> typed);
// The typed answer as a point of the plane, where it can be read as a number: x+jy, a modulus and an angle, or a
// fraction's three fields.
std::optional<ReadValue> typedPoint(const ExerciseTask& task, const TypedAnswer& typed);
// The sketch with its labels' decimals written with `mark`, as the screen's language writes them.
PlaneSketch withDecimalMark(PlaneSketch sketch, char mark);

// r∠φ with φ in degrees: where a number of the polar modes lies.
PlanePoint polarPoint(double modulus, double degrees);
double modulusOf(PlanePoint point);
// In radians, in (−π, π]; 0 for the origin.
double angleOf(PlanePoint point);

}  // namespace tessaro
