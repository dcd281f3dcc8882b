// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Both exercise screens played as a student plays them: typed answers, clicks and keys, then what the screen shows,
// where the focus is and what the tally counts.

#include "dialogkit/Announcement.h"
#include "dialogkit/ProgramState.h"
#include "logic/ModeLogic.h"
#include "resources/templates/Rechnen1Template.h"
#include "resources/templates/Rechnen2Template.h"
#include "screens/ExerciseModes.h"
#include "screens/Rechnen1.h"
#include "screens/Rechnen2.h"
#include "tests/support/ScreenTesting.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <fstream>
#include <optional>
#include <random>

#include <unistd.h>

namespace tessaro::testing {
namespace {

namespace r1 = rechnen1;
namespace r2 = rechnen2;

class ExerciseScreenTest : public ScreenTest {
protected:
    // Opens the screen of `mode` as the main menu does, after it has seeded the source and reset the tally.
    void open(ExerciseMode mode) {
        prepareExercise(mode);
        reopen();
    }
    // A new opening of the current mode's screen, as "Üben" makes it.
    void reopen() {
        screen.reset();
        screen = exerciseModeRow(programState().currentMode)->makeScreen(nullptr);
        showAndPaint(*screen);
    }
    const ExerciseScreen::SharedControls& ids() const { return screen->controls(); }
    QLineEdit* field(int id) const { return screen->control<QLineEdit>(id); }
    QString text(int id) const { return field(id)->text(); }
    QWidget* focus() const { return screen->focusWidget(); }
    void click(int id) { QTest::mouseClick(screen->control(id), Qt::LeftButton); }
    void fill(const QStringList& texts) {
        for (std::size_t i = 0; i < ids().answers.size(); ++i)
            field(ids().answers[i])->setText(texts.value(static_cast<qsizetype>(i)));
    }
    // Types into every input, as a student who selects what it holds first, and presses Enter in the last one.
    void answer(const QStringList& typed) {
        for (std::size_t i = 0; i < ids().answers.size(); ++i) {
            field(ids().answers[i])->setFocus();
            field(ids().answers[i])->selectAll();
            QTest::keyClicks(field(ids().answers[i]), typed.value(static_cast<qsizetype>(i)));
        }
        QTest::keyClick(focus(), Qt::Key_Return);
    }
    QStringList counts() const {
        return {text(r1::RightCountField), text(r1::WrongCountField), text(r1::PercentField)};  // same on both
    }
    QStringList rightAnswer() const { return rightAnswerOn(*screen); }
    // What every field of the screen shows: the task, the inputs, the verdict and the counts.
    QStringList texts() const {
        QStringList all;
        for (QLineEdit* shown : screen->findChildren<QLineEdit*>())
            all << shown->text();
        return all;
    }
    // Another window takes the screen's place on top for a moment, as a window dragged over it does.
    void coverAndUncover() {
        QDialog cover(screen.get());
        cover.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&cover));
        QApplication::processEvents();
        ASSERT_FALSE(screen->isActiveWindow());
        cover.hide();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        QApplication::processEvents();
    }
    // Alt+L, and Escape on the worked solution should it open: the texts of its lines, or nothing where none opened.
    std::optional<QStringList> workedSolutionLines() {
        std::optional<QStringList> lines;
        QTimer::singleShot(50, [this, &lines] {
            if (QWidget* page = QApplication::activeModalWidget(); page && page != screen.get()) {
                lines.emplace();
                for (QLabel* line : page->findChildren<QLabel*>())
                    *lines << line->accessibleName() + line->text();
                QTest::keyClick(page, Qt::Key_Escape);
            }
        });
        QTest::keyClick(focus(), Qt::Key_L, Qt::AltModifier);
        QTest::qWait(100);
        screen->activateWindow();  // as a window manager does when the page closes; offscreen Qt does not
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        return lines;
    }
    std::string nextTask() const {
        RandomSource copy = programState().random;
        return modeLogic(programState().currentMode)->makeTask(copy).shown.front();
    }

    std::unique_ptr<ExerciseScreen> screen;
};

struct Kind {
    const char* name;
    ExerciseMode mode;
    QString rulePage;
};
void PrintTo(const Kind& kind, std::ostream* out) { *out << kind.name; }

class BothScreens : public ExerciseScreenTest, public ::testing::WithParamInterface<Kind> {
protected:
    void SetUp() override {
        ExerciseScreenTest::SetUp();
        open(GetParam().mode);
    }
};

// Alt+N from the last input and Alt+A from a button: the keys act wherever the focus is. (That a double click on
// "Berechnen" checks once, CarelessHands.DoublePress pins for both kinds of screen.)
TEST_P(BothScreens, CountEveryCheckKeepTheCountsOnANewTaskByAltNAndZeroThemOnAResetByAltA) {
    answer({QStringLiteral("x")});
    answer(rightAnswer());  // the same task, corrected
    EXPECT_EQ(counts(), QStringList({"1", "1", "50 Prozent richtig"}));
    const std::string next = nextTask();
    answer(rightAnswer());
    EXPECT_EQ(text(ids().task).toStdString(), next);
    EXPECT_EQ(counts(), QStringList({"2", "1", "67 Prozent richtig"}));
    for (const auto& [key, countsAfter] : {std::pair{Qt::Key_N, QStringList{"2", "2", "50 Prozent richtig"}},
                                           std::pair{Qt::Key_A, QStringList{"0", "0", "0 Prozent richtig"}}}) {
        answer({QStringLiteral("x")});
        const std::string following = nextTask();
        QWidget* from = key == Qt::Key_N ? field(ids().answers.back()) : screen->control(ids().compute);
        from->setFocus();
        QTest::keyClick(from, key, Qt::AltModifier);
        EXPECT_EQ(counts(), countsAfter);
        EXPECT_EQ(text(ids().task).toStdString(), following);
        for (QLineEdit* shown : screen->findChildren<QLineEdit*>()) {  // no verdict and no correct answer left
            const bool result = shown->isReadOnly() && shown != field(ids().task) && shown != field(r2::DivisorField);
            EXPECT_TRUE(!result || shown->text().isEmpty()) << shown->accessibleName().toStdString();
        }
        EXPECT_EQ(focus(), field(ids().answers[0]));
    }
}

TEST_P(BothScreens, NameTheirKeysAndOpenTheRulePageOfTheirModeOnAltROrAClickAndReturnTheFocusToTheFirstInput) {
    // As a tooltip; a screen reader hears it too (the reference texts of the screens).
    for (const auto& [button, key] :
         {std::pair{ids().newTask, "N"}, {ids().reset, "A"}, {ids().rule, "R"}, {ids().workedSolution, "L"}})
        EXPECT_EQ(screen->control(button)->toolTip(), QStringLiteral("Tastenkürzel: Alt+") + key);
    answer({QStringLiteral("7")});
    const QString task = text(ids().task);
    screen->control(ids().compute)->setFocus();
    EXPECT_EQ(classOfScreenOpenedBy(screen.get(), [this] { QTest::keyClick(focus(), Qt::Key_R, Qt::AltModifier); }),
              GetParam().rulePage);
    EXPECT_EQ(classOfScreenOpenedBy(screen.get(), [this] { click(ids().rule); }), GetParam().rulePage);
    EXPECT_EQ(text(ids().task), task);
    EXPECT_EQ(focus(), field(ids().answers[0]));
}

// Alt+L opens the worked solution exactly while its button is enabled: from a wrong answer until the next task. Back
// from it on Escape the screen is as it was; a click opens it too, leaving the focus where it was; it counts nothing.
TEST_P(BothScreens, OfferTheWorkedSolutionFromAWrongAnswerUntilTheNextTaskAndReturnFromItAsTheyWere) {
    const auto offered = [this](const char* when) {
        const bool enabled = screen->control(ids().workedSolution)->isEnabled();
        EXPECT_EQ(workedSolutionLines().has_value(), enabled) << when << ": Alt+L opens exactly while it is enabled";
        return enabled;
    };
    EXPECT_FALSE(offered("before the first check"));
    answer({QStringLiteral("7")});
    const QImage before = screenImage(*screen);
    QWidget* focusBefore = focus();
    const QStringList textsBefore = texts();
    EXPECT_TRUE(screen->control(ids().workedSolution)->isEnabled());
    const std::optional<QStringList> page = workedSolutionLines();
    ASSERT_TRUE(page) << "after a wrong answer";
    EXPECT_TRUE(page->join(QLatin1Char('\n')).contains(QLatin1String("7"))) << "the page shows the answer";
    EXPECT_EQ(texts(), textsBefore);
    EXPECT_EQ(focus(), focusBefore);
    EXPECT_EQ(screenImage(*screen), before);
    EXPECT_EQ(classOfScreenOpenedBy(screen.get(), [this] { click(ids().workedSolution); }),
              QStringLiteral("Loesungsweg"));
    EXPECT_EQ(focus(), focusBefore) << "a click leaves the focus where it was";
    screen->activateWindow();  // as a window manager does when the page closes
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    answer({QStringLiteral("y")});
    EXPECT_TRUE(offered("after a second wrong answer"));
    answer(rightAnswer());
    EXPECT_FALSE(offered("after the right answer"));
    for (int button : {ids().newTask, ids().reset}) {
        answer({QStringLiteral("x")});
        click(button);
        EXPECT_FALSE(offered("with the next task"));
    }
    answer({QStringLiteral("x")});
    reopen();
    EXPECT_FALSE(offered("on a new opening"));
    EXPECT_EQ(counts(), QStringList({"0", "1", "0 Prozent richtig"})) << "the page counts nothing";
}

// Whatever hides the screen for a while, it comes back with its task, the answer as typed and its messages.
TEST_P(BothScreens, KeepTheirTaskTheTypedAnswerAndTheirMessagesWhenShownAgain) {
    answer({QStringLiteral("x")});
    field(ids().answers.front())->setText(QStringLiteral("7"));
    const QStringList before = texts();
    ASSERT_TRUE(before.join(QString()).contains(QStringLiteral("7")));
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"minimised and restored",
         [this] {
             screen->showMinimized();
             QApplication::processEvents();
             screen->showNormal();
             screen->activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
         }},
        {"covered by another window", [this] { coverAndUncover(); }},
        {"back from its worked solution", [this] { workedSolutionLines(); }},
        {"back from its rule page", [this] { classOfScreenOpenedBy(screen.get(), [this] { click(ids().rule); }); }},
    };
    for (const auto& [way, hideAndShow] : ways) {
        hideAndShow();
        EXPECT_EQ(texts(), before) << way;
        EXPECT_TRUE(screen->control(ids().workedSolution)->isEnabled()) << way;
    }
    EXPECT_EQ(counts(), QStringList({"0", "1", "0 Prozent richtig"}));
}

// A number as a student writes it for the modes judged by value: a decimal comma or point, an optional degree sign.
std::optional<double> typedNumber(QString text) {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (text.endsWith(QStringLiteral("\u00B0")))
        text.chop(1);
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?$"));
    return number.match(text).hasMatch() ? std::optional(text.toDouble()) : std::nullopt;
}

// Whether a field holds its answer: the exact text, or a value within the field's tolerance, checked here on its own.
bool fieldIsRight(const AnswerField& field, const QString& typed) {
    if (!field.byValue)
        return typed == QString::fromStdString(field.expected);
    const JudgedValue& right = *field.byValue;
    const auto within = [&right](double off) { return std::abs(off) <= right.tolerance + 1e-9; };
    if (right.kind == JudgedValue::Kind::Cartesian) {
        static const QRegularExpression cartesian(QStringLiteral("^(.+)([+-])j(.+)$"));
        const QRegularExpressionMatch parts = cartesian.match(typed);  // without a match, no part is a number
        const std::optional<double> x = typedNumber(parts.captured(1)), y = typedNumber(parts.captured(3));
        const double sign = parts.captured(2) == QStringLiteral("-") ? -1 : 1;
        return x && y && within(*x - right.value) && within(sign * *y - right.imaginary);
    }
    const std::optional<double> value = typedNumber(typed);
    return value && within(right.kind == JudgedValue::Kind::Angle ? std::remainder(*value - right.value, 360.0)
                                                                  : *value - right.value);
}

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// A student at work: right answers, near misses, nothing, foreign scripts and pasted floods, with new tasks, resets,
// a rule page and reopenings between them. The tally must agree with the test's own count after every check and
// the count fields at the end; the memory may not grow. TESSARO_SOAK_CHECKS=N plays N checks.
TEST_P(BothScreens, KeepTheTallyExactAndTheMemoryFlatOverThousandsOfChecks) {
    const int asked = qEnvironmentVariableIntValue("TESSARO_SOAK_CHECKS"), checks = asked > 0 ? asked : 3000;
    std::mt19937 random(7);
    const QString odd[] = {QString(), QStringLiteral("３+j４"), QStringLiteral("3−j4"), QStringLiteral("😀"),
                           QString(100'000, QLatin1Char('7'))};
    long right = 0, wrong = 0;
    [[maybe_unused]] long steadyMemory = 0;
    // The checks come faster than any hand; none of them is the second press of a double click.
    const int doubleClick = QApplication::doubleClickInterval();
    QApplication::setDoubleClickInterval(0);
    const auto restore = qScopeGuard([doubleClick] { QApplication::setDoubleClickInterval(doubleClick); });
    for (int check = 0; check < checks; ++check) {
        if (check % 500 == 499)  // closed and opened again from the main menu
            reopen();
        if (check == checks / 2)
            classOfScreenOpenedBy(screen.get(), [this] { screen->control<QPushButton>(ids().rule)->click(); });
        if (check % 700 == 699) {
            screen->control<QPushButton>(ids().reset)->click();
            right = wrong = 0;
        }
        if (check % 37 == 36)
            screen->control<QPushButton>(ids().newTask)->click();
        const QStringList due = rightAnswer();
        QStringList typed = due;
        QString& spoilt = typed[static_cast<qsizetype>(random() % due.size())];
        const unsigned roll = random() % 50;  // half of the answers right, one in fifty a flood
        if (roll >= 25)
            spoilt = roll < 35 ? spoilt + QLatin1Char('0') : odd[std::min<unsigned>((roll - 35) / 4, 4)];
        fill(typed);
        bool isRight = true;  // whatever was typed, only the exact text or the value within the tolerance counts
        for (std::size_t i = 0; i < ids().answers.size(); ++i)
            isRight = isRight && fieldIsRight(screen->task().fields[i], text(ids().answers[i]));
        screen->control<QPushButton>(ids().compute)->click();
        ++(isRight ? right : wrong);
        if (!isRight && check % 10 == 1)  // now and then a look at the worked solution
            classOfScreenOpenedBy(screen.get(),
                                  [this] { screen->control<QPushButton>(ids().workedSolution)->click(); });
        ASSERT_EQ(programState().tally.right(), double(right)) << "check " << check;
        ASSERT_EQ(programState().tally.wrong(), int(wrong)) << "check " << check;
        if (check % 16 == 0)
            QApplication::processEvents();
        if (check + 1 == checks / 10)
            steadyMemory = residentBytes();
    }
    const long percent = (200 * right + right + wrong) / (2 * std::max(right + wrong, 1L));
    EXPECT_EQ(counts(), QStringList({QString::number(right), QString::number(wrong),
                                     QStringLiteral("%1 Prozent richtig").arg(percent)}));
#ifndef TESSARO_FREED_MEMORY_QUARANTINED  // AddressSanitizer holds freed memory back
    EXPECT_LE(residentBytes(), steadyMemory + 8 * 1024 * 1024) << "the resident size grew";
#endif
}

// Alt with a letter that is no shortcut (in German or in English) types nothing; with a shortcut's letter it acts.
TEST_P(BothScreens, AltWithALetterTypesNothingIntoAnInput) {
    QLineEdit* input = field(ids().answers.front());
    input->setFocus();
    QTest::keyClicks(input, QStringLiteral("34"));
    for (const Qt::Key letter : {Qt::Key_S, Qt::Key_X, Qt::Key_Q, Qt::Key_J, Qt::Key_1})
        QTest::keyClick(input, letter, Qt::AltModifier);
    EXPECT_EQ(input->text(), QStringLiteral("34"));
    QTest::keyClick(input, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(input->text(), QString()) << "Alt+A resets the score and so draws a new task";
}

INSTANTIATE_TEST_SUITE_P(Screens, BothScreens,
                         ::testing::Values(Kind{"AddSubtract", ExerciseMode::AddSubtract, "Addition"},
                                           Kind{"Modulus", ExerciseMode::Modulus, "Betrag"},
                                           Kind{"Multiply", ExerciseMode::Multiply, "Multiplikatioin"},
                                           Kind{"Divide", ExerciseMode::Divide, "Division"},
                                           Kind{"ToPolar", ExerciseMode::ToPolar, "Polarform"},
                                           Kind{"ToCartesian", ExerciseMode::ToCartesian, "Polarform"},
                                           Kind{"PolarMultiplyDivide", ExerciseMode::PolarMultiplyDivide, "Polarform"},
                                           Kind{"AddPhasors", ExerciseMode::AddPhasors, "Polarform"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The longest text each read-only field can be given, then a short one.
TEST_F(ExerciseScreenTest, ShowEveryTaskAndVerdictWholeInTheFieldFontMadeSmallerWhereNeeded) {
    Rechnen1 first;
    Rechnen2 second;
    const std::tuple<TemplateDialog*, int, const char*> longest[] = {
        {&first, r1::TaskField, "[-100  -  j (-100)] + [-100  -  j (-100)]"},
        {&first, r1::WrongMessageField, "Falsch: -200-j200 ist richtig!"},
        {&first, r1::RightMessageField, "Richtig!!"},
        {&second, r2::DividendField, "  -10  -  j (-10)"},
        {&second, r2::WrongLabelField, "Falsch, richtig ist:"},
        {&second, r2::CorrectRealNumeratorField, "-200"},
        {&second, r2::CorrectDenominatorField, "200"},
        {&second, r2::CorrectImagNumeratorField, "+ j (-200)"}};
    for (const auto& [shownOn, id, text] : longest) {
        QLineEdit* shown = shownOn->control<QLineEdit>(id);
        shown->setText(QString::fromUtf8(text));
        // The text, QLineEdit's margin of two pixels on each side and the cursor's pixel, at the largest size that
        // fits.
        QFont larger = shown->font();
        larger.setPixelSize(larger.pixelSize() + 1);
        EXPECT_LE(QFontMetrics(shown->font()).horizontalAdvance(shown->text()) + 5, shown->width()) << text;
        EXPECT_TRUE(larger.pixelSize() > 16 ||
                    QFontMetrics(larger).horizontalAdvance(shown->text()) + 5 > shown->width())
            << text;
        shown->setText(QStringLiteral("0"));
        EXPECT_EQ(QFontInfo(shown->font()).pixelSize(), 16) << "after " << text;
        EXPECT_EQ(shown->font().weight(), QFont::Weight(670)) << text;
    }
}

// What a screen reader is told beyond the controls: the screen on opening, each verdict, each new task.
TEST_F(ExerciseScreenTest, TheFirstScreenNamesTheRightAnswerAfterAWrongOneAndOffersTheNextTaskOnEnter) {
    AnnouncementLog announced;
    open(ExerciseMode::AddSubtract);
    const QString task = text(r1::TaskField);
    const QString expected = rightAnswer().front();
    QStringList heard{"Additions - / Subtraktions - Modus. Aufgabe: " + task +
                          " Hinweis: Eingabe muss in der Form x+jy, bzw. x-jy erfolgen, also ohne jegliche Leerzeichen "
                          "oder Klammern.",
                      "Falsch: " + expected + " ist richtig!"};
    answer({QStringLiteral("1+j1x")});
    EXPECT_EQ(QStringList({text(r1::WrongMessageField), text(r1::TaskField), text(r1::AnswerField)}),
              QStringList({QStringLiteral("Falsch: %1 ist richtig!").arg(expected), task, "1+j1x"}));
    EXPECT_EQ(focus(), screen->control(r1::NewTaskButton));
    QTest::keyClick(focus(), Qt::Key_Return);
    EXPECT_NE(text(r1::TaskField), task);
    EXPECT_EQ(text(r1::WrongMessageField), QString());
    heard << "Neue Aufgabe: " + text(r1::TaskField) << "Falsch: " + rightAnswer().front() + " ist richtig!";

    answer({QStringLiteral("?")});
    const QString shownTask = text(r1::TaskField);
    coverAndUncover();  // the task stays, and the focus goes back from "neue Aufgabe" to the answer
    EXPECT_EQ(text(r1::TaskField), shownTask);
    EXPECT_EQ(focus(), field(r1::AnswerField));
    answer(rightAnswer());
    EXPECT_EQ(QStringList({text(r1::RightMessageField), text(r1::WrongMessageField), text(r1::AnswerField)}),
              QStringList({"Richtig!!", "", ""}));
    EXPECT_EQ(focus(), field(r1::AnswerField));
    heard << "Richtig!! Neue Aufgabe: " + text(r1::TaskField);
    EXPECT_EQ(announced.said, heard);
}

TEST_F(ExerciseScreenTest, TheDivisionScreenShowsRichtigWithTheNextTaskOrTheCorrectFractionWithItsBar) {
    open(ExerciseMode::Divide);
    AnnouncementLog announced;
    answer(rightAnswer());
    const QString spokenTask = text(r2::DividendField) + " geteilt durch " + text(r2::DivisorField);
    EXPECT_EQ(text(r2::RightMessageField), QStringLiteral("Richtig!!"));
    click(r2::NewTaskButton);
    EXPECT_EQ(text(r2::RightMessageField), QString());

    const QStringList right = rightAnswer();
    const QRect bar(260, 372, 160, 1);
    answer({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    const auto correction = [this] {
        return QStringList{text(r2::RightMessageField), text(r2::WrongLabelField), text(r2::CorrectRealNumeratorField),
                           text(r2::CorrectDenominatorField), text(r2::CorrectImagNumeratorField)};
    };
    EXPECT_EQ(correction(), QStringList({"", "Falsch, richtig ist:", right[0], right[1], "+ j (" + right[2] + ")"}));
    EXPECT_EQ(text(r2::RealNumeratorInput) + text(r2::DenominatorInput) + text(r2::ImagNumeratorInput), "123");
    EXPECT_EQ(focus(), field(r2::ImagNumeratorInput)) << "Enter leaves the focus in its field";
    click(r2::ComputeButton);
    coverAndUncover();
    EXPECT_TRUE(showsColour(screenImage(*screen), bar, Qt::black));
    EXPECT_EQ(focus(), screen->control(r2::ComputeButton))
        << "neither a wrong answer nor uncovering the screen moves the focus";
    fill(right);
    click(r2::ComputeButton);
    EXPECT_EQ(correction(), QStringList({"Richtig!!", "", "", "", ""}));
    EXPECT_EQ(field(r2::WrongLabelField)->accessibleDescription(), QString()) << "no old fraction left to hear";
    EXPECT_FALSE(showsColour(screenImage(*screen), bar, Qt::black));
    const QStringList nextRight = rightAnswer();
    QTest::qWait(QApplication::doubleClickInterval());  // a press of its own, not the second of a double click
    click(r2::ComputeButton);  // the new task's inputs are empty: a wrong answer takes "Richtig!!" away
    EXPECT_EQ(text(r2::RightMessageField), QString());
    EXPECT_EQ(announced.said.front(), "Richtig!! Neue Aufgabe: " + spokenTask);
    EXPECT_EQ(announced.said.back(), QStringLiteral("Falsch, richtig ist: Zähler: %1 + j (%2), Nenner: %3")
                                         .arg(nextRight[0], nextRight[2], nextRight[1]));
}

// The Tab order of the inputs shows in the reference pictures, where the answers are typed with Tab between them.
TEST_F(ExerciseScreenTest, TheDivisionInputsRefuseWholeWhatWouldMakeThemLongerThanFourCharacters) {
    open(ExerciseMode::Divide);
    QLineEdit* input = field(r2::RealNumeratorInput);
    const auto paste = [input](const char* text) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(text));
        QTest::keySequence(input, QKeySequence::Paste);
        return input->text();
    };
    EXPECT_EQ(paste("-1000"), QString()) << "a paste cut to -100 might be judged right";
    EXPECT_EQ(paste("-10"), QStringLiteral("-10"));
    EXPECT_EQ(paste("00"), QStringLiteral("-10"));
    QTest::keyClicks(input, QStringLiteral("05"));
    EXPECT_EQ(input->text(), QStringLiteral("-100")) << "typing stops at the fourth character";
}

}  // namespace
}  // namespace tessaro::testing
