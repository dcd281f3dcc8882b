// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainMenuDialog.h"
#include "ModalDriver.h"
#include "ProgramState.h"
#include "ScreenColours.h"
#include "ScreenTesting.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <ctime>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

class MainMenuTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        menu = std::make_unique<MainMenuDialog>();
        showAndPaint(*menu);
    }
    void click(int id) { QTest::mouseClick(menu->control(id), Qt::LeftButton); }

    std::unique_ptr<MainMenuDialog> menu;
};

TEST_F(MainMenuTest, StartsWithNoModeAndTheFocusOnPractise) {
    for (int id : {1002, 1003, 1004, 1005}) {
        auto* radio = menu->control<QRadioButton>(id);
        EXPECT_FALSE(radio->isChecked()) << id;
        EXPECT_FALSE(radio->focusPolicy() & Qt::TabFocus) << id;
    }
    EXPECT_EQ(QApplication::focusWidget(), menu->control(1000));
    EXPECT_EQ(programState().currentMode, ExerciseMode::None);
}

TEST_F(MainMenuTest, EachRadioButtonChoosesItsModeAndUnchecksTheOthers) {
    const std::pair<int, ExerciseMode> buttons[] = {{1004, ExerciseMode::Multiply},
                                                    {1002, ExerciseMode::AddSubtract},
                                                    {1005, ExerciseMode::Divide},
                                                    {1003, ExerciseMode::Modulus}};
    for (const auto& [id, mode] : buttons) {
        click(id);
        EXPECT_EQ(programState().currentMode, mode) << id;
        for (int other : {1002, 1003, 1004, 1005})
            EXPECT_EQ(menu->control<QRadioButton>(other)->isChecked(), other == id) << id << " " << other;
    }
}

TEST_F(MainMenuTest, PractiseWithoutAModeRefusesEveryTime) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        QString text;
        QString caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        QString className;
        whenModalOpens(menu.get(), [&](QWidget& screen) {
            className = QString::fromLatin1(screen.metaObject()->className());
            if (auto* box = qobject_cast<QMessageBox*>(&screen)) {
                text = box->text();
                caption = box->windowTitle();
                icon = box->icon();
                buttonCount = static_cast<int>(box->buttons().size());
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        click(1000);
        EXPECT_EQ(className, QStringLiteral("QMessageBox"));
        EXPECT_EQ(text, QStringLiteral("Kein Übungsmodus gewählt!!"));
        EXPECT_EQ(caption, QStringLiteral("Tessaro"));
        EXPECT_EQ(icon, QMessageBox::Critical);
        EXPECT_EQ(buttonCount, 1);
        EXPECT_EQ(QApplication::activeModalWidget(), menu.get());
    }
}

TEST_F(MainMenuTest, PractiseOpensTheScreenOfTheModeAndClearsTheFirstTaskFlagAfterwards) {
    const std::tuple<int, const char*> cases[] = {
        {1002, "Rechnen1"}, {1003, "Rechnen1"}, {1004, "Rechnen1"}, {1005, "Rechnen2"}};
    for (const auto& [radio, screenClass] : cases) {
        click(radio);
        bool flagWhileOpen = false;
        OpenedScreen opened;
        whenModalOpens(menu.get(), [&](QWidget& screen) {
            QApplication::processEvents();
            flagWhileOpen = programState().firstTaskShown;
            opened.className = QString::fromLatin1(screen.metaObject()->className());
            QTest::keyClick(&screen, Qt::Key_Escape);
        });
        click(1000);
        EXPECT_EQ(opened.className, QString::fromLatin1(screenClass)) << radio;
        EXPECT_TRUE(flagWhileOpen) << radio;
        EXPECT_FALSE(programState().firstTaskShown) << radio;
    }
}

TEST_F(MainMenuTest, RulesButtonOpensTheRulesMenu) {
    OpenedScreen opened;
    recordAndCloseNextModal(menu.get(), opened);
    click(1001);
    EXPECT_EQ(opened.className, QStringLiteral("Regeln"));
    EXPECT_EQ(opened.title, QStringLiteral("Rechenregeln für komplexe Zahlen"));
}

TEST_F(MainMenuTest, AboutBoxOpensFromTheButtonAndFromTheWindowMenu) {
    OpenedScreen fromButton;
    recordAndCloseNextModal(menu.get(), fromButton);
    click(1006);

    QMenu* windowMenu = menu->systemMenu();
    ASSERT_NE(windowMenu, nullptr);
    QStringList entries;
    QAction* infoEntry = nullptr;
    for (QAction* action : windowMenu->actions()) {
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
        if (action->text() == QStringLiteral("&Info über Tessaro..."))
            infoEntry = action;
    }
    EXPECT_EQ(entries, QStringList({"Minimieren", "Schließen", "-", "&Info über Tessaro..."}));
    ASSERT_NE(infoEntry, nullptr);
    OpenedScreen fromMenu;
    recordAndCloseNextModal(menu.get(), fromMenu);
    infoEntry->trigger();

    for (const OpenedScreen& opened : {fromButton, fromMenu}) {
        EXPECT_EQ(opened.className, QStringLiteral("tessaro::AboutDialog"));
        EXPECT_EQ(opened.title, QStringLiteral("Info über Tessaro"));
    }
}

TEST_F(MainMenuTest, AltSpaceAndARightClickOpenTheWindowMenu) {
    QTest::keyClick(menu.get(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(menu->systemMenu()->isVisible());
    menu->systemMenu()->hide();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(600, 100), menu->mapToGlobal(QPoint(600, 100)));
    QApplication::sendEvent(menu.get(), &rightClick);
    EXPECT_TRUE(menu->systemMenu()->isVisible());
    menu->systemMenu()->hide();
}

TEST_F(MainMenuTest, PaintsResetTheTallyOnlyWhileNoModeIsChosen) {
    ScoreTally& tally = programState().tally;
    EXPECT_EQ(tally.percentText(), "0 Prozent richtig");
    tally.countAnswer();
    tally.addRight();
    tally.updatePercent();
    repaintNow(*menu);
    EXPECT_EQ(tally.answered(), 0.0);
    EXPECT_EQ(tally.rightText(), "0");

    click(1003);
    tally.countAnswer();
    tally.addWrong();
    tally.updatePercent();
    repaintNow(*menu);
    EXPECT_EQ(tally.answered(), 1.0);
    EXPECT_EQ(tally.wrongText(), "1");
}

TEST_F(MainMenuTest, EveryPaintSeedsTheRandomSourceWithTheTime) {
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    programState().random.seed(12345);
    programState().random.nextRaw();
    repaintNow(*menu);
    const int drawn = programState().random.nextRaw();
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));
    bool matchesATimeSeed = false;
    for (std::uint32_t seconds = before; seconds <= after; ++seconds)
        matchesATimeSeed = matchesATimeSeed || RandomSource(seconds).nextRaw() == drawn;
    EXPECT_TRUE(matchesATimeSeed);
}

// Antialiased black text on the background: every pixel is the background darkened evenly.
bool isBlackBlendedOnBackground(const QColor& pixel) {
    const double share = pixel.green() / double(kScreenBackground.green());
    return std::abs(pixel.red() - share * kScreenBackground.red()) <= 3 &&
           std::abs(pixel.blue() - share * kScreenBackground.blue()) <= 3;
}

TEST_F(MainMenuTest, BackgroundAndTextsAreBlackOnTheScreenColour) {
    const QImage image = screenImage(*menu);
    EXPECT_EQ(QColor(image.pixel(5, 5)), kScreenBackground);
    // Inside the label "Tessaro" at (381, 121) units.
    const QRect label(572, 197, 40, 13);
    int darkest = 255;
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x) {
            const QColor pixel(image.pixel(x, y));
            darkest = std::min(darkest, pixel.green());
            EXPECT_TRUE(isBlackBlendedOnBackground(pixel)) << x << "," << y;
        }
    EXPECT_LT(darkest, 60);
}

TEST_F(MainMenuTest, IsATopLevelWindowWithTheProgramIcon) {
    EXPECT_FALSE(menu->windowIcon().isNull());
    EXPECT_EQ(menu->parentWidget(), nullptr);
}

struct EndingAction {
    const char* name;
    std::function<void(MainMenuDialog&)> act;
};

class EndingTheMainMenu : public ScreenTest, public ::testing::WithParamInterface<EndingAction> {};

TEST_P(EndingTheMainMenu, EndsTheModalRun) {
    MainMenuDialog menu;
    QTimer::singleShot(0, &menu, [&menu] {
        QApplication::processEvents();
        GetParam().act(menu);
    });
    QTimer::singleShot(3000, &menu, [&menu] { menu.done(99); });
    EXPECT_EQ(menu.exec(), QDialog::Rejected);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EndingTheMainMenu,
    ::testing::Values(EndingAction{"Beenden",
                                   [](MainMenuDialog& m) { QTest::mouseClick(m.control(2), Qt::LeftButton); }},
                      EndingAction{"Escape", [](MainMenuDialog& m) { QTest::keyClick(&m, Qt::Key_Escape); }},
                      EndingAction{"CloseBox", [](MainMenuDialog& m) { m.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
