// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutDialog.h"
#include "ExerciseScreenTesting.h"
#include "Rechnen2.h"
#include "RulePages.h"
#include "ScreenColours.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

class HighDensity : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    }
};

QImage deviceImage(QWidget& screen) { return screen.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QImage shownPicture(QWidget& screen) {
    for (auto* label : screen.findChildren<QLabel*>())
        if (!label->pixmap().isNull())
            return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    return {};
}

TEST_F(HighDensity, ScreensKeepTheirLogicalSizeAndDrawTwiceAsManyPixels) {
    prepareExercise(ExerciseMode::Divide);
    Rechnen2 screen;
    showAndPaint(screen);
    EXPECT_EQ(screen.size(), QSize(840, 523));
    EXPECT_EQ(deviceImage(screen).size(), QSize(1680, 1046));
}

TEST_F(HighDensity, PaintedTitleSignsAndBarsKeepTheirPlacesBesideTheFields) {
    prepareExercise(ExerciseMode::Divide);
    Rechnen2 screen;
    showAndPaint(screen);
    screen.evaluateAnswer();
    repaintNow(screen);
    const QImage image = deviceImage(screen);
    // Logical positions doubled: the answer bar at y 168 from x 220, the bar of the correct answer at y 372.
    for (const auto& [from, to, y] : {std::tuple{220, 400, 168}, std::tuple{40, 165, 168}, std::tuple{260, 420, 372}}) {
        EXPECT_EQ(image.pixelColor(2 * from + 1, 2 * y), QColor(Qt::black)) << y;
        EXPECT_EQ(image.pixelColor(2 * to - 2, 2 * y), QColor(Qt::black)) << y;
        EXPECT_EQ(image.pixelColor(2 * from + 1, 2 * y - 3), kScreenBackground) << y;
    }
    EXPECT_TRUE(showsColour(image, QRect(500, 80, 360, 48), kTitleRed));
    EXPECT_FALSE(showsColour(image, QRect(500, 20, 360, 50), kTitleRed));
}

TEST_F(HighDensity, RulePicturesComeFromTheirDoubleSizeVersion) {
    Division page;
    showAndPaint(page);
    const QImage shown = shownPicture(page);
    const QImage doubled = QImage(QStringLiteral(":/pictures/page151@2x.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(1084, 810));
    EXPECT_EQ(shown, doubled);
}

TEST_F(HighDensity, TheAboutBoxIconComesFromItsDoubleSizeVersion) {
    AboutDialog about;
    showAndPaint(about);
    const QImage shown = shownPicture(about);
    const QImage doubled = QImage(QStringLiteral(":/icons/icon130@2x.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, doubled);
}

}  // namespace
