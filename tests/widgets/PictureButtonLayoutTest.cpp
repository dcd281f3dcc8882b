// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureButtonLayout.h"
#include "QtValuePrinting.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

// Left, top, right, bottom with right and bottom exclusive.
QRect edges(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

TEST(PictureButtonLayoutTest, PlacesIconAndCaptionSpaceOnTheWholeButton) {
    struct Case {
        QRect button;
        QSize icon;
        bool hasCaption, shifted;
        QPoint iconAt;
        QRect caption;
    };
    const Case cases[] = {
        {edges(0, 0, 100, 40), {32, 32}, true, false, {3, 4}, edges(35, 0, 100, 40)},
        {edges(0, 0, 100, 40), {32, 32}, true, true, {4, 5}, edges(36, 1, 101, 41)},
        {edges(0, 0, 100, 40), {32, 32}, false, false, {34, 4}, edges(35, 0, 100, 40)},
        {edges(0, 0, 101, 41), {32, 32}, false, false, {34, 4}, edges(35, 0, 101, 41)},
        {edges(10, 20, 110, 60), {16, 24}, true, false, {13, 28}, edges(29, 20, 110, 60)},
        // Too large: the icon overhangs both sides equally, halves rounded toward zero.
        {edges(0, 0, 31, 23), {48, 48}, false, false, {-8, -12}, edges(51, 0, 31, 23)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(iconTopLeft(c.button, c.icon, c.hasCaption, c.shifted), c.iconAt) << testing::PrintToString(c.button);
        EXPECT_EQ(captionRect(c.button, c.icon, c.shifted), c.caption) << testing::PrintToString(c.button);
    }
    // Without an icon the caption has the whole button.
    EXPECT_EQ(captionRect(edges(0, 0, 100, 40), QSize(), true), edges(1, 1, 101, 41));
}

TEST(PictureButtonLayoutTest, CentresTheCaptionBlockRoundingTowardZero) {
    const QRect space = edges(35, 0, 100, 40);
    const std::pair<QSize, QRect> cases[] = {
        {{41, 13}, QRect(47, 13, 41, 13)}, {{40, 26}, QRect(47, 7, 40, 26)}, {{70, 45}, QRect(33, -2, 70, 45)}};
    for (const auto& [measured, block] : cases)
        EXPECT_EQ(centredBlock(space, measured), block) << measured.width() << " x " << measured.height();
}

}  // namespace
}  // namespace tessaro
