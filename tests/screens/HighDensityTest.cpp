// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The screens on a dense display, two device pixels to a logical one: same logical size, painted marks in place,
// pictures and icons from their double-size versions, the worked solution's mathematics set at twice the pixels.
// Runs with QT_SCALE_FACTOR=2.

#include "screens/Rechnen2.h"
#include "screens/RulePages.h"
#include "tests/support/ScreenTesting.h"

#include <QLabel>
#include <QTest>

namespace tessaro::testing {
namespace {

QImage shownPicture(QWidget& screen) {
    for (auto* label : screen.findChildren<QLabel*>())
        if (!label->pixmap().isNull())
            return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    return {};
}

TEST_F(ScreenTest, ADenseDisplayShowsEveryScreenWithTwiceThePixels) {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    prepareExercise(ExerciseMode::Divide);
    Rechnen2 screen;
    showAndPaint(screen);
    QTest::keyClick(screen.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(screen.size(), QSize(840, 523));
    expectReferenceImage(screenImage(screen), QStringLiteral("rechnen2-wrong@2x"));

    // The page of the task on the screen: text and lines, crisp at any scale.
    whenModalOpens(&screen, [](QWidget& shown) {
        EXPECT_EQ(screenImage(shown).size(), shown.size() * 2);
        expectReferenceImage(screenImage(shown), QStringLiteral("loesungsweg-divide@2x"));
        shown.close();
    });
    QTest::keyClick(screen.focusWidget(), Qt::Key_L, Qt::AltModifier);

    Division page;
    const QImage doubled = QImage(QStringLiteral(":/pictures/page151@2x.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shownPicture(page), doubled);
}

}  // namespace
}  // namespace tessaro::testing
