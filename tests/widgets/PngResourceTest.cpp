// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the program's PNGs: sizes, icons, and paths that name nothing. Their "@2x" versions on a dense display
// are seen in the high-density screen test.

#include "widgets/PngResource.h"

#include <gtest/gtest.h>
#include <QImage>

namespace tessaro {
namespace {

TEST(PngResource, ReadsAPicturesOwnSizeAndOnlyItsOwnImageOnANormalDisplay) {
    for (const char* path : {":/icons/icon130.png", ":/icons/icon146.png", ":/pictures/page151.png"}) {
        const QString resource = QString::fromLatin1(path);
        const QSize expected = QImage(resource).size();  // Qt's own reader, left to guess
        ASSERT_FALSE(expected.isEmpty()) << path;
        EXPECT_EQ(pngResourceSize(resource), expected) << path;
        EXPECT_EQ(pngResourceIcon(resource).availableSizes(), QList<QSize>({expected})) << path;
    }
    const QImage drawn = pngResourceIcon(QStringLiteral(":/icons/icon146.png")).pixmap(32, 32).toImage();
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              QImage(QStringLiteral(":/icons/icon146.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

TEST(PngResource, GivesNothingForAPathThatNamesNoPng) {
    for (const char* path : {":/icons/icon999.png", "", ":/icons/README.md", ":/icons"}) {
        EXPECT_FALSE(pngResourceSize(QString::fromLatin1(path)).isValid()) << path;
        EXPECT_TRUE(pngResourceIcon(QString::fromLatin1(path)).isNull()) << path;
    }
}

}  // namespace
}  // namespace tessaro
