// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutDialog.h"
#include "ScreenColours.h"
#include "ScreenTesting.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

TEST(AboutDialog, NamesTheProgramItsVersionAndNoPerson) {
    AboutDialog about;
    QStringList texts;
    for (auto* label : about.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << label->text();
    for (const char* expected : {"Tessaro Version 1.0", "Dieses Programm ist Freeware", "Feedback bitte an:",
                                 "Homepage:", "Tessaro-Team", "tessaro@example.org", "https://example.org/tessaro"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const QString& t) { return t.contains("2026"); }));
}

TEST(AboutDialog, ShowsTheProgramIconAtItsPlace) {
    AboutDialog about;
    showAndPaint(about);
    const QImage image = screenImage(about);
    // Icon 130 at (17, 19) units: a light cyan square.
    EXPECT_EQ(QColor(image.pixel(26 + 16, 31 + 2)), QColor(204, 255, 255));
    EXPECT_EQ(QColor(image.pixel(3, 3)), kScreenBackground);
}

struct Closing {
    const char* name;
    std::function<void(AboutDialog&)> act;
};

class ClosingTheAboutBox : public ::testing::TestWithParam<Closing> {};

TEST_P(ClosingTheAboutBox, EndsItsRun) {
    AboutDialog about;
    QTimer::singleShot(0, &about, [&about] {
        QApplication::processEvents();
        GetParam().act(about);
    });
    QTimer::singleShot(3000, &about, [&about] { about.done(99); });
    EXPECT_NE(about.exec(), 99);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTheAboutBox,
    ::testing::Values(Closing{"Ok", [](AboutDialog& a) { QTest::mouseClick(a.control(1), Qt::LeftButton); }},
                      Closing{"Enter", [](AboutDialog& a) { QTest::keyClick(&a, Qt::Key_Return); }},
                      Closing{"Escape", [](AboutDialog& a) { QTest::keyClick(&a, Qt::Key_Escape); }},
                      Closing{"CloseBox", [](AboutDialog& a) { a.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
