// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Both exercise screens played as a student plays them: typed answers, clicks and keys, then what the screen shows,
// where the focus is and what the tally counts.

#include "Announcement.h"
#include "DivisionTask.h"
#include "ExerciseTask.h"
#include "ProgramState.h"
#include "Rechnen1.h"
#include "Rechnen1Template.h"
#include "Rechnen2.h"
#include "Rechnen2Template.h"
#include "ScreenTesting.h"

#include <QAccessibleEvent>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <random>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define TESSARO_FREED_MEMORY_QUARANTINED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSARO_FREED_MEMORY_QUARANTINED 1
#endif
#endif

namespace tessaro::testing {
namespace {

namespace r1 = rechnen1;
namespace r2 = rechnen2;

// One exercise screen in one mode, with the ids of what the tests touch.
struct Kind {
    const char* name;
    ExerciseMode mode;
    std::unique_ptr<ExerciseScreen> (*make)();
    int compute, newTask, reset, rule, task;
    std::vector<int> inputs;
    const char* rulePage;
};
void PrintTo(const Kind& kind, std::ostream* out) { *out << kind.name; }

template <class Screen>
std::unique_ptr<ExerciseScreen> make() {
    return std::make_unique<Screen>();
}

Kind firstScreen(const char* name, ExerciseMode mode, const char* rulePage) {
    return {name,           mode,          make<Rechnen1>,    r1::ComputeButton, r1::NewTaskButton, r1::ResetButton,
            r1::RuleButton, r1::TaskField, {r1::AnswerField}, rulePage};
}
const Kind kFirst = firstScreen("AddSubtract", ExerciseMode::AddSubtract, "Addition");
const Kind kModulus = firstScreen("Modulus", ExerciseMode::Modulus, "Betrag");
const Kind kMultiply = firstScreen("Multiply", ExerciseMode::Multiply, "Multiplikatioin");
const Kind kSecond{
    "Divide",          ExerciseMode::Divide, make<Rechnen2>,
    r2::ComputeButton, r2::NewTaskButton,    r2::ResetButton,
    r2::RuleButton,    r2::DividendField,    {r2::RealNumeratorInput, r2::DenominatorInput, r2::ImagNumeratorInput},
    "Division"};

class ExerciseScreenTest : public ScreenTest {
protected:
    void open(const Kind& opened) {
        kind = opened;
        screen = kind.make();
        showAndPaint(*screen);
    }
    QLineEdit* field(int id) const { return screen->control<QLineEdit>(id); }
    QString text(int id) const { return field(id)->text(); }
    QWidget* focus() const { return screen->focusWidget(); }
    void click(int id) { QTest::mouseClick(screen->control(id), Qt::LeftButton); }
    // Replaces what the field holds, as a student does who selects it all and types.
    void type(int id, const QString& typed) {
        field(id)->setFocus();
        field(id)->selectAll();
        QTest::keyClicks(field(id), typed);
    }
    void fill(const QStringList& texts) {
        for (std::size_t i = 0; i < kind.inputs.size(); ++i)
            field(kind.inputs[i])->setText(texts.value(static_cast<qsizetype>(i)));
    }
    // Types into every input and presses Enter in the last one.
    void answer(const QStringList& typed) {
        for (std::size_t i = 0; i < kind.inputs.size(); ++i)
            type(kind.inputs[i], typed.value(static_cast<qsizetype>(i)));
        QTest::keyClick(focus(), Qt::Key_Return);
    }
    QStringList counts() const {
        return {text(r1::RightCountField), text(r1::WrongCountField), text(r1::PercentField)};  // same on both
    }
    QStringList rightAnswer() const { return rightAnswerShownOn(*screen); }

    Kind kind{};
    std::unique_ptr<ExerciseScreen> screen;
};

class BothScreens : public ExerciseScreenTest, public ::testing::WithParamInterface<Kind> {
protected:
    void SetUp() override {
        ExerciseScreenTest::SetUp();
        prepareExercise(GetParam().mode);
    }
};

TEST_P(BothScreens, OpenWithANewTaskTheCountsSoFarAndTheFocusInTheFirstInput) {
    ScoreTally& tally = programState().tally;
    tally.countAnswer();
    tally.addWrong();
    tally.updatePercent();
    open(GetParam());
    EXPECT_FALSE(text(kind.task).isEmpty());
    EXPECT_TRUE(programState().firstTaskShown);
    EXPECT_EQ(counts(), QStringList({"0", "1", "0 Prozent richtig"}));
    EXPECT_EQ(focus(), field(kind.inputs[0]));
}

TEST_P(BothScreens, CountEveryCheckKeepTheCountsOnANewTaskAndZeroThemOnAReset) {
    open(GetParam());
    answer({QStringLiteral("x")});
    answer(rightAnswer());  // the same task, corrected
    EXPECT_EQ(counts(), QStringList({"1", "1", "50 Prozent richtig"}));
    answer(rightAnswer());
    EXPECT_EQ(counts(), QStringList({"2", "1", "67 Prozent richtig"}));
    for (const auto& [button, countsAfter] : {std::pair{kind.newTask, QStringList{"2", "2", "50 Prozent richtig"}},
                                              std::pair{kind.reset, QStringList{"0", "0", "0 Prozent richtig"}}}) {
        answer({QStringLiteral("x")});
        RandomSource copy = programState().random;
        const std::string next = kind.mode == ExerciseMode::Divide ? makeDivisionTask(copy).dividend.text
                                                                   : makeTask(kind.mode, copy)->taskText;
        click(button);
        EXPECT_EQ(counts(), countsAfter);
        EXPECT_EQ(text(kind.task).toStdString(), next);
        for (QLineEdit* shown : screen->findChildren<QLineEdit*>()) {  // no verdict and no correct answer left
            const bool result = shown->isReadOnly() && shown != field(kind.task) && shown != field(r2::DivisorField);
            EXPECT_TRUE(!result || shown->text().isEmpty()) << shown->accessibleName().toStdString();
        }
        EXPECT_EQ(focus(), field(kind.inputs[0]));
    }
}

TEST_P(BothScreens, CheckTwiceOnADoubleClickOnBerechnen) {
    open(GetParam());
    fill(rightAnswer());
    doubleClick(*screen->control(kind.compute));
    // The second click checks the emptied inputs against the new task.
    EXPECT_EQ(counts(), QStringList({"1", "1", "50 Prozent richtig"}));
}

TEST_P(BothScreens, OpenTheRulePageOfTheirModeAndReturnTheFocusToTheFirstInput) {
    open(GetParam());
    answer({QStringLiteral("7")});
    const QString task = text(kind.task);
    EXPECT_EQ(classOfScreenOpenedBy(screen.get(), [this] { click(kind.rule); }), GetParam().rulePage);
    EXPECT_EQ(text(kind.task), task);
    EXPECT_EQ(focus(), field(kind.inputs[0]));
}

TEST_P(BothScreens, PressNewTaskResetAndTheRuleButtonOnAltNAltAAndAltRFromAnywhereOnTheScreen) {
    open(GetParam());
    answer({QStringLiteral("x")});
    const QString task = text(kind.task);
    QTest::keyClick(field(kind.inputs.back()), Qt::Key_N, Qt::AltModifier);
    EXPECT_NE(text(kind.task), task);
    EXPECT_EQ(counts(), QStringList({"0", "1", "0 Prozent richtig"}));
    screen->control(kind.compute)->setFocus();
    QTest::keyClick(focus(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(counts(), QStringList({"0", "0", "0 Prozent richtig"}));
    EXPECT_EQ(classOfScreenOpenedBy(screen.get(), [this] { QTest::keyClick(focus(), Qt::Key_R, Qt::AltModifier); }),
              GetParam().rulePage);
    for (const auto& [button, key] : {std::pair{kind.newTask, "N"}, {kind.reset, "A"}, {kind.rule, "R"}}) {
        const QString named = QStringLiteral("Tastenkürzel: Alt+") + key;
        EXPECT_EQ(screen->control(button)->toolTip(), named);
        EXPECT_EQ(screen->control(button)->accessibleDescription(), named);
    }
}

// The longest text each read-only field can be given, and a short one after it.
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
        {&second, r2::CorrectImagNumeratorField, "+ j (-200)"},
        {&second, r2::RightMessageField, "Richtig!!"}};
    for (const auto& [screen, id, text] : longest) {
        QLineEdit* field = screen->control<QLineEdit>(id);
        field->setText(QString::fromUtf8(text));
        // The text, QLineEdit's margin of two pixels on each side and the cursor's pixel.
        EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(field->text()) + 5, field->width()) << text;
        EXPECT_LE(field->font().pixelSize(), 16) << text;
        field->setText(QStringLiteral("0"));
        EXPECT_EQ(QFontInfo(field->font()).pixelSize(), 16) << "after " << text;
        EXPECT_EQ(field->font().weight(), QFont::Weight(670)) << text;
    }
}

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// A student at work: right answers, near misses, nothing, pasted floods and foreign scripts, with new tasks,
// resets, a rule page and reopenings between them. The tally must agree with the test's own count after every
// check and the count fields at the end; the memory may not grow. TESSARO_SOAK_CHECKS=N plays N checks.
TEST_P(BothScreens, KeepTheTallyExactAndTheMemoryFlatOverThousandsOfChecks) {
    const int checks =
        qEnvironmentVariableIsSet("TESSARO_SOAK_CHECKS") ? qEnvironmentVariableIntValue("TESSARO_SOAK_CHECKS") : 3000;
    open(GetParam());
    std::mt19937 random(7);
    const auto pick = [&random](int count) { return std::uniform_int_distribution(0, count - 1)(random); };
    const QString foreign[] = {QStringLiteral("３+j４"), QStringLiteral("3−j4"), QStringLiteral("\u202e4j+3"),
                               QStringLiteral("😀")};
    long right = 0, wrong = 0, steadyMemory = 0;
    for (int check = 0; check < checks; ++check) {
        if (check % 500 == 499) {  // closed and opened again from the main menu
            programState().firstTaskShown = false;
            open(kind);
        }
        if (check == checks / 2)
            classOfScreenOpenedBy(screen.get(), [this] { screen->control<QPushButton>(kind.rule)->click(); });
        if (check % 700 == 699) {
            screen->control<QPushButton>(kind.reset)->click();
            right = wrong = 0;
        }
        if (check % 37 == 36)
            screen->control<QPushButton>(kind.newTask)->click();

        const QStringList due = rightAnswer();
        QStringList typed = due;
        QString& spoilt = typed[pick(static_cast<int>(typed.size()))];
        const int roll = check % 250 == 249 ? -1 : pick(5);
        if (roll < 0)
            spoilt = spoilt.leftJustified(100'000, QLatin1Char('0'));
        else if (roll == 2)
            spoilt += QLatin1Char(pick(2) ? ' ' : '0');
        else if (roll == 3)
            spoilt.clear();
        else if (roll == 4)
            spoilt = foreign[pick(4)];
        fill(typed);
        bool isRight = true;  // only the exact text of every input counts
        for (std::size_t i = 0; i < kind.inputs.size(); ++i)
            isRight = isRight && text(kind.inputs[i]) == due[static_cast<qsizetype>(i)];
        screen->control<QPushButton>(kind.compute)->click();
        ++(isRight ? right : wrong);
        ASSERT_EQ(std::pair(programState().tally.right(), programState().tally.wrong()),
                  std::pair(double(right), int(wrong)))
            << "check " << check;
        if (check % 16 == 0)
            QApplication::processEvents();
        if (check + 1 == checks / 10)
            steadyMemory = residentBytes();
    }
    QApplication::processEvents();
    const long percent = right + wrong == 0 ? 0 : (200 * right + right + wrong) / (2 * (right + wrong));
    EXPECT_EQ(counts(), QStringList({QString::number(right), QString::number(wrong),
                                     QStringLiteral("%1 Prozent richtig").arg(percent)}));
#ifndef TESSARO_FREED_MEMORY_QUARANTINED  // AddressSanitizer holds freed memory back
    EXPECT_LE(residentBytes(), steadyMemory + 8 * 1024 * 1024) << "the resident size grew";
#endif
}

INSTANTIATE_TEST_SUITE_P(Screens, BothScreens, ::testing::Values(kFirst, kModulus, kMultiply, kSecond),
                         [](const auto& info) { return std::string(info.param.name); });

class Rechnen1Test : public ExerciseScreenTest {
protected:
    void SetUp() override {
        ExerciseScreenTest::SetUp();
        prepareExercise(ExerciseMode::AddSubtract);
        open(kFirst);
    }
};

TEST_F(Rechnen1Test, PraisesARightAnswerAndShowsTheNextTask) {
    RandomSource copy = programState().random;
    const ExerciseTask next = *makeTask(ExerciseMode::AddSubtract, copy);
    answer(rightAnswer());
    EXPECT_EQ(QStringList({text(r1::RightMessageField), text(r1::TaskField), text(r1::AnswerField)}),
              QStringList({"Richtig!!", QString::fromStdString(next.taskText), ""}));
    EXPECT_EQ(focus(), field(r1::AnswerField));
}

TEST_F(Rechnen1Test, NamesTheRightAnswerAfterAWrongOneAndOffersTheNextTaskOnEnter) {
    const QString task = text(r1::TaskField);
    const QString expected = rightAnswer().front();
    answer({QStringLiteral("1+j1x")});
    EXPECT_EQ(QStringList({text(r1::WrongMessageField), text(r1::TaskField), text(r1::AnswerField),
                           text(r1::RightMessageField)}),
              QStringList({QStringLiteral("Falsch: %1 ist richtig!").arg(expected), task, "1+j1x", ""}));
    EXPECT_EQ(focus(), screen->control(r1::NewTaskButton));
    QTest::keyClick(focus(), Qt::Key_Return);
    EXPECT_NE(text(r1::TaskField), task);
    EXPECT_EQ(text(r1::WrongMessageField), QString());

    answer({QStringLiteral("?")});
    repaintNow(*screen);  // as when the screen is uncovered: the task stays, the focus goes back to the answer
    EXPECT_EQ(focus(), field(r1::AnswerField));
}

class Rechnen2Test : public ExerciseScreenTest {
protected:
    void SetUp() override {
        ExerciseScreenTest::SetUp();
        prepareExercise(ExerciseMode::Divide);
        open(kSecond);
    }
    QStringList correction() const {
        return {text(r2::WrongLabelField), text(r2::CorrectRealNumeratorField), text(r2::CorrectDenominatorField),
                text(r2::CorrectImagNumeratorField)};
    }
};

TEST_F(Rechnen2Test, KeepsRichtigOnDisplayWithTheNextTaskUntilANewTaskOrAWrongAnswer) {
    answer(rightAnswer());
    EXPECT_EQ(text(r2::RightMessageField), QStringLiteral("Richtig!!"));
    EXPECT_EQ(text(r2::RealNumeratorInput) + text(r2::DenominatorInput) + text(r2::ImagNumeratorInput), QString());
    EXPECT_EQ(focus(), field(r2::RealNumeratorInput));
    click(r2::ComputeButton);  // the new task's inputs are empty
    EXPECT_EQ(text(r2::RightMessageField), QString());
    answer(rightAnswer());
    click(r2::NewTaskButton);
    EXPECT_EQ(text(r2::RightMessageField), QString());
}

TEST_F(Rechnen2Test, ShowsTheCorrectFractionWithItsBarUntilTheNextRightAnswer) {
    const QStringList right = rightAnswer();
    const QRect bar(260, 372, 160, 1);
    answer({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    EXPECT_EQ(correction(), QStringList({"Falsch, richtig ist:", right[0], right[1], "+ j (" + right[2] + ")"}));
    EXPECT_EQ(QStringList({text(r2::RealNumeratorInput), text(r2::DenominatorInput), text(r2::ImagNumeratorInput)}),
              QStringList({"1", "2", "3"}));
    EXPECT_EQ(focus(), field(r2::ImagNumeratorInput)) << "Enter leaves the focus in its field";
    click(r2::ComputeButton);
    repaintNow(*screen);
    EXPECT_TRUE(showsColour(screenImage(*screen), bar, Qt::black));
    EXPECT_EQ(focus(), screen->control(r2::ComputeButton)) << "neither a wrong answer nor a paint moves the focus";

    fill(right);
    click(r2::ComputeButton);
    EXPECT_EQ(correction(), QStringList({"", "", "", ""}));
    EXPECT_FALSE(showsColour(screenImage(*screen), bar, Qt::black));
}

TEST_F(Rechnen2Test, TabsThroughTheThreeInputsThatRefuseWholeWhatWouldMakeThemLongerThanFourCharacters) {
    for (int next : {r2::DenominatorInput, r2::ImagNumeratorInput, r2::RealNumeratorInput}) {
        QTest::keyClick(focus(), Qt::Key_Tab);
        EXPECT_EQ(focus(), field(next));
    }
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

// Every verdict is announced on the field that shows it.
TEST_F(ExerciseScreenTest, AnnounceEveryVerdictToScreenReaders) {
    static std::vector<QObject*> alerted;
    alerted.clear();
    observeAnnouncements([](QAccessibleEvent* event) { alerted.push_back(event->object()); });
    prepareExercise(ExerciseMode::Multiply);
    open(kMultiply);
    answer(rightAnswer());
    answer({QStringLiteral("?")});
    EXPECT_EQ(alerted, (std::vector<QObject*>{field(r1::RightMessageField), field(r1::WrongMessageField)}));
    prepareExercise(ExerciseMode::Divide);
    open(kSecond);
    answer({QStringLiteral("?")});
    EXPECT_EQ(alerted.back(), field(r2::WrongLabelField));
    observeAnnouncements(nullptr);
}

}  // namespace
}  // namespace tessaro::testing
