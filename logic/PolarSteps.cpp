// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/PolarSteps.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace tessaro {

namespace {

constexpr Decimal kHalfTurn{18000, false};  // 180°

Position positionOf(double x, double y) {
    if (y == 0)
        return x > 0 ? Position::PositiveReal : Position::NegativeReal;
    if (x == 0)
        return y > 0 ? Position::PositiveImaginary : Position::NegativeImaginary;
    if (x > 0)
        return y > 0 ? Position::Quadrant1 : Position::Quadrant4;
    return y > 0 ? Position::Quadrant2 : Position::Quadrant3;
}

bool onAxis(Position position) { return position >= Position::PositiveReal; }

// φ from α by the quadrant's rule: α, 180° − α, α − 180°, −α; on an axis the axis's angle.
double ruleOf(Position position, double alpha) {
    switch (position) {
    case Position::Quadrant1:
        return alpha;
    case Position::Quadrant2:
        return 180 - alpha;
    case Position::Quadrant3:
        return alpha - 180;
    case Position::Quadrant4:
        return -alpha;
    case Position::PositiveReal:
        return 0;
    case Position::PositiveImaginary:
        return 90;
    case Position::NegativeReal:
        return 180;
    case Position::NegativeImaginary:
        return -90;
    }
    return 0;
}

const char* positionNote(Position position) {
    switch (position) {
    case Position::Quadrant1:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Realteil positiv, Imaginärteil positiv: z liegt im 1. Quadranten.");
    case Position::Quadrant2:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Realteil negativ, Imaginärteil positiv: z liegt im 2. Quadranten.");
    case Position::Quadrant3:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Realteil negativ, Imaginärteil negativ: z liegt im 3. Quadranten.");
    case Position::Quadrant4:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Realteil positiv, Imaginärteil negativ: z liegt im 4. Quadranten.");
    case Position::PositiveReal:
        return QT_TRANSLATE_NOOP("Loesungsweg",
                                 "Imaginärteil null, Realteil positiv: z liegt auf der positiven "
                                 "reellen Achse.");
    case Position::PositiveImaginary:
        return QT_TRANSLATE_NOOP("Loesungsweg",
                                 "Realteil null, Imaginärteil positiv: z liegt auf der positiven "
                                 "imaginären Achse.");
    case Position::NegativeReal:
        return QT_TRANSLATE_NOOP("Loesungsweg",
                                 "Imaginärteil null, Realteil negativ: z liegt auf der negativen "
                                 "reellen Achse.");
    case Position::NegativeImaginary:
        return QT_TRANSLATE_NOOP("Loesungsweg",
                                 "Realteil null, Imaginärteil negativ: z liegt auf der negativen "
                                 "imaginären Achse.");
    }
    return nullptr;
}

const char* ruleNote(Position position) {
    switch (position) {
    case Position::Quadrant1:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Im 1. Quadranten ist φ = α:");
    case Position::Quadrant2:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Im 2. Quadranten ist φ = 180° − α:");
    case Position::Quadrant3:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Im 3. Quadranten ist φ = α − 180°:");
    case Position::Quadrant4:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Im 4. Quadranten ist φ = −α:");
    default:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Der Winkel ist der Winkel der Achse:");
    }
}

// The right side of φ = … by the rule, with α and with its value: "180° − α", "180° − 53.13°".
std::vector<MathTerm> ruleSides(Position position, Decimal alpha) {
    const std::string a = mathDegrees(alpha);
    switch (position) {
    case Position::Quadrant1:
        return {math("\u03B1")};
    case Position::Quadrant2:
        return {math("180\u00B0 \u2212 \u03B1"), math("180\u00B0 \u2212 " + a)};
    case Position::Quadrant3:
        return {math("\u03B1 \u2212 180\u00B0"), math(a + " \u2212 180\u00B0")};
    case Position::Quadrant4:
        return {math("\u2212\u03B1")};
    default:
        return {};
    }
}

// The root of x² + y²: with whole parts their squares and their sum written out, with decimals the root alone.
std::vector<MathTerm> modulusSides(Decimal x, Decimal y) {
    const MathTerm squares = root(math(mathFactor(x) + "\u00B2 + " + mathFactor(y) + "\u00B2"));
    if (x.hundredths % 100 != 0 || y.hundredths % 100 != 0)
        return {squares};
    const long long wholeX = x.hundredths / 100, wholeY = y.hundredths / 100;
    return {squares, root(math(std::to_string(wholeX * wholeX) + " + " + std::to_string(wholeY * wholeY))),
            root(math(std::to_string(wholeX * wholeX + wholeY * wholeY)))};
}

std::string magnitude(Decimal value) { return mathText({std::llabs(value.hundredths), value.rounded}); }

}  // namespace

RoundedPolar roundedPolar(Decimal x, Decimal y) {
    const Position position = positionOf(x.value(), y.value());
    const Decimal modulus = toDecimal(std::hypot(x.value(), y.value()));
    if (onAxis(position))
        return {position, modulus, {}, toDecimal(ruleOf(position, 0))};
    const Decimal alpha = toDecimal(std::atan(std::abs(y.value() / x.value())) / kRadiansPerDegree);
    Decimal degrees = alpha;
    if (position == Position::Quadrant2)
        degrees = kHalfTurn + -alpha;
    else if (position == Position::Quadrant3)
        degrees = alpha + -kHalfTurn;
    else if (position == Position::Quadrant4)
        degrees = -alpha;
    return {position, modulus, alpha, degrees};
}

void polarSteps(std::vector<Step>& steps, Decimal x, Decimal y, std::vector<MathTerm> zSides, int firstChain) {
    const RoundedPolar polar = roundedPolar(x, y);
    std::vector<MathTerm> z{math("z")};
    z.insert(z.end(), zSides.begin(), zSides.end());
    z.push_back(math(mathCartesian(x, y)));
    steps.push_back({0, false, std::move(z), phrase(positionNote(polar.position))});

    std::vector<MathTerm> r{math("r"), math("|z|")};
    for (MathTerm& side : modulusSides(x, y))
        r.push_back(std::move(side));
    r.push_back(math(mathText(polar.modulus)));
    steps.push_back(
        {firstChain, false, std::move(r), phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Betrag: r = √(x² + y²)"))});

    std::vector<MathTerm> phi{math("\u03C6")};
    if (!onAxis(polar.position)) {
        steps.push_back({firstChain + 1,
                         false,
                         {math("\u03B1"), math("arctan(" + magnitude(y) + " / " + magnitude(x) + ")"),
                          math(mathDegrees(polar.triangleAngle))},
                         phrase(QT_TRANSLATE_NOOP("Loesungsweg",
                                                  "Der Winkel im rechtwinkligen Dreieck aus |x| und |y|, mit dem "
                                                  "Taschenrechner in Grad: α = arctan(|y| / |x|)"))});
        for (MathTerm& side : ruleSides(polar.position, polar.triangleAngle))
            phi.push_back(std::move(side));
    }
    phi.push_back(math(mathDegrees(polar.degrees)));
    steps.push_back({firstChain + 2, false, std::move(phi), phrase(ruleNote(polar.position))});

    steps.push_back({0,
                     false,
                     {math("z"), math(mathPolar(polar.modulus, polar.degrees)),
                      math(mathExponential(polar.modulus, polar.degrees))},
                     phrase(QT_TRANSLATE_NOOP("Loesungsweg", "In Polarform und in Exponentialform:"))});
}

std::vector<Slip> polarAngleSlips(double x, double y) {
    const Position position = positionOf(x, y);
    const double degrees = std::atan2(y, x) / kRadiansPerDegree;
    std::vector<Slip> slips{{Finding::SignTurned, -degrees, 0, {AnswerPart::Angle}},
                            {Finding::NoQuadrantCorrection, degrees + 180}};
    const double alpha = onAxis(position) ? 0 : std::atan(std::abs(y / x)) / kRadiansPerDegree;
    if (!onAxis(position))
        slips.push_back({Finding::NoQuadrantCorrection, alpha});
    slips.push_back({Finding::XYSwapped, 90 - degrees});
    slips.push_back({Finding::XYSwapped, -90 - degrees});
    slips.push_back({Finding::DegreesRadians, degrees * kRadiansPerDegree});
    // α taken in radians, then turned by the quadrant's rule in degrees.
    if (!onAxis(position))
        slips.push_back({Finding::DegreesRadians, ruleOf(position, alpha * kRadiansPerDegree)});
    return slips;
}

}  // namespace tessaro
