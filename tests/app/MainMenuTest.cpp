// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main menu as the hub of the program: choosing a mode, practising it, the refusal, the about box, the window
// menu, and what its paints do to the shared state.

#include "AboutDialog.h"
#include "MainMenuDialog.h"
#include "MainMenuTemplate.h"
#include "ProgramState.h"
#include "Rechnen1Template.h"
#include "RulePages.h"
#include "RulesMenu.h"
#include "ScreenTesting.h"

#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <ctime>

namespace tessaro::testing {
namespace {

using namespace mainmenu;

class MainMenuTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        showAndPaint(menu);
    }
    void click(int id) { QTest::mouseClick(menu.control(id), Qt::LeftButton); }

    MainMenuDialog menu;
};

TEST_F(MainMenuTest, RefusesToPractiseWithoutAModeEveryTime) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        QStringList shown;
        whenModalOpens(&menu, [&shown](QWidget& screen) {
            auto* box = qobject_cast<QMessageBox*>(&screen);
            ASSERT_NE(box, nullptr);
            shown << box->text() << box->windowTitle() << QString::number(box->icon())
                  << QString::number(box->buttons().size());
            QTest::keyClick(box, Qt::Key_Return);
        });
        click(PractiseButton);
        EXPECT_EQ(shown,
                  QStringList({"Kein Übungsmodus gewählt!!", "Tessaro", QString::number(QMessageBox::Critical), "1"}));
        EXPECT_EQ(QApplication::activeModalWidget(), &menu);
    }
}

TEST_F(MainMenuTest, PractisesTheChosenModeOnItsScreenWithOneTallyAcrossThemAll) {
    const std::tuple<int, ExerciseMode, const char*> modes[] = {
        {AddSubtractRadio, ExerciseMode::AddSubtract, "Rechnen1"},
        {DivideRadio, ExerciseMode::Divide, "Rechnen2"},
        {MultiplyRadio, ExerciseMode::Multiply, "Rechnen1"},
        {ModulusRadio, ExerciseMode::Modulus, "Rechnen1"},
        {ModulusRadio, ExerciseMode::Modulus, "Rechnen1"}};
    int visits = 0;
    for (const auto& [radio, mode, screenClass] : modes) {
        click(radio);
        EXPECT_EQ(programState().currentMode, mode);
        for (int other : {AddSubtractRadio, ModulusRadio, MultiplyRadio, DivideRadio})
            EXPECT_EQ(menu.control<QRadioButton>(other)->isChecked(), other == radio);
        QString opened;
        whenModalOpens(&menu, [&](QWidget& screen) {
            QApplication::processEvents();
            opened = QString::fromLatin1(screen.metaObject()->className());
            EXPECT_TRUE(programState().firstTaskShown);
            // One wrong answer on every visit; the counts run on from the visits before.
            auto* wrongCount = static_cast<TemplateDialog&>(screen).control<QLineEdit>(rechnen1::WrongCountField);
            EXPECT_EQ(wrongCount->text(), QString::number(visits));
            QTest::keyClicks(screen.focusWidget(), QStringLiteral("?"));
            QTest::keyClick(screen.focusWidget(), Qt::Key_Return);
            QTest::keyClick(&screen, Qt::Key_Escape);
        });
        click(PractiseButton);
        EXPECT_EQ(opened, QString::fromLatin1(screenClass));
        EXPECT_FALSE(programState().firstTaskShown) << "the next opening draws a new task";
        ++visits;
    }
    EXPECT_EQ(programState().tally.wrong(), visits);
}

TEST_F(MainMenuTest, OpensTheRulesAndTheAboutBoxFromItsButtonsAndItsWindowMenu) {
    QTest::keyClick(&menu, Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(menu.systemMenu()->isVisible());
    menu.systemMenu()->hide();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(600, 100), menu.mapToGlobal(QPoint(600, 100)));
    QApplication::sendEvent(&menu, &rightClick);
    EXPECT_TRUE(menu.systemMenu()->isVisible());
    menu.systemMenu()->hide();
    EXPECT_EQ(classOfScreenOpenedBy(&menu, [this] { click(RulesButton); }), QStringLiteral("Regeln"));
    EXPECT_EQ(classOfScreenOpenedBy(&menu, [this] { click(AboutButton); }), QStringLiteral("tessaro::AboutDialog"));

    QStringList entries;
    for (QAction* action : menu.systemMenu()->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(entries, QStringList({"Minimieren", "Schließen", "-", "&Info über Tessaro..."}));
    EXPECT_EQ(classOfScreenOpenedBy(&menu, [this] { menu.systemMenu()->actions().last()->trigger(); }),
              QStringLiteral("tessaro::AboutDialog"));
}

TEST_F(MainMenuTest, TabsThroughItsButtonsInTemplateOrder) {
    EXPECT_EQ(QApplication::focusWidget(), menu.control(PractiseButton));
    for (int next : {QuitButton, RulesButton, AboutButton, PractiseButton}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), menu.control(next));
    }
}

TEST_F(MainMenuTest, EveryPaintSeedsFromTheClockButResetsTheTallyOnlyWhileNoModeIsChosen) {
    ScoreTally& tally = programState().tally;
    const auto countOneAnswer = [&tally] {
        tally.countAnswer();
        tally.addRight();
        tally.updatePercent();
    };
    countOneAnswer();
    repaintNow(menu);
    EXPECT_EQ(tally.answered(), 0.0);
    EXPECT_EQ(tally.rightText(), "0");

    click(ModulusRadio);
    countOneAnswer();
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    programState().random.seed(12345);
    repaintNow(menu);
    const int drawn = programState().random.nextRaw();
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));
    EXPECT_EQ(tally.answered(), 1.0);
    bool seededWithTheTime = false;
    for (std::uint32_t seconds = before; seconds <= after; ++seconds)
        seededWithTheTime = seededWithTheTime || RandomSource(seconds).nextRaw() == drawn;
    EXPECT_TRUE(seededWithTheTime);
}

// Every screen ends its modal run on each of the ways a user closes it.
struct Closing {
    const char* name;
    void (*act)(QDialog&);
};
void PrintTo(const Closing& closing, std::ostream* out) { *out << closing.name; }

class ClosingEveryScreen : public ScreenTest, public ::testing::WithParamInterface<Closing> {};

template <class Screen>
bool closes(const Closing& closing) {
    Screen screen;
    QTimer::singleShot(0, &screen, [&screen, &closing] {
        QApplication::processEvents();
        closing.act(screen);
    });
    QTimer::singleShot(3000, &screen, [&screen] { screen.done(99); });
    return screen.exec() != 99;
}

TEST_P(ClosingEveryScreen, EndsItsRun) {
    // Enter on the main menu presses "Üben".
    EXPECT_TRUE(GetParam().name == std::string("Enter") || closes<MainMenuDialog>(GetParam()));
    EXPECT_TRUE(closes<AboutDialog>(GetParam()));
    EXPECT_TRUE(closes<Regeln>(GetParam()));
    EXPECT_TRUE(closes<iundj>(GetParam()));
    EXPECT_TRUE(closes<Definition>(GetParam()));
    EXPECT_TRUE(closes<Betrag>(GetParam()));
    EXPECT_TRUE(closes<Addition>(GetParam()));
    EXPECT_TRUE(closes<Multiplikatioin>(GetParam()));
    EXPECT_TRUE(closes<Division>(GetParam()));
}

// The button that closes: "Beenden", "OK", "Zurück zum Hauptmenü", "Zurück".
void clickClosingButton(QDialog& screen) {
    for (auto* button : screen.findChildren<QPushButton*>())
        if (QStringList({"Beenden", "OK", "Zurück", "Zurück zum Hauptmenü"}).contains(button->text()))
            return QTest::mouseClick(button, Qt::LeftButton);
    ADD_FAILURE() << "no closing button on " << screen.metaObject()->className();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingEveryScreen,
    ::testing::Values(Closing{"Button", clickClosingButton},
                      Closing{"Enter", [](QDialog& s) { QTest::keyClick(s.focusWidget(), Qt::Key_Return); }},
                      Closing{"Escape", [](QDialog& s) { QTest::keyClick(&s, Qt::Key_Escape); }},
                      Closing{"CloseBox", [](QDialog& s) { s.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaro::testing
