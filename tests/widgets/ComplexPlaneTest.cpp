// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The complex plane on its own, rendered at one and two device pixels per logical pixel and measured in the picture:
// where the axes, the grid and an arrow's tip are, that one unit is as long upwards as across, that every label
// fits, that the typed answer is dashed, that the colours stay apart for colour-blind eyes, and what a screen reader
// hears in both languages.

#include "dialogkit/Language.h"
#include "tests/support/ScreenTesting.h"
#include "widgets/ComplexPlane.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace tessaro {
namespace {

using testing::expectReferenceImage;

const QColor kInk(0x60, 0x60, 0x60), kGrid(0xe6, 0xe6, 0xe6);
constexpr std::array kRoles{PlaneRole::Operand1, PlaneRole::Operand2,  PlaneRole::Result,
                            PlaneRole::Typed,    PlaneRole::Conjugate, PlaneRole::Helper};

PlaneSketch arrows(std::initializer_list<PlaneArrow> drawn) {
    PlaneSketch sketch;
    sketch.arrows = drawn;
    return sketch;
}

// Shown, so that it is laid out at its size, as in a screen.
void present(ComplexPlane& plane, PlaneSketch sketch, QSize size) {
    plane.setSketch(std::move(sketch));
    plane.resize(size);
    plane.show();
    QApplication::processEvents();
}

QImage picture(ComplexPlane& plane, int ratio) {
    QImage image(plane.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    plane.render(&image);
    return image;
}

int distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}
bool near(const QImage& image, QPointF p, const QColor& colour, int tolerance) {
    const QPoint pixel(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));  // p lies in it
    return image.rect().contains(pixel) && distance(image.pixelColor(pixel), colour) <= tolerance;
}

// The first row (or column) of a line of a colour across the picture: of nearly the most pixels of it.
int fullestLine(const QImage& image, const QColor& colour, bool row) {
    std::vector<int> counts(row ? image.height() : image.width());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            counts[row ? y : x] += image.pixelColor(x, y) == colour;
    const int most = *std::ranges::max_element(counts);
    return static_cast<int>(std::ranges::find_if(counts, [most](int c) { return c >= most * 9 / 10; }) -
                            counts.begin());
}

// The distance of the grid lines that cross a row or a column: the least between the starts of neighbouring runs of
// their colour, where every other is a whole multiple of it (an axis lies where a grid line would); 0 where they are
// not so spaced.
int gridSpacing(const QImage& image, bool alongRow, int at) {
    std::vector<int> starts;
    bool inside = false;
    for (int i = 0; i < (alongRow ? image.width() : image.height()); ++i) {
        const bool grid = (alongRow ? image.pixelColor(i, at) : image.pixelColor(at, i)) == kGrid;
        if (grid && !inside)
            starts.push_back(i);
        inside = grid;
    }
    if (starts.size() < 3)
        return 0;
    int spacing = starts[1] - starts[0];
    for (std::size_t i = 2; i < starts.size(); ++i)
        spacing = std::min(spacing, starts[i] - starts[i - 1]);
    for (std::size_t i = 1; i < starts.size(); ++i)
        if ((starts[i] - starts[i - 1]) % spacing != 0)
            return 0;
    return spacing;
}

// The pixel of a colour farthest from a point, outside the labels: the tip of an arrow drawn from there.
QPointF farthest(const QImage& image, const QColor& colour, QPointF from, const ComplexPlane& plane) {
    const double ratio = image.devicePixelRatio();
    QPointF best = from;
    double most = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QPointF centre(x + 0.5, y + 0.5);
            const bool inLabel = std::ranges::any_of(plane.labels(), [&](const PlaneLabel& l) {
                return l.rect.adjusted(-2, -2, 2, 2).contains(centre / ratio);
            });
            const double d = std::hypot(centre.x() - from.x(), centre.y() - from.y());
            if (image.pixelColor(x, y) == colour && !inLabel && d > most) {
                most = d;
                best = centre;
            }
        }
    return best;
}

class ComplexPlaneAtRatio : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(DevicePixels, ComplexPlaneAtRatio, ::testing::Values(1, 2));

// Wide, tall and square: one unit is as long upwards as across whatever shape the widget has.
TEST_P(ComplexPlaneAtRatio, DrawsCrispAxesAndAnEvenGridOfEqualStepsAndTheArrowsTipWhereTheScaleSaysAtAnyShape) {
    const int ratio = GetParam();
    for (const QSize size : {QSize(300, 240), QSize(160, 300)}) {
        SCOPED_TRACE(::testing::Message() << size.width() << "×" << size.height());
        ComplexPlane plane;
        present(plane, arrows({{PlaneRole::Operand1, {}, {3, 4}, "z"}}), size);
        const QImage image = picture(plane, ratio);

        // The axes, found in the picture: exactly one logical pixel wide, with no smear beside them.
        const int axisRow = fullestLine(image, kInk, true), axisColumn = fullestLine(image, kInk, false);
        const QPointF origin = plane.pixelOf({});
        EXPECT_EQ(axisRow, ratio * (origin.y() - 0.5));
        EXPECT_EQ(axisColumn, ratio * (origin.x() - 0.5));
        int last = 0, smear = 0;
        for (int x = 0; x < image.width(); ++x) {
            last += image.pixelColor(x, axisRow + ratio - 1) == kInk;
            smear += image.pixelColor(x, axisRow - 1) == kInk || image.pixelColor(x, axisRow + ratio) == kInk;
        }
        EXPECT_GT(last, image.width() / 2) << "the axis is as thick as one logical pixel";
        EXPECT_LT(smear, image.width() / 10) << "only the ticks reach beside the axis";

        // The grid, found along the bottom row and the right column: the same spacing both ways.
        const int across = gridSpacing(image, true, image.height() - 2 * ratio);
        ASSERT_GT(across, 0);
        EXPECT_EQ(across, gridSpacing(image, false, image.width() - 2 * ratio));
        EXPECT_DOUBLE_EQ(across, ratio * plane.pixelsPerUnit() * plane.gridStep());

        // From the axes and the grid alone: where 3 + j4 lies. The last pixel wholly inside the sharp head lies two
        // or three pixels short of its tip.
        const QPointF axes(axisColumn + ratio / 2.0, axisRow + ratio / 2.0);
        const QPointF expected = axes + QPointF(3, -4) * (across / plane.gridStep());
        const QPointF tip = farthest(image, ComplexPlane::colourOf(PlaneRole::Operand1), axes, plane);
        EXPECT_LE(std::hypot(tip.x() - expected.x(), tip.y() - expected.y()), 3.5)
            << "tip (" << tip.x() << ", " << tip.y() << "), expected (" << expected.x() << ", " << expected.y() << ")";
    }
}

// Along the middle of each arrow's shaft, one sample per device pixel: where its colour shows and where it does not,
// and that no other role's colour shows.
TEST_P(ComplexPlaneAtRatio, DrawsEachRoleInItsOwnColourTheTypedAnswerDashedAndTheNumbersSolid) {
    const int ratio = GetParam();
    const PlanePoint ends[] = {{4, 0}, {0, 4}, {-4, 0}, {-3, -3}, {0, -4}, {3, 3}};  // one for each of kRoles
    PlaneSketch sketch;
    for (std::size_t i = 0; i < kRoles.size(); ++i) {
        const bool typed = kRoles[i] == PlaneRole::Typed;
        sketch.arrows.push_back({kRoles[i], {}, ends[i], typed ? "" : "z", typed});
    }
    ComplexPlane plane;
    present(plane, sketch, {260, 260});
    const QImage image = picture(plane, ratio);
    for (const PlaneArrow& arrow : sketch.arrows) {
        const QColor colour = ComplexPlane::colourOf(arrow.role);
        const QPointF from = plane.pixelOf({}) * ratio, end = plane.pixelOf(arrow.to) * ratio;
        const int samples = static_cast<int>(QLineF(from, end).length());
        int changes = 0, missing = 0;
        bool own = false;
        std::optional<bool> before;
        for (int i = samples * 15 / 100; i < samples * 75 / 100; ++i) {
            const QPointF p = from + (end - from) * (i / double(samples));
            const bool shows = near(image, p, colour, 60);
            missing += !shows;
            changes += before && *before != shows;
            before = shows;
            own = own || near(image, p, colour, 10);
            for (const PlaneRole other : kRoles)
                EXPECT_TRUE(other == arrow.role || !near(image, p, ComplexPlane::colourOf(other), 10))
                    << static_cast<int>(arrow.role) << " shows " << static_cast<int>(other);
        }
        EXPECT_TRUE(own) << static_cast<int>(arrow.role);
        if (arrow.role == PlaneRole::Typed) {
            EXPECT_GE(changes, 6) << "dashes and gaps along the typed answer";
            EXPECT_GT(missing, 0);
        } else if (arrow.role == PlaneRole::Operand1 || arrow.role == PlaneRole::Operand2 ||
                   arrow.role == PlaneRole::Result) {
            EXPECT_EQ(std::pair(changes, missing), std::pair(0, 0)) << static_cast<int>(arrow.role) << " is solid";
        }
    }
}

// Colour vision without one kind of cone (Machado, Oliveira and Fernandes 2009, severity 1), and the CIE 1976
// colour difference the eye sees between the results.
TEST(ComplexPlane, KeepsItsColoursApartForEyesWithoutRedGreenOrBlueCones) {
    // Each matrix row by row; the last is normal vision.
    const std::array<double, 9> kinds[] = {
        {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998},  // protanopia
        {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881},   // deuteranopia
        {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900},  // tritanopia
        {1, 0, 0, 0, 1, 0, 0, 0, 1}};
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const auto lab = [](std::array<double, 3> rgb) {
        const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
        const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
        const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
        const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
        return std::array{116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
    };
    for (const std::array<double, 9>& seen : kinds) {
        std::vector<std::array<double, 3>> colours;
        for (const PlaneRole role : kRoles) {
            const QColor c = ComplexPlane::colourOf(role);
            const std::array<double, 3> rgb{linear(c.redF()), linear(c.greenF()), linear(c.blueF())};
            std::array<double, 3> simulated{};
            for (int i = 0; i < 3; ++i)
                simulated[i] =
                    std::clamp(seen[3 * i] * rgb[0] + seen[3 * i + 1] * rgb[1] + seen[3 * i + 2] * rgb[2], 0.0, 1.0);
            colours.push_back(lab(simulated));
        }
        for (std::size_t a = 0; a < colours.size(); ++a)
            for (std::size_t b = a + 1; b < colours.size(); ++b) {
                const double difference = std::hypot(colours[a][0] - colours[b][0], colours[a][1] - colours[b][1],
                                                     colours[a][2] - colours[b][2]);
                EXPECT_GE(difference, 15) << "roles " << a << " and " << b << ", vision " << (&seen - kinds);
            }
    }
}

// At three sizes, tasks of the four modes with far, tiny and ordinary numbers: every label inside, drawn where it
// says, and none on another (but where every number lies at the origin).
TEST(ComplexPlane, WritesEveryLabelInsideWhereItSaysAndNoneOnAnotherAtAnySize) {
    const auto of = [](Operation operation, ComplexValue a, ComplexValue b, ReadValue typed) {
        return sketchOf({operation, a, b}, typed);
    };
    const std::pair<const char*, PlaneSketch> tasks[] = {
        {"far", of(Operation::Add, {100, -100}, {0, 0}, {-100, 100})},
        {"small", of(Operation::Add, {0, 0}, {0, 0}, {0.5, 0.2})},
        {"long modulus", of(Operation::Modulus, {0, 20}, {}, {100, 0})},
        {"negative modulus", of(Operation::Modulus, {-12, -9}, {}, {-15, 0})},
        {"large product", of(Operation::Multiply, {-10, 10}, {10, 10}, {0, 0})},
        {"tiny quotient", of(Operation::Divide, {1, 0}, {10, -10}, {0.05, 0.05})},
        {"sum", of(Operation::Add, {30, -45}, {-12, 20}, {18, 25})},
        {"difference", of(Operation::Subtract, {3, -4}, {-2, 1}, {-5, 5})},
        {"product", of(Operation::Multiply, {2, 1}, {1, -3}, {-1, -5})},
        {"quotient", of(Operation::Divide, {3, 4}, {1, -2}, {2.2, 0.4})}};
    for (const auto& [name, sketch] : tasks)
        for (const QSize size : {QSize(260, 260), QSize(180, 120), QSize(150, 320)}) {
            SCOPED_TRACE(::testing::Message() << name << " at " << size.width() << "×" << size.height());
            ComplexPlane plane;
            present(plane, sketch, size);
            const QImage image = picture(plane, 1);
            const std::vector<PlaneLabel>& labels = plane.labels();
            ASSERT_FALSE(labels.empty());
            for (const PlaneLabel& label : labels) {
                EXPECT_TRUE(QRectF(1, 1, size.width() - 2, size.height() - 2).contains(label.rect))
                    << label.text.toStdString();
                bool shown = false;
                const QRect area = label.rect.toAlignedRect();
                for (int y = area.top(); y <= area.bottom() && !shown; ++y)
                    for (int x = area.left(); x <= area.right() && !shown; ++x)
                        shown = near(image, {x + 0.5, y + 0.5}, label.colour, distance(label.colour, Qt::white) / 3);
                EXPECT_TRUE(shown) << label.text.toStdString();
            }
            for (std::size_t a = 0; a < labels.size() && size == QSize(260, 260) && std::string(name) != "small"; ++a)
                for (std::size_t b = a + 1; b < labels.size(); ++b)
                    EXPECT_FALSE(labels[a].rect.intersects(labels[b].rect))
                        << labels[a].text.toStdString() << " on " << labels[b].text.toStdString();
        }
}

// The texts the picture writes.
QStringList textsOf(const ComplexPlane& plane) {
    QStringList texts;
    for (const PlaneLabel& label : plane.labels())
        texts << label.text;
    return texts;
}

// The words of the picture, its decimal mark and what a screen reader hears, in German and in English.
TEST(ComplexPlane, WritesAndSaysWhatItShowsInTheProgramsLanguage) {
    ComplexPlane sum, product, modulus, small;
    present(sum, sketchOf({Operation::Add, {30, -45}, {-12, 20}}, ReadValue{18, 25}), {260, 260});
    present(product, sketchOf({Operation::Multiply, {2, 1}, {1, -3}}, ReadValue{-1.5, 0}), {260, 260});
    present(modulus, sketchOf({Operation::Modulus, {12, -5}, {}}, ReadValue{17.5, 0}), {260, 260});
    present(small, sketchOf({Operation::Add, {0, 0}, {0, 0}}, ReadValue{0.5, 0.2}), {260, 260});
    const auto expectTexts = [](const ComplexPlane& plane, const QStringList& texts) {
        for (const QString& text : texts)
            EXPECT_TRUE(textsOf(plane).contains(text))
                << text.toStdString() << " in " << textsOf(plane).join(' ').toStdString();
    };
    expectTexts(sum, {"Eingabe", "z\u2081 + z\u2082", "Re", "\u221220"});  // the last a tick label
    expectTexts(small, {"0,2"});
    expectTexts(modulus, {"Eingabe = 17,5"});
    EXPECT_EQ(sum.accessibleName(), QStringLiteral("Gaußsche Zahlenebene"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&sum)->text(QAccessible::Name), sum.accessibleName());
    EXPECT_EQ(sum.accessibleDescription(), QStringLiteral("Zahl z₁ = 30 − j45; Zahl z₂ = −12 + j20; "
                                                          "Ergebnis z₁ + z₂ = 18 − j25; Eingabe = 18 + j25"));
    EXPECT_EQ(product.accessibleDescription(),
              QStringLiteral("Zahl z₁ = 2 + j1; Zahl z₂ = 1 − j3; Ergebnis z₁ · z₂ = 5 − j5; Eingabe = −1,5; "
                             "Winkel φ₁ = 26,6°; Winkel φ₂ = −71,6°; gedreht um φ₂ = −71,6°"));
    EXPECT_EQ(modulus.accessibleDescription(),
              QStringLiteral("Zahl z = 12 − j5; Ergebnis |z| = 13; Eingabe = 17,5; x = 12; y = −5"));
    useLanguage({QStringLiteral("en")});
    QApplication::processEvents();  // the widgets hear of it
    expectTexts(sum, {"Your answer"});
    expectTexts(small, {"0.2"});
    expectTexts(modulus, {"Your answer = 17.5"});
    EXPECT_EQ(sum.accessibleName(), QStringLiteral("Complex plane"));
    EXPECT_EQ(product.accessibleDescription(),
              QStringLiteral("Number z₁ = 2 + j1; Number z₂ = 1 − j3; Result z₁ · z₂ = 5 − j5; "
                             "Your answer = −1.5; Angle φ₁ = 26.6°; Angle φ₂ = −71.6°; Turned by φ₂ = −71.6°"));
    useLanguage({QStringLiteral("de")});
    QApplication::processEvents();
    EXPECT_EQ(sum.accessibleName(), QStringLiteral("Gaußsche Zahlenebene"));
    expectTexts(small, {"0,2"});
}

TEST(ComplexPlane, TakesTheHeightItsPictureNeedsAtEqualScales) {
    ComplexPlane tall, wide;
    tall.setSketch(sketchOf({Operation::Modulus, {0, 12}, {}}, std::nullopt));
    wide.setSketch(sketchOf({Operation::Multiply, {-3, 4}, {2, 5}}, std::nullopt));  // −26 − j7
    EXPECT_TRUE(tall.hasHeightForWidth());
    EXPECT_EQ(tall.heightForWidth(200), 300) << "at most half again as high as wide";
    EXPECT_LT(wide.heightForWidth(260), 200);
    EXPECT_GE(wide.heightForWidth(260), 130) << "at least half as high as wide";
    EXPECT_EQ(wide.sizeHint(), QSize(260, wide.heightForWidth(260)));
    // At that height the width alone sets the scale: a taller widget would draw it no larger.
    present(wide, wide.sketch(), {260, wide.heightForWidth(260)});
    const double fitting = wide.pixelsPerUnit();
    present(wide, wide.sketch(), {260, 1000});
    EXPECT_DOUBLE_EQ(fitting, wide.pixelsPerUnit());
}

TEST(ComplexPlane, LooksAsATeacherDrawsItOnTheBoard) {
    ComplexPlane quotient, modulus;
    present(quotient, sketchOf({Operation::Divide, {3, 4}, {1, -2}}, ReadValue{2.2, 0.4}), {260, 260});
    expectReferenceImage(picture(quotient, 1), QStringLiteral("plane-quotient"));
    present(modulus, sketchOf({Operation::Modulus, {3, 4}, {}}, ReadValue{7, 0}), {260, 260});
    expectReferenceImage(picture(modulus, 2), QStringLiteral("plane-modulus@2x"));
}

}  // namespace
}  // namespace tessaro
