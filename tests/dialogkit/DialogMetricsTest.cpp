// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogMetrics.h"

#include <gtest/gtest.h>
#include <QFontInfo>
#include <QFontMetrics>

using namespace tessaro;

namespace {

struct UnitConversion {
    DialogUnitRect units;
    QRect pixels;
};

class DialogUnitConversion : public ::testing::TestWithParam<UnitConversion> {};

TEST_P(DialogUnitConversion, RoundsEveryEdgeToTheNearestPixel) {
    EXPECT_EQ(toPixels(GetParam().units), GetParam().pixels);
}

// Edges, not sizes, are rounded, so neighbouring controls never overlap or gap by a rounding pixel.
INSTANTIATE_TEST_SUITE_P(Rectangles, DialogUnitConversion,
                         ::testing::Values(UnitConversion{{0, 0, 10, 8}, {0, 0, 15, 13}},
                                           UnitConversion{{223, 107, 65, 26}, {335, 174, 97, 42}},
                                           UnitConversion{{1, 1, 1, 1}, {2, 2, 1, 1}},
                                           UnitConversion{{3, 2, 2, 2}, {5, 3, 3, 4}},
                                           UnitConversion{{409, 253, 50, 16}, {614, 411, 75, 26}}));

TEST(DialogSize, MainMenuIsSevenHundredByFourHundredFortyNinePixels) {
    EXPECT_EQ(dialogSizeInPixels(466, 276), QSize(699, 449));
}

TEST(Fonts, DialogFontIsLiberationSansAtTenPixels) {
    const QFontInfo info(dialogFont());
    EXPECT_EQ(info.family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(info.pixelSize(), 10);
}

TEST(Fonts, ArialCellHeightsBecomeEmSizesOfTheMetricTwin) {
    struct Case {
        int cellHeight;
        int pixelSize;
    };
    for (const Case c : {Case{24, 21}, Case{18, 16}, Case{14, 13}}) {
        const QFont font = arialFont(c.cellHeight, 670);
        EXPECT_EQ(font.pixelSize(), c.pixelSize) << c.cellHeight;
        EXPECT_EQ(font.weight(), QFont::Weight(670));
        // The line a painted text takes is the cell height it was specified with.
        EXPECT_NEAR(QFontMetrics(font).height(), c.cellHeight, 1) << c.cellHeight;
    }
}

}  // namespace
