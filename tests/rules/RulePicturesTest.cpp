// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <QImage>
#include <QImageReader>

namespace {

struct Picture {
    const char* path;
    QSize size;
};

const Picture kPages[] = {
    {":/pictures/page135.png", {537, 191}}, {":/pictures/page139.png", {543, 409}},
    {":/pictures/page136.png", {502, 204}}, {":/pictures/page137.png", {492, 212}},
    {":/pictures/page138.png", {491, 175}}, {":/pictures/page151.png", {542, 405}},
};

QString doubled(const char* path) { return QString::fromLatin1(path).replace(".png", "@2x.png"); }

class RulePagePicture : public ::testing::TestWithParam<Picture> {};

TEST_P(RulePagePicture, IsATrueColourImageOfItsSizeOnLightCyan) {
    const QImage image(QString::fromLatin1(GetParam().path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), GetParam().size);
    EXPECT_FALSE(image.hasAlphaChannel());
    EXPECT_GE(image.depth(), 24);
    EXPECT_FALSE(image.isGrayscale());
    const QColor lightCyan(204, 255, 255);
    for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)})
        EXPECT_EQ(image.pixelColor(corner), lightCyan);
}

TEST_P(RulePagePicture, HasADoubleSizeVersionForDenseScreens) {
    EXPECT_EQ(QImageReader(doubled(GetParam().path)).size(), GetParam().size * 2);
}

TEST_P(RulePagePicture, HasDarkRedHeadingAndBlackBody) {
    const QImage image = QImage(QString::fromLatin1(GetParam().path)).convertToFormat(QImage::Format_RGB32);
    bool darkRed = false;
    bool black = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            darkRed = darkRed || pixel == QColor(128, 0, 0);
            black = black || pixel == QColor(0, 0, 0);
        }
    EXPECT_TRUE(darkRed);
    EXPECT_TRUE(black);
}

INSTANTIATE_TEST_SUITE_P(Pages, RulePagePicture, ::testing::ValuesIn(kPages), [](const auto& info) {
    return QString::fromLatin1(info.param.path).mid(11, 7).toStdString();
});

TEST(Portrait, IsAnEightBitGreyImageWithAFullGreyPalette) {
    for (const auto& [path, size] : {std::pair{":/pictures/portrait133.png", QSize(142, 182)},
                                     std::pair{":/pictures/portrait133@2x.png", QSize(284, 364)}}) {
        const QImage portrait{QString::fromLatin1(path)};
        ASSERT_FALSE(portrait.isNull()) << path;
        EXPECT_EQ(portrait.size(), size) << path;
        EXPECT_EQ(portrait.format(), QImage::Format_Indexed8) << path;
        const QList<QRgb> palette = portrait.colorTable();
        ASSERT_EQ(palette.size(), 256) << path;
        for (int level = 0; level < 256; ++level)
            EXPECT_EQ(palette[level], qRgb(level, level, level)) << path << " " << level;
    }
}

}  // namespace
