// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main menu as the hub of the program: choosing a mode, practising it, the refusal, the about box, the window
// menu, what its paints do to the shared state; the program's language; how every screen closes.

#include "app/AboutDialog.h"
#include "app/MainMenuDialog.h"
#include "dialogkit/Language.h"
#include "dialogkit/ProgramState.h"
#include "resources/templates/MainMenuTemplate.h"
#include "screens/ExerciseScreen.h"
#include "screens/Rechnen1.h"
#include "screens/RulePages.h"
#include "screens/RulesMenu.h"
#include "tests/support/ScreenTesting.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

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
    for (const auto& [language, text] : {std::pair{"de", "Kein Übungsmodus gewählt!!"},
                                         {"de", "Kein Übungsmodus gewählt!!"},
                                         {"en", "Choose an exercise mode first."}}) {
        useLanguage({QString::fromLatin1(language)});
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
    useLanguage({QStringLiteral("de")});
}

// A student clicks the mode they read and presses Enter: "Üben" opens that mode's screen, and the one tally runs on
// across every screen and mode.
TEST_F(MainMenuTest, PractisesTheModeWhoseCaptionWasClickedOnItsScreenWhenEnterIsPressed) {
    struct Choice {
        const char* caption;
        ExerciseMode mode;
        const char* screenClass;
    };
    const Choice addSubtract{"Addition und Subtraktion komplexer Zahlen üben", ExerciseMode::AddSubtract, "Rechnen1"},
        modulus{"Betrag einer komplexen Zahl bilden üben", ExerciseMode::Modulus, "Rechnen1"},
        multiply{"Multiplikation üben", ExerciseMode::Multiply, "Rechnen1"},
        divide{"Division üben", ExerciseMode::Divide, "Rechnen2"};
    const auto radioCaptioned = [this](const QString& caption) -> QRadioButton* {
        for (auto* radio : menu.findChildren<QRadioButton*>())
            if (radio->text() == caption)
                return radio;
        ADD_FAILURE() << "no radio button reads " << caption.toStdString();
        return nullptr;
    };
    int visits = 0;
    for (const Choice& choice : {addSubtract, divide, multiply, modulus, modulus}) {
        QRadioButton* radio = radioCaptioned(QString::fromUtf8(choice.caption));
        ASSERT_NE(radio, nullptr);
        QTest::mouseClick(radio, Qt::LeftButton);
        for (auto* other : menu.findChildren<QRadioButton*>())
            EXPECT_EQ(other->isChecked(), other == radio);
        QString opened;
        whenModalOpens(&menu, [&](QWidget& screen) {
            QApplication::processEvents();
            opened = QString::fromLatin1(screen.metaObject()->className());
            EXPECT_EQ(programState().currentMode, choice.mode) << choice.caption;
            // One wrong answer on every visit; the counts run on from the visits before.
            auto& exercise = static_cast<ExerciseScreen&>(screen);
            auto* wrongCount = exercise.control<QLineEdit>(exercise.controls().wrongCount);
            EXPECT_FALSE(exercise.task().fields.empty()) << "a task is shown";
            EXPECT_EQ(wrongCount->text(), QString::number(visits++));
            QTest::keyClick(screen.focusWidget(), Qt::Key_Return);
            QTest::keyClick(&screen, Qt::Key_Escape);
        });
        ASSERT_EQ(menu.focusWidget(), radio);
        QTest::keyClick(radio, Qt::Key_Return);
        EXPECT_EQ(opened, QString::fromLatin1(choice.screenClass)) << choice.caption;
    }
    EXPECT_EQ(programState().tally.wrong(), 5);
}

TEST_F(MainMenuTest, OpensTheRulesAndTheAboutBoxFromItsButtonsAndItsWindowMenuAndTabsThroughItsControls) {
    QTest::keyClick(&menu, Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(menu.systemMenu()->isVisible());
    menu.systemMenu()->hide();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(600, 100), menu.mapToGlobal(QPoint(600, 100)));
    QApplication::sendEvent(&menu, &rightClick);
    EXPECT_TRUE(menu.systemMenu()->isVisible());
    menu.systemMenu()->hide();
    // The modes are one stop, on the first while none is chosen (MainMenuKeyboardTest plays them).
    for (int next : {QuitButton, RulesButton, AddSubtractRadio, AboutButton, PractiseButton}) {
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

// Whenever the menu is shown, and again when a screen opened from it closes, the source is seeded from the clock and,
// while no mode is chosen, the tally starts from zero; a paint alone changes nothing.
TEST_F(MainMenuTest, SeedsFromTheClockWhenShownAndBackFromAScreenButResetsTheTallyOnlyWhileNoModeIsChosen) {
    ScoreTally& tally = programState().tally;
    const auto seededWithTheTimeBy = [&tally](const std::function<void()>& action) {
        tally.countAnswer();
        programState().random.seed(12345);
        const auto before = static_cast<std::uint32_t>(std::time(nullptr));
        action();
        const int drawn = programState().random.nextRaw();
        for (auto seconds = before; seconds <= static_cast<std::uint32_t>(std::time(nullptr)); ++seconds)
            if (RandomSource(seconds).nextRaw() == drawn)
                return true;
        return false;
    };
    EXPECT_FALSE(seededWithTheTimeBy([this] { menu.repaint(); }));
    EXPECT_EQ(tally.answered(), 1.0) << "a paint resets nothing";
    EXPECT_TRUE(seededWithTheTimeBy([] {
        MainMenuDialog another;
        showAndPaint(another);
    }));
    EXPECT_EQ(tally.answered(), 0.0);
    for (const bool modeChosen : {false, true}) {
        if (modeChosen)
            click(ModulusRadio);
        EXPECT_TRUE(seededWithTheTimeBy([this] { classOfScreenOpenedBy(&menu, [this] { click(AboutButton); }); }));
        EXPECT_EQ(tally.answered(), modeChosen ? 1.0 : 0.0);
    }
}

// The program speaks the first of the desktop's languages it has a translation for, German, its own, included: English
// where the desktop names English before German, German otherwise, and German in the C and POSIX locales. The
// screens in English are held to their reference pictures, pictures of the rules included.
TEST(Language, IsTheFirstOfTheDesktopsLanguagesThatTheProgramSpeaks) {
    // clang-format off
    const std::pair<QStringList, const char*> cases[] = {
        {{"en-US", "en"}, "en"}, {{"de-DE", "en-US"}, "de"}, {{"fr-FR", "en-GB", "de"}, "en"},
        {{"es-ES", "de-AT", "en"}, "de"}, {{"fr-FR"}, "de"}, {{"C"}, "de"}, {{}, "de"}};
    // clang-format on
    for (const auto& [preferred, language] : cases) {
        useLanguage(preferred);
        EXPECT_EQ(currentLanguage(), QString::fromLatin1(language)) << preferred.join(',').toStdString();
        EXPECT_EQ(QCoreApplication::translate("Template", "Beenden"),
                  language == QStringLiteral("en") ? "Quit" : "Beenden");
    }
    // Pictures follow, falling back to the German picture where a language has none of its own.
    EXPECT_EQ(localisedPicture(QStringLiteral(":/pictures/page135.png")), QStringLiteral(":/pictures/page135.png"));
    useLanguage({QStringLiteral("en")});
    EXPECT_EQ(localisedPicture(QStringLiteral(":/pictures/page135.png")), QStringLiteral(":/pictures/en/page135.png"));
    EXPECT_EQ(localisedPicture(QStringLiteral(":/pictures/portrait133.png")),
              QStringLiteral(":/pictures/portrait133.png"));
    useLanguage({QStringLiteral("de")});
    // No language under LANG=C.UTF-8, and, as with gettext, whatever LANGUAGE says in the C locale.
    const SavedEnvironment desktop{"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    qputenv("LANG", "C.UTF-8");
    EXPECT_EQ(desktopLanguages(), QStringList());
    qputenv("LANGUAGE", "en:de");
    EXPECT_EQ(desktopLanguages(), QStringList());
    qputenv("LANG", "de_DE.UTF-8");
    EXPECT_EQ(desktopLanguages(), QLocale::system().uiLanguages());
}

// The translators belong to the application and go with it: however often the language changes, there are the
// program's and Qt's, no more.
TEST(Language, KeepsItsTranslatorsWithTheApplication) {
    for (const char* language : {"en", "de", "en", "de"}) {
        useLanguage({QString::fromLatin1(language)});
        EXPECT_LE(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly).size(), 2) << language;
    }
    useLanguage({QStringLiteral("en")});
    EXPECT_GE(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly).size(), 1);
    useLanguage({QStringLiteral("de")});
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

// Left to guess an image's format, Qt loads every installed image plugin to ask it: milliseconds of start-up for
// pictures that are all PNG. Run alone, as ctest runs it, the test sees what these screens load themselves.
TEST_F(ScreenTest, TheScreensShowTheirPicturesWithoutLoadingAnImagePlugin) {
    const auto pluginLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
    };
    if (pluginLoaded())
        GTEST_SKIP() << "an earlier test in this process loaded an image plugin";
    MainMenuDialog menu;
    showAndPaint(menu);
    prepareExercise(ExerciseMode::Multiply);
    Rechnen1 screen;  // the gear wheels on "Berechnen"
    showAndPaint(screen);
    Division page;  // a rule page's picture
    showAndPaint(page);
    EXPECT_FALSE(pluginLoaded());
}

}  // namespace
}  // namespace tessaro::testing
