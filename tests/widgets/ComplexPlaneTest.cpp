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
#include <numbers>
#include <optional>
#include <vector>

inline void PrintTo(const QRectF& r, std::ostream* out) {
    *out << "(" << r.x() << ", " << r.y() << " " << r.width() << "×" << r.height() << ")";
}

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
bool near(const QImage& image, QPoint p, const QColor& colour, int tolerance = 45) {
    return image.rect().contains(p) && distance(image.pixelColor(p), colour) <= tolerance;
}
// The pixel a point lies in.
QPoint pixelAt(QPointF p) { return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))}; }

// The first row (or column) of a line of a colour across the picture: of nearly the most pixels of it.
int fullestRow(const QImage& image, const QColor& colour) {
    std::vector<int> counts;
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
        counts.push_back(count);
    }
    const int most = *std::max_element(counts.begin(), counts.end());
    return static_cast<int>(std::find_if(counts.begin(), counts.end(), [most](int c) { return c >= most * 9 / 10; }) -
                            counts.begin());
}
int fullestColumn(const QImage& image, const QColor& colour) {
    QTransform flip;
    flip.rotate(90);
    const QImage turned = image.transformed(flip);  // column x becomes row x
    return fullestRow(turned, colour);
}

// Where lines of a colour cross a row or a column: the first pixel of each run of it.
std::vector<int> runStarts(const QImage& image, bool alongRow, int at, const QColor& colour) {
    std::vector<int> starts;
    const int length = alongRow ? image.width() : image.height();
    bool inside = false;
    for (int i = 0; i < length; ++i) {
        const QColor pixel = alongRow ? image.pixelColor(i, at) : image.pixelColor(at, i);
        if (pixel == colour && !inside)
            starts.push_back(i);
        inside = pixel == colour;
    }
    return starts;
}

// The distance of grid lines: the least between neighbouring starts, where every other is a whole multiple of it
// (an axis lies where a grid line would); 0 where they are not so spaced.
int gridSpacing(const std::vector<int>& starts) {
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
            const bool inLabel = std::any_of(plane.labels().begin(), plane.labels().end(), [&](const PlaneLabel& l) {
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

TEST_P(ComplexPlaneAtRatio, DrawsCrispAxesAndAnEvenGridOfEqualStepsAndTheArrowsTipWhereTheScaleSays) {
    const int ratio = GetParam();
    ComplexPlane plane;
    present(plane, arrows({{PlaneRole::Operand1, {}, {3, 4}, "z"}}), {300, 240});
    const QImage image = picture(plane, ratio);

    // The axes, found in the picture: exactly one logical pixel wide, with no smear beside them.
    const int axisRow = fullestRow(image, kInk), axisColumn = fullestColumn(image, kInk);
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
    const int across = gridSpacing(runStarts(image, true, image.height() - 2 * ratio, kGrid));
    const int upwards = gridSpacing(runStarts(image, false, image.width() - 2 * ratio, kGrid));
    ASSERT_GT(across, 0);
    EXPECT_EQ(across, upwards);
    EXPECT_DOUBLE_EQ(across, ratio * plane.pixelsPerUnit() * plane.gridStep());

    // From the axes and the grid alone: where 3 + j4 lies.
    const double unit = across / plane.gridStep();
    const QPointF axes(axisColumn + ratio / 2.0, axisRow + ratio / 2.0);
    const QPointF expected = axes + QPointF(3, -4) * unit;
    const QPointF tip = farthest(image, ComplexPlane::colourOf(PlaneRole::Operand1), axes, plane);
    // The last pixel wholly inside the sharp head lies two or three pixels short of its tip.
    EXPECT_LE(std::hypot(tip.x() - expected.x(), tip.y() - expected.y()), 3.5)
        << "tip (" << tip.x() << ", " << tip.y() << "), expected (" << expected.x() << ", " << expected.y() << ")";
}

TEST_P(ComplexPlaneAtRatio, DrawsOneUnitAsLongUpwardsAsAcross) {
    const int ratio = GetParam();
    for (const QSize size : {QSize(300, 160), QSize(160, 300)}) {
        ComplexPlane plane;
        present(plane, arrows({{PlaneRole::Operand2, {}, {1, 1}, "z"}}), size);
        const QImage image = picture(plane, ratio);
        const QPointF axes(fullestColumn(image, kInk) + ratio / 2.0, fullestRow(image, kInk) + ratio / 2.0);
        const QPointF tip = farthest(image, ComplexPlane::colourOf(PlaneRole::Operand2), axes, plane);
        const double degrees = std::atan2(axes.y() - tip.y(), tip.x() - axes.x()) * 180 / std::numbers::pi;
        EXPECT_NEAR(degrees, 45, 1.5) << size.width() << "×" << size.height();
    }
}

TEST_P(ComplexPlaneAtRatio, DrawsTheTypedAnswerDashedAndTheOperandSolid) {
    const int ratio = GetParam();
    ComplexPlane plane;
    present(plane, arrows({{PlaneRole::Operand1, {}, {4, -3}, "z\u2081"}, {PlaneRole::Typed, {}, {4, 3}, {}, true}}),
            {260, 260});
    const QImage image = picture(plane, ratio);
    // Along the middle of each shaft, one sample per device pixel: where its colour shows and where it does not.
    const auto gaps = [&](PlanePoint to, PlaneRole role) {
        const QPointF from = plane.pixelOf({}) * ratio, end = plane.pixelOf(to) * ratio;
        const int samples = static_cast<int>(QLineF(from, end).length());
        int changes = 0, missing = 0;
        std::optional<bool> before;
        for (int i = samples * 15 / 100; i < samples * 75 / 100; ++i) {
            const QPointF p = from + (end - from) * (static_cast<double>(i) / samples);
            const bool shows = near(image, pixelAt(p), ComplexPlane::colourOf(role), 60);
            missing += !shows;
            changes += before && *before != shows;
            before = shows;
        }
        return std::pair{changes, missing};
    };
    const auto [typedChanges, typedMissing] = gaps({4, 3}, PlaneRole::Typed);
    EXPECT_GE(typedChanges, 6) << "dashes and gaps along the typed answer";
    EXPECT_GT(typedMissing, 0);
    const auto [operandChanges, operandMissing] = gaps({4, -3}, PlaneRole::Operand1);
    EXPECT_EQ(operandChanges, 0);
    EXPECT_EQ(operandMissing, 0);
}

TEST(ComplexPlane, DrawsEachRoleInItsOwnColour) {
    ComplexPlane plane;
    present(plane,
            arrows({{PlaneRole::Operand1, {}, {4, 0}, "a"},
                    {PlaneRole::Operand2, {}, {0, 4}, "b"},
                    {PlaneRole::Result, {}, {-4, 0}, "c"},
                    {PlaneRole::Conjugate, {}, {0, -4}, "d"},
                    {PlaneRole::Helper, {}, {3, 3}, "e"},
                    {PlaneRole::Typed, {}, {-3, -3}, {}, true}}),
            {260, 260});
    const QImage image = picture(plane, 1);
    for (const PlaneRole role : kRoles) {
        const PlaneArrow& arrow = *std::find_if(plane.sketch().arrows.begin(), plane.sketch().arrows.end(),
                                                [role](const PlaneArrow& a) { return a.role == role; });
        // Somewhere along the middle of its shaft the arrow shows its colour, and no other role's.
        bool own = false;
        for (double t = 0.3; t < 0.7; t += 0.01) {
            const QPoint p = pixelAt(plane.pixelOf({arrow.to.re * t, arrow.to.im * t}));
            own = own || near(image, p, ComplexPlane::colourOf(role), 10);
            for (const PlaneRole other : kRoles) {
                if (other != role) {
                    EXPECT_FALSE(near(image, p, ComplexPlane::colourOf(other), 10))
                        << static_cast<int>(role) << " shows " << static_cast<int>(other);
                }
            }
        }
        EXPECT_TRUE(own) << static_cast<int>(role);
    }
}

// Colour vision without one kind of cone (Machado, Oliveira and Fernandes 2009, severity 1), and the CIE 1976
// colour difference the eye sees between the results.
TEST(ComplexPlane, KeepsItsColoursApartForEyesWithoutRedGreenOrBlueCones) {
    using Matrix = std::array<std::array<double, 3>, 3>;
    const Matrix kinds[] = {{{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}},  // protanopia
                            {{{0.367322, 0.860646, -0.227968},
                              {0.280085, 0.672501, 0.047413},
                              {-0.011820, 0.042940, 0.968881}}},  // deuteranopia
                            {{{1.255528, -0.076749, -0.178779},
                              {-0.078411, 0.930809, 0.147602},
                              {0.004733, 0.691367, 0.303900}}},  // tritanopia
                            {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}};
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const auto lab = [](std::array<double, 3> rgb) {
        const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
        const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
        const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
        const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
        return std::array{116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
    };
    for (const Matrix& seen : kinds) {
        std::vector<std::array<double, 3>> colours;
        for (const PlaneRole role : kRoles) {
            const QColor c = ComplexPlane::colourOf(role);
            const std::array<double, 3> rgb{linear(c.redF()), linear(c.greenF()), linear(c.blueF())};
            std::array<double, 3> simulated{};
            for (int i = 0; i < 3; ++i)
                simulated[i] = std::clamp(seen[i][0] * rgb[0] + seen[i][1] * rgb[1] + seen[i][2] * rgb[2], 0.0, 1.0);
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

struct Extreme {
    const char* name;
    PlaneSketch sketch;
};

std::vector<Extreme> extremes() {
    const auto of = [](Operation operation, ComplexValue a, ComplexValue b, std::optional<ReadValue> typed) {
        return sketchOf({operation, a, b}, typed);
    };
    return {{"far", of(Operation::Add, {100, -100}, {0, 0}, ReadValue{-100, 100})},
            {"small", of(Operation::Add, {0, 0}, {0, 0}, ReadValue{0.5, 0.2})},
            {"long modulus", of(Operation::Modulus, {0, 20}, {}, ReadValue{100, 0})},
            {"negative modulus", of(Operation::Modulus, {-12, -9}, {}, ReadValue{-15, 0})},
            {"large product", of(Operation::Multiply, {-10, 10}, {10, 10}, ReadValue{0, 0})},
            {"tiny quotient", of(Operation::Divide, {1, 0}, {10, -10}, ReadValue{0.05, 0.05})},
            {"sum", of(Operation::Add, {30, -45}, {-12, 20}, ReadValue{18, 25})},
            {"difference", of(Operation::Subtract, {3, -4}, {-2, 1}, ReadValue{-5, 5})},
            {"product", of(Operation::Multiply, {2, 1}, {1, -3}, ReadValue{-1, -5})},
            {"quotient", of(Operation::Divide, {3, 4}, {1, -2}, ReadValue{2.2, 0.4})}};
}

TEST(ComplexPlane, WritesEveryLabelInsideAndShowsItWhereItSaysAtAnySize) {
    for (const Extreme& extreme : extremes())
        for (const QSize size : {QSize(260, 260), QSize(180, 120), QSize(150, 320)}) {
            ComplexPlane plane;
            present(plane, extreme.sketch, size);
            const QImage image = picture(plane, 1);
            const QRectF inside(1, 1, size.width() - 2, size.height() - 2);
            ASSERT_FALSE(plane.labels().empty());
            for (const PlaneLabel& label : plane.labels()) {
                EXPECT_TRUE(inside.contains(label.rect))
                    << extreme.name << " at " << size.width() << "×" << size.height() << ": "
                    << label.text.toStdString() << " at " << ::testing::PrintToString(label.rect);
                bool shown = false;
                const QRect area = label.rect.toAlignedRect();
                for (int y = area.top(); y <= area.bottom() && !shown; ++y)
                    for (int x = area.left(); x <= area.right() && !shown; ++x)
                        shown = near(image, {x, y}, label.colour, distance(label.colour, Qt::white) / 3);
                EXPECT_TRUE(shown) << extreme.name << ": " << label.text.toStdString();
            }
        }
}

TEST(ComplexPlane, LabelsTheTasksOfTheFourModesWithoutOneLabelOnAnother) {
    for (const Extreme& extreme : extremes()) {
        if (std::string(extreme.name) == "small")
            continue;  // every number there lies at the origin
        ComplexPlane plane;
        present(plane, extreme.sketch, {260, 260});
        const std::vector<PlaneLabel>& labels = plane.labels();
        for (std::size_t a = 0; a < labels.size(); ++a)
            for (std::size_t b = a + 1; b < labels.size(); ++b)
                EXPECT_FALSE(labels[a].rect.intersects(labels[b].rect))
                    << extreme.name << ": " << labels[a].text.toStdString() << " on " << labels[b].text.toStdString();
    }
}

// Back to German whatever happens in a test.
struct InEnglish {
    InEnglish() { speak("en"); }
    ~InEnglish() { speak("de"); }
    static void speak(const char* language) {
        useLanguage({QString::fromLatin1(language)});
        QApplication::processEvents();  // the widgets hear of it
    }
};

// The texts the picture writes.
QStringList textsOf(const ComplexPlane& plane) {
    QStringList texts;
    for (const PlaneLabel& label : plane.labels())
        texts << label.text;
    return texts;
}

TEST(ComplexPlane, NamesTheTypedAnswerInTheProgramsLanguage) {
    ComplexPlane plane;
    present(plane, sketchOf({Operation::Add, {30, -45}, {-12, 20}}, ReadValue{18, 25}), {260, 260});
    const QStringList texts = textsOf(plane);
    EXPECT_TRUE(texts.contains(QStringLiteral("Eingabe")));
    EXPECT_TRUE(texts.contains(QStringLiteral("z\u2081 + z\u2082")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Re")));
    EXPECT_TRUE(texts.contains(QStringLiteral("\u221220"))) << "a tick label";
}

TEST(ComplexPlane, WritesTheDecimalMarkOfTheProgramsLanguage) {
    ComplexPlane small, length;
    present(small, sketchOf({Operation::Add, {0, 0}, {0, 0}}, ReadValue{0.5, 0.2}), {260, 260});
    present(length, sketchOf({Operation::Modulus, {3, 4}, {}}, ReadValue{7.5, 0}), {260, 260});
    EXPECT_TRUE(textsOf(small).contains(QStringLiteral("0,2"))) << textsOf(small).join(' ').toStdString();
    EXPECT_TRUE(textsOf(length).contains(QStringLiteral("Eingabe = 7,5")));
    const InEnglish english;
    EXPECT_TRUE(textsOf(small).contains(QStringLiteral("0.2"))) << textsOf(small).join(' ').toStdString();
    EXPECT_TRUE(textsOf(length).contains(QStringLiteral("Your answer = 7.5")));
}

TEST(ComplexPlane, TellsAScreenReaderWhatItShowsInWordsInBothLanguages) {
    ComplexPlane sum, product, modulus;
    present(sum, sketchOf({Operation::Add, {30, -45}, {-12, 20}}, ReadValue{18, 25}), {260, 260});
    present(product, sketchOf({Operation::Multiply, {2, 1}, {1, -3}}, ReadValue{-1.5, 0}), {260, 260});
    present(modulus, sketchOf({Operation::Modulus, {12, -5}, {}}, ReadValue{17, 0}), {260, 260});
    EXPECT_EQ(sum.accessibleName(), QStringLiteral("Gaußsche Zahlenebene"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&sum)->text(QAccessible::Name), sum.accessibleName());
    EXPECT_EQ(sum.accessibleDescription(), QStringLiteral("Zahl z₁ = 30 − j45; Zahl z₂ = −12 + j20; "
                                                          "Ergebnis z₁ + z₂ = 18 − j25; Eingabe = 18 + j25"));
    EXPECT_EQ(product.accessibleDescription(),
              QStringLiteral("Zahl z₁ = 2 + j1; Zahl z₂ = 1 − j3; Ergebnis z₁ · z₂ = 5 − j5; Eingabe = −1,5; "
                             "Winkel φ₁ = 26,6°; Winkel φ₂ = −71,6°; gedreht um φ₂ = −71,6°"));
    EXPECT_EQ(modulus.accessibleDescription(),
              QStringLiteral("Zahl z = 12 − j5; Ergebnis |z| = 13; Eingabe = 17; x = 12; y = −5"));
    {
        const InEnglish english;
        EXPECT_EQ(sum.accessibleName(), QStringLiteral("Complex plane"));
        EXPECT_EQ(product.accessibleDescription(),
                  QStringLiteral("Number z₁ = 2 + j1; Number z₂ = 1 − j3; Result z₁ · z₂ = 5 − j5; "
                                 "Your answer = −1.5; Angle φ₁ = 26.6°; Angle φ₂ = −71.6°; Turned by φ₂ = −71.6°"));
        EXPECT_TRUE(std::any_of(sum.labels().begin(), sum.labels().end(), [](const PlaneLabel& l) {
            return l.text == QStringLiteral("Your answer");
        })) << "the picture names the typed answer in English";
    }
    EXPECT_EQ(sum.accessibleName(), QStringLiteral("Gaußsche Zahlenebene"));
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
