// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Careless and hostile hands on the screens: a double press, a giant paste, a line break pasted into an answer, an
// Escape that comes as a page opens, a main menu dragged small, the worked solution opened a thousand times. The
// keys and clicks go in through the window, as the window system delivers them.

#include "app/MainMenuDialog.h"
#include "dialogkit/DialogMetrics.h"
#include "dialogkit/ProgramState.h"
#include "resources/templates/MainMenuTemplate.h"
#include "resources/templates/RulesTemplates.h"
#include "screens/ExerciseModes.h"
#include "screens/ExerciseScreen.h"
#include "screens/RulesMenu.h"
#include "tests/support/ScreenTesting.h"
#include "widgets/FormulaLine.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <fstream>
#include <memory>

#include <malloc.h>
#include <unistd.h>

namespace tessaro::testing {
namespace {

class CarelessHands : public ScreenTest {
protected:
    void TearDown() override { QApplication::setDoubleClickInterval(desktopInterval_); }

    void open(ExerciseMode mode) {
        prepareExercise(mode);
        screen = exerciseModeRow(mode)->makeScreen(nullptr);
        showAndPaint(*screen);
    }
    QLineEdit* field(int id) const { return screen->control<QLineEdit>(id); }
    QWindow* window() const { return screen->windowHandle(); }
    // Where a control is in the window: a click there goes in as the window system sends it.
    QPoint inWindow(int id) const {
        QWidget* control = screen->control(id);
        return control->mapTo(screen.get(), control->rect().center());
    }
    // Types into every input in turn, Tab between them.
    void type(const QStringList& typed) {
        field(ids().answers.front())->setFocus();
        for (std::size_t i = 0; i < ids().answers.size(); ++i) {
            if (i > 0)
                QTest::keyClick(window(), Qt::Key_Tab);
            QTest::keyClicks(field(ids().answers[i]), typed.value(static_cast<qsizetype>(i)));
        }
    }
    // Types and presses Enter.
    void answer(const QStringList& typed) {
        type(typed);
        QTest::keyClick(window(), Qt::Key_Return);
    }
    const ExerciseScreen::SharedControls& ids() const { return screen->controls(); }
    QStringList counts() const { return {field(ids().rightCount)->text(), field(ids().wrongCount)->text()}; }
    QStringList verdicts() const { return {field(ids().rightMessage)->text(), field(ids().wrongMessage)->text()}; }
    QString task() const { return field(ids().task)->text(); }

    std::unique_ptr<ExerciseScreen> screen;

private:
    int desktopInterval_ = QApplication::doubleClickInterval();
};

// The resident memory of the program, once the allocator has given back to the system what it holds free.
long memoryInUse() {
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

struct Kind {
    const char* name;
    ExerciseMode mode;
};
void PrintTo(const Kind& kind, std::ostream* out) { *out << kind.name; }

// A second press within the desktop's double-click interval of a check, while the inputs are as the check left
// them, judges nothing and counts nothing; a press after the interval, or after the student has typed, is a check.
class DoublePress : public CarelessHands, public ::testing::WithParamInterface<Kind> {
protected:
    static constexpr int kInterval = 600;  // long enough that the halfway press below is within it on a busy machine

    void SetUp() override {
        CarelessHands::SetUp();
        QApplication::setDoubleClickInterval(kInterval);
        open(GetParam().mode);
    }
    void expectRightOnceWithTheNextTask(const QString& nextTask, const char* after) {
        EXPECT_EQ(counts(), QStringList({"1", "0"})) << after;
        EXPECT_EQ(verdicts(), QStringList({"Richtig!!", ""})) << after;
        EXPECT_EQ(task(), nextTask) << after;
    }
};

TEST_P(DoublePress, EnterPressedTwiceQuicklyChecksOnceAndAnEnterAfterTheIntervalChecksTheEmptyInputs) {
    answer(rightAnswerOn(*screen));
    const QString next = task();
    QTest::keyClick(window(), Qt::Key_Return);
    expectRightOnceWithTheNextTask(next, "a second Enter at once");
    QTest::qWait(kInterval / 2);
    QTest::keyClick(window(), Qt::Key_Return);
    expectRightOnceWithTheNextTask(next, "a third Enter within the interval of the second");
    QTest::qWait(kInterval + 50);
    QTest::keyClick(window(), Qt::Key_Return);
    EXPECT_EQ(counts(), QStringList({"1", "1"})) << "a deliberate Enter on empty inputs is a wrong answer";
    EXPECT_EQ(verdicts().front(), QString());
}

TEST_P(DoublePress, ADoubleClickOnBerechnenChecksOnceAndAClickAfterTheIntervalChecksAgain) {
    type(rightAnswerOn(*screen));
    const QString task = this->task();
    QTest::mouseDClick(window(), Qt::LeftButton, {}, inWindow(ids().compute));  // press, release, press, release
    EXPECT_NE(this->task(), task);
    expectRightOnceWithTheNextTask(this->task(), "a double click");
    QTest::qWait(kInterval + 50);
    QTest::mouseClick(window(), Qt::LeftButton, {}, inWindow(ids().compute));
    EXPECT_EQ(counts(), QStringList({"1", "1"}));
}

TEST_P(DoublePress, ADoubleClickOnAWrongAnswerCountsItOnce) {
    type({QStringLiteral("7"), QStringLiteral("7"), QStringLiteral("7")});
    QTest::mouseDClick(window(), Qt::LeftButton, {}, inWindow(ids().compute));
    EXPECT_EQ(counts(), QStringList({"0", "1"}));
    EXPECT_EQ(field(ids().answers.front())->text(), QStringLiteral("7")) << "the answer stays to be corrected";
}

TEST_P(DoublePress, AnAnswerTypedWithinTheIntervalIsChecked) {
    answer(rightAnswerOn(*screen));
    answer({QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5")});
    EXPECT_EQ(counts(), QStringList({"1", "1"}));
    EXPECT_FALSE(verdicts().back().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Screens, DoublePress,
                         ::testing::Values(Kind{"AddSubtract", ExerciseMode::AddSubtract},
                                           Kind{"Divide", ExerciseMode::Divide}),
                         [](const auto& info) { return std::string(info.param.name); });

// Pastes the text from the clipboard with Ctrl+V, as a student does.
QString pasted(QLineEdit& input, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(&input, Qt::Key_V, Qt::ControlModifier);
    return input.text();
}

TEST_F(CarelessHands, TheAnswerFieldRefusesWholeAPasteLongerThanAnyAnswer) {
    open(ExerciseMode::AddSubtract);
    QLineEdit& input = *field(ids().answers.front());
    QTest::keyClicks(&input, QStringLiteral("12"));
    EXPECT_EQ(pasted(input, QString(1'000'000, QLatin1Char('7'))), QStringLiteral("12")) << "nothing of it, no cut";
    const QString upToTheLimit = QStringLiteral("12") + QString(198, QLatin1Char('3'));
    EXPECT_EQ(pasted(input, QString(198, QLatin1Char('3'))), upToTheLimit);
    QTest::keyClick(&input, Qt::Key_4);
    EXPECT_EQ(input.text(), upToTheLimit) << "not one character more";
}

// The page shows the answer as the field showed it, a pasted line break as the blank the field shows.
TEST_F(CarelessHands, APastedLineBreakShowsOnTheWorkedSolutionAsInTheField) {
    open(ExerciseMode::AddSubtract);
    QLineEdit& input = *field(ids().answers.front());
    pasted(input, QStringLiteral("1+j2\n3+j4"));
    const QString shown = input.displayText();
    EXPECT_EQ(shown, QStringLiteral("1+j2 3+j4"));
    QTest::keyClick(window(), Qt::Key_Return);
    QStringList lines;
    whenModalOpens(screen.get(), [&lines](QWidget& page) {
        for (FormulaLine* line : page.findChildren<FormulaLine*>())
            lines << line->text();
        QTest::keyClick(&page, Qt::Key_Escape);
    });
    QTest::keyClick(window(), Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(lines.contains(shown)) << lines.join(QLatin1Char('|')).toStdString();
}

// The key that opens a page and Escape typed back to back, into the window below: the Escape comes while the page
// opens, before the window system has made it the active window, and goes to the window that still has the keyboard.
void expectAnEarlyEscapeToClose(QWidget& below, Qt::Key openingKey, Qt::KeyboardModifiers modifiers) {
    below.activateWindow();  // as the window manager does when the screen above it closes
    ASSERT_TRUE(QTest::qWaitForWindowActive(&below));
    QWindow* window = below.windowHandle();
    bool pageShown = false, pageActive = true;
    QTimer::singleShot(0, &below, [=] { QTest::keyClick(window, openingKey, modifiers); });
    QTimer::singleShot(0, &below, [&below, window, &pageShown, &pageActive] {
        QWidget* page = QApplication::activeModalWidget();
        pageShown = page && page != &below && page->isVisible();
        pageActive = pageShown && page->isActiveWindow();
        QTest::keyClick(window, Qt::Key_Escape);
    });
    QTimer missed;  // a page the Escape missed is closed after a while
    missed.setSingleShot(true);
    bool stayedOpen = false;
    QObject::connect(&missed, &QTimer::timeout, [&below, &stayedOpen] {
        if (QWidget* page = QApplication::activeModalWidget(); page && page != &below) {
            stayedOpen = true;
            page->close();
        }
    });
    missed.start(2000);
    QTest::qWait(50);
    EXPECT_TRUE(pageShown);
    EXPECT_FALSE(pageActive) << "the Escape came only once the page was active";
    EXPECT_FALSE(stayedOpen) << "the page stayed open";
    missed.stop();
}

TEST_F(CarelessHands, AnEscapeThatComesAsTheWorkedSolutionOpensClosesIt) {
    open(ExerciseMode::Multiply);
    answer({QStringLiteral("1+j1")});
    expectAnEarlyEscapeToClose(*screen, Qt::Key_L, Qt::AltModifier);
}

// Every screen that opens above another, from the main menu and from the rules menu, by Enter on its button (a
// button clicked by Space opens its screen only as the key comes up).
TEST_F(CarelessHands, AnEscapeThatComesAsAnyScreenOpensClosesIt) {
    programState().currentMode = ExerciseMode::ToPolar;
    MainMenuDialog menu;
    showAndPaint(menu);
    for (const int button : {mainmenu::PractiseButton, mainmenu::RulesButton, mainmenu::AboutButton}) {
        SCOPED_TRACE(button);
        menu.control(button)->setFocus();
        expectAnEarlyEscapeToClose(menu, Qt::Key_Return, Qt::NoModifier);
    }
    Regeln rules;
    showAndPaint(rules);
    rules.control(rulesmenu::PolarButton)->setFocus();
    expectAnEarlyEscapeToClose(rules, Qt::Key_Return, Qt::NoModifier);
}

// Alt+L and, once the page is painted, Escape, as often as the student likes: the thousandth opening leaves the
// memory where the tenth left it.
TEST_F(CarelessHands, TheWorkedSolutionOpenedAThousandTimesTakesNoMoreMemoryThanTenTimes) {
    open(ExerciseMode::Multiply);
    answer({QStringLiteral("1+j1")});
    int closed = 0;
    [[maybe_unused]] long afterTen = 0;
    for (int opening = 1; opening <= 1000; ++opening) {
        whenModalOpens(screen.get(), [&closed](QWidget& page) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&page));
            QApplication::processEvents();
            QTest::keyClick(&page, Qt::Key_Escape);
            closed += page.isHidden();
        });
        QTest::keyClick(window(), Qt::Key_L, Qt::AltModifier);
        screen->activateWindow();  // as a window manager does when the page closes; offscreen Qt does not
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        if (opening == 10)
            afterTen = memoryInUse();
    }
    EXPECT_EQ(closed, 1000);
#ifndef TESSARO_FREED_MEMORY_QUARANTINED  // AddressSanitizer holds freed memory back
    const long afterThousand = memoryInUse();
    EXPECT_LE(afterThousand, afterTen + 2 * 1024 * 1024)
        << "after 10 openings " << afterTen / 1024 << " KiB, after 1000 " << afterThousand / 1024 << " KiB";
#endif
}

// Dragged small by its sizing border, or opened with Qt's -qwindowgeometry 1x1 (the test command runs this test so
// too), the main menu keeps its template's size of 466 × 298 dialog units: smaller, it would hide its controls.
TEST_F(CarelessHands, TheMainMenuIsNeverSmallerThanItsTemplate) {
    const auto text = [](QSize size) { return QStringLiteral("%1 × %2").arg(size.width()).arg(size.height()); };
    const QString templateSize = text(dialogSizeInPixels(466, 298));
    MainMenuDialog menu;
    showAndPaint(menu);
    EXPECT_EQ(text(menu.size()), templateSize) << "as it opens";
    EXPECT_EQ(text(menu.windowHandle()->minimumSize()), templateSize) << "what a window manager's border keeps";
    menu.resize(20, 20);
    EXPECT_EQ(text(menu.size()), templateSize);
    menu.resize(dialogSizeInPixels(466, 298) + QSize(100, 40));
    EXPECT_EQ(text(menu.size() - QSize(100, 40)), templateSize) << "it still grows";
}

}  // namespace
}  // namespace tessaro::testing
