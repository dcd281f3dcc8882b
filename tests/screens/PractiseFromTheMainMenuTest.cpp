// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseScreenTesting.h"
#include "MainMenuDialog.h"
#include "ModalDriver.h"
#include "ProgramState.h"

#include <QLineEdit>
#include <QTest>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

// One visit of an exercise screen: what it showed when it opened, then one wrong answer, then back to the menu.
struct Visit {
    QString taskAtOpening;
    QString rightCountAtOpening;
    QString wrongCountAtOpening;
};

class PractiseFromTheMainMenu : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        menu = std::make_unique<MainMenuDialog>();
        showAndPaint(*menu);
    }

    Visit practise(int modeButton, int taskField, int firstInput) {
        QTest::mouseClick(menu->control(modeButton), Qt::LeftButton);
        Visit visit;
        whenModalOpens(menu.get(), [&](QWidget& screen) {
            QApplication::processEvents();
            auto field = [&screen](int id) { return static_cast<TemplateDialog&>(screen).control<QLineEdit>(id); };
            visit.taskAtOpening = field(taskField)->text();
            visit.rightCountAtOpening = field(1006)->text();
            visit.wrongCountAtOpening = field(1007)->text();
            typeInto(*field(firstInput), QStringLiteral("?"));
            QTest::keyClick(field(firstInput), Qt::Key_Return);
            QTest::keyClick(&screen, Qt::Key_Escape);
        });
        QTest::mouseClick(menu->control(1000), Qt::LeftButton);
        return visit;
    }

    std::unique_ptr<MainMenuDialog> menu;
};

TEST_F(PractiseFromTheMainMenu, OneTallyRunsOnAcrossScreensModesAndReopenings) {
    const Visit first = practise(1002, 1001, 1012);
    EXPECT_FALSE(first.taskAtOpening.isEmpty());
    EXPECT_EQ(first.wrongCountAtOpening, QStringLiteral("0"));

    const Visit division = practise(1005, 1025, 1012);
    EXPECT_FALSE(division.taskAtOpening.isEmpty());
    EXPECT_EQ(division.wrongCountAtOpening, QStringLiteral("1"));

    const Visit modulus = practise(1003, 1001, 1012);
    EXPECT_EQ(modulus.wrongCountAtOpening, QStringLiteral("2"));

    const Visit again = practise(1003, 1001, 1012);
    EXPECT_EQ(again.wrongCountAtOpening, QStringLiteral("3"));
    EXPECT_EQ(programState().tally.answered(), 4.0);
    EXPECT_FALSE(programState().firstTaskShown);
}

}  // namespace
