// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main menu as the hub of the program: choosing a mode, practising it, the refusal, the about box, the window
// menu, what its paints do to the shared state; the program's language; how every screen closes.

#include "app/AboutDialog.h"
#include "app/MainMenuDialog.h"
#include "dialogkit/Language.h"
#include "dialogkit/ProgramState.h"
#include "resources/templates/MainMenuTemplate.h"
#include "resources/templates/Rechnen1Template.h"
#include "screens/RulePages.h"
#include "screens/RulesMenu.h"
#include "tests/support/ScreenTesting.h"

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

TEST_F(MainMenuTest, RefusesToPractiseWithoutAModeEveryTimeInTheProgramsLanguage) {
    for (const auto& [language, text] : {std::pair{Language::German, "Kein Übungsmodus gewählt!!"},
                                         {Language::German, "Kein Übungsmodus gewählt!!"},
                                         {Language::English, "Choose an exercise mode first."}}) {
        useLanguage(language);
        QStringList shown;
        whenModalOpens(&menu, [&shown](QWidget& screen) {
            auto& box = static_cast<QMessageBox&>(screen);
            shown << box.text() << box.windowTitle() << QString::number(box.icon()) << box.buttons().front()->text()
                  << QString::number(box.buttons().size());
            QTest::keyClick(&box, Qt::Key_Return);
        });
        click(PractiseButton);
        EXPECT_EQ(shown, QStringList({text, "Tessaro", QString::number(QMessageBox::Critical), "OK", "1"}));
        EXPECT_EQ(QApplication::activeModalWidget(), &menu);
    }
    useLanguage(Language::German);
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
        const QString expectedClass = QString::fromLatin1(screenClass);
        whenModalOpens(&menu, [&visits, expectedClass](QWidget& screen) {
            QApplication::processEvents();
            EXPECT_EQ(QString::fromLatin1(screen.metaObject()->className()), expectedClass);
            EXPECT_TRUE(programState().firstTaskShown);
            // One wrong answer on every visit; the counts run on from the visits before.
            auto* wrongCount = static_cast<TemplateDialog&>(screen).control<QLineEdit>(rechnen1::WrongCountField);
            EXPECT_EQ(wrongCount->text(), QString::number(visits++));
            QTest::keyClick(screen.focusWidget(), Qt::Key_Return);
            QTest::keyClick(&screen, Qt::Key_Escape);
        });
        click(PractiseButton);
        EXPECT_FALSE(programState().firstTaskShown) << "the next opening draws a new task";
    }
    EXPECT_EQ(programState().tally.wrong(), 5);
}

TEST_F(MainMenuTest, OpensTheRulesAndTheAboutBoxFromItsButtonsAndItsWindowMenuAndTabsThroughItsButtons) {
    QTest::keyClick(&menu, Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(menu.systemMenu()->isVisible());
    menu.systemMenu()->hide();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(600, 100), menu.mapToGlobal(QPoint(600, 100)));
    QApplication::sendEvent(&menu, &rightClick);
    EXPECT_TRUE(menu.systemMenu()->isVisible());
    menu.systemMenu()->hide();
    for (int next : {QuitButton, RulesButton, AboutButton, PractiseButton}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), menu.control(next));
    }

    EXPECT_EQ(classOfScreenOpenedBy(&menu, [this] { click(RulesButton); }), QStringLiteral("Regeln"));
    EXPECT_EQ(classOfScreenOpenedBy(&menu, [this] { click(AboutButton); }), QStringLiteral("tessaro::AboutDialog"));
    QStringList entries;
    for (QAction* action : menu.systemMenu()->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(entries, QStringList({"Minimieren", "Schließen", "-", "&Info über Tessaro..."}));
    EXPECT_EQ(classOfScreenOpenedBy(&menu, [this] { menu.systemMenu()->actions().last()->trigger(); }),
              QStringLiteral("tessaro::AboutDialog"));
}

TEST_F(MainMenuTest, EveryPaintSeedsFromTheClockButResetsTheTallyOnlyWhileNoModeIsChosen) {
    ScoreTally& tally = programState().tally;
    for (const bool modeChosen : {false, true}) {
        if (modeChosen)
            click(ModulusRadio);
        tally.countAnswer();
        programState().random.seed(12345);
        const auto before = static_cast<std::uint32_t>(std::time(nullptr));
        menu.repaint();
        const int drawn = programState().random.nextRaw();
        bool seededWithTheTime = false;
        for (auto seconds = before; seconds <= static_cast<std::uint32_t>(std::time(nullptr)); ++seconds)
            seededWithTheTime = seededWithTheTime || RandomSource(seconds).nextRaw() == drawn;
        EXPECT_TRUE(seededWithTheTime);
        EXPECT_EQ(tally.answered(), modeChosen ? 1.0 : 0.0);
    }
}

// The program's language: English where the desktop prefers English to German, German otherwise. The screens in
// English are held to their reference pictures, pictures of the rules included.
TEST(Language, IsEnglishOnlyWhereTheDesktopNamesEnglishBeforeGerman) {
    using enum Language;
    // clang-format off
    const std::pair<QStringList, Language> cases[] = {
        {{"en-US", "en"}, English}, {{"de-DE", "en-US"}, German}, {{"fr-FR", "en-GB", "de"}, English},
        {{"es-ES", "de-AT", "en"}, German}, {{"fr-FR"}, German}, {{"C"}, German}, {{}, German}};
    // clang-format on
    for (const auto& [uiLanguages, language] : cases)
        EXPECT_EQ(preferredLanguage(uiLanguages), language) << uiLanguages.join(',').toStdString();
    // German under LANG=C.UTF-8, and, as with gettext, whatever LANGUAGE says in the C locale.
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    qputenv("LANG", "C.UTF-8");
    EXPECT_EQ(desktopLanguage(), German);
    qputenv("LANGUAGE", "en:de");
    EXPECT_EQ(desktopLanguage(), German);
    qputenv("LANG", "de_DE.UTF-8");
    EXPECT_EQ(desktopLanguage(), English);
}

// Every screen ends its modal run on each way a user closes it: its closing button, Enter, Escape, the close box.
template <class Screen>
void expectClosing(bool byEnter = true) {
    const std::function<void(QDialog&)> ways[] = {
        [](QDialog& screen) {
            for (auto* button : screen.findChildren<QPushButton*>())
                if (QStringList({"Beenden", "OK", "Zurück", "Zurück zum Hauptmenü"}).contains(button->text()))
                    return QTest::mouseClick(button, Qt::LeftButton);
            ADD_FAILURE() << "no closing button on " << screen.metaObject()->className();
        },
        [](QDialog& screen) { QTest::keyClick(&screen, Qt::Key_Escape); }, [](QDialog& screen) { screen.close(); },
        [](QDialog& screen) { QTest::keyClick(screen.focusWidget(), Qt::Key_Return); }};
    for (std::size_t way = 0; way < (byEnter ? 4 : 3); ++way) {
        Screen screen;
        QTimer::singleShot(0, &screen, [&screen, &ways, way] { ways[way](screen); });
        QTimer::singleShot(3000, &screen, [&screen] { screen.done(99); });
        EXPECT_NE(screen.exec(), 99) << screen.metaObject()->className() << " way " << way;
    }
}

TEST_F(ScreenTest, EveryScreenClosesAsAUserClosesIt) {
    expectClosing<MainMenuDialog>(false);  // Enter on the main menu presses "Üben"
    expectClosing<AboutDialog>();
    expectClosing<Regeln>();
    expectClosing<Betrag>();    // a page that closes with OK
    expectClosing<Division>();  // the page that closes with cancel
}

}  // namespace
}  // namespace tessaro::testing
