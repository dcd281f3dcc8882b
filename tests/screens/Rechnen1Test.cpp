// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseScreenTesting.h"
#include "ExerciseTask.h"
#include "ModalDriver.h"
#include "ProgramState.h"
#include "Rechnen1.h"
#include "ScreenColours.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

class Rechnen1Test : public ScreenTest {
protected:
    void open(ExerciseMode mode) {
        prepareExercise(mode);
        screen = std::make_unique<Rechnen1>();
        showAndPaint(*screen);
    }
    QLineEdit* field(int id) const { return screen->control<QLineEdit>(id); }
    QString text(int id) const { return field(id)->text(); }
    QWidget* focus() const { return screen->focusWidget(); }
    void click(int id) { QTest::mouseClick(screen->control(id), Qt::LeftButton); }
    // The task the screen will draw next, from a copy of the random source.
    ExerciseTask nextTask() const {
        RandomSource copy = programState().random;
        return *makeTask(programState().currentMode, copy);
    }
    void answer(const QString& typed) {
        typeInto(*field(1012), typed);
        QTest::keyClick(field(1012), Qt::Key_Return);
    }
    QString expected() const { return QString::fromStdString(programState().expectedAnswer); }
    QStringList counts() const { return {text(1006), text(1007), text(1005)}; }

    std::unique_ptr<Rechnen1> screen;
};

TEST_F(Rechnen1Test, OpensWithATaskTheCountsAndTheFocusInTheAnswerField) {
    prepareExercise(ExerciseMode::AddSubtract);
    ScoreTally& tally = programState().tally;
    tally.countAnswer();
    tally.addWrong();
    tally.updatePercent();
    const ExerciseTask first = nextTask();
    screen = std::make_unique<Rechnen1>();
    showAndPaint(*screen);

    EXPECT_EQ(text(1001).toStdString(), first.taskText);
    EXPECT_EQ(programState().expectedAnswer, first.expectedAnswer);
    EXPECT_EQ(counts(), QStringList({"0", "1", "0 Prozent richtig"}));
    for (int id : {1012, 1013, 1014})
        EXPECT_TRUE(text(id).isEmpty()) << id;
    EXPECT_EQ(focus(), field(1012));
    EXPECT_TRUE(programState().firstTaskShown);
}

TEST_F(Rechnen1Test, ARightAnswerIsPraisedInGreenAndFollowedByANewTask) {
    open(ExerciseMode::Multiply);
    const QString right = expected();
    const ExerciseTask following = nextTask();
    answer(right);

    EXPECT_EQ(text(1014), QStringLiteral("Richtig!!"));
    EXPECT_TRUE(text(1013).isEmpty());
    EXPECT_TRUE(text(1012).isEmpty());
    EXPECT_EQ(text(1001).toStdString(), following.taskText);
    EXPECT_EQ(counts(), QStringList({"1", "0", "100 Prozent richtig"}));
    EXPECT_EQ(focus(), field(1012));
    EXPECT_TRUE(showsColour(screenImage(*screen), field(1014)->geometry(), kRightGreen));
}

TEST_F(Rechnen1Test, AWrongAnswerShowsTheRightOneInRedAndKeepsTheTask) {
    open(ExerciseMode::AddSubtract);
    const QString task = text(1001);
    answer(QStringLiteral("1+j1x"));

    EXPECT_EQ(text(1013), QStringLiteral("Falsch: %1 ist richtig!").arg(expected()));
    EXPECT_TRUE(text(1014).isEmpty());
    EXPECT_EQ(text(1001), task);
    EXPECT_EQ(text(1012), QStringLiteral("1+j1x"));
    EXPECT_EQ(counts(), QStringList({"0", "1", "0 Prozent richtig"}));
    EXPECT_EQ(focus(), screen->control(1015));
    EXPECT_TRUE(showsColour(screenImage(*screen), field(1013)->geometry(), kWrongRed));
}

TEST_F(Rechnen1Test, AWrongMessageWiderThanItsFieldShowsItsBeginningEvenWhenRepeated) {
    open(ExerciseMode::AddSubtract);
    for (int check = 0; check < 2; ++check) {
        click(1002);
        EXPECT_EQ(field(1013)->cursorPosition(), 0) << check;
    }
}

TEST_F(Rechnen1Test, EnterAfterAWrongAnswerDrawsTheNextTask) {
    open(ExerciseMode::Modulus);
    answer(QStringLiteral("-1"));
    const ExerciseTask following = nextTask();
    QTest::keyClick(focus(), Qt::Key_Return);

    EXPECT_EQ(text(1001).toStdString(), following.taskText);
    EXPECT_TRUE(text(1013).isEmpty());
    EXPECT_TRUE(text(1012).isEmpty());
    EXPECT_EQ(counts(), QStringList({"0", "1", "0 Prozent richtig"}));
    EXPECT_EQ(focus(), field(1012));
}

TEST_F(Rechnen1Test, ACorrectedAnswerCountsTwiceAndClearsTheWrongMessage) {
    open(ExerciseMode::AddSubtract);
    const QString right = expected();
    answer(QStringLiteral("falsch"));
    field(1012)->clear();
    answer(right);

    EXPECT_EQ(counts(), QStringList({"1", "1", "50 Prozent richtig"}));
    EXPECT_TRUE(text(1013).isEmpty());
    EXPECT_EQ(text(1014), QStringLiteral("Richtig!!"));
}

TEST_F(Rechnen1Test, WhateverIsTypedOrPastedIsJudgedAndCounted) {
    open(ExerciseMode::AddSubtract);
    const QString typedAnswers[] = {QString(),
                                    QStringLiteral("   "),
                                    QStringLiteral("abc"),
                                    QStringLiteral("ä+jö"),
                                    expected() + QStringLiteral(" "),
                                    QStringLiteral(" ") + expected(),
                                    QString(QChar(0x20AC)) + expected(),
                                    QString(100000, QLatin1Char('7'))};
    int checks = 0;
    for (const QString& typed : typedAnswers) {
        field(1012)->setText(typed);  // as pasted
        click(1002);
        ++checks;
        EXPECT_EQ(text(1013), QStringLiteral("Falsch: %1 ist richtig!").arg(expected()))
            << typed.left(20).toStdString();
    }
    const ScoreTally& tally = programState().tally;
    EXPECT_EQ(tally.answered(), checks);
    EXPECT_EQ(tally.answered(), tally.right() + tally.wrong());
    EXPECT_EQ(text(1007), QString::number(checks));
}

TEST_F(Rechnen1Test, ADoubleClickOnBerechnenChecksTwice) {
    open(ExerciseMode::AddSubtract);
    field(1012)->setText(expected());
    doubleClick(*screen->control(1002));
    // The second click checks the emptied answer field against the new task.
    EXPECT_EQ(counts(), QStringList({"1", "1", "50 Prozent richtig"}));
    EXPECT_EQ(text(1013), QStringLiteral("Falsch: %1 ist richtig!").arg(expected()));
}

TEST_F(Rechnen1Test, NewTaskDrawsATaskAndEmptiesTheMessagesButKeepsTheCounts) {
    open(ExerciseMode::Multiply);
    answer(QStringLiteral("0"));
    const ExerciseTask following = nextTask();
    click(1015);

    EXPECT_EQ(text(1001).toStdString(), following.taskText);
    for (int id : {1012, 1013, 1014})
        EXPECT_TRUE(text(id).isEmpty()) << id;
    EXPECT_EQ(counts(), QStringList({"0", "1", "0 Prozent richtig"}));
}

TEST_F(Rechnen1Test, ResetShowsZeroCountsAndANewTask) {
    open(ExerciseMode::AddSubtract);
    answer(expected());
    answer(QStringLiteral("x"));
    const ExerciseTask following = nextTask();
    click(1009);

    EXPECT_EQ(counts(), QStringList({"0", "0", "0 Prozent richtig"}));
    EXPECT_EQ(text(1001).toStdString(), following.taskText);
    EXPECT_EQ(programState().tally.answered(), 0.0);
}

TEST_F(Rechnen1Test, ARepaintKeepsTheTaskAndPutsTheFocusBackIntoTheAnswerField) {
    open(ExerciseMode::AddSubtract);
    answer(QStringLiteral("nein"));
    ASSERT_EQ(focus(), screen->control(1015));
    const QString task = text(1001);
    const QString message = text(1013);
    repaintNow(*screen);

    EXPECT_EQ(text(1001), task);
    EXPECT_EQ(text(1013), message);
    EXPECT_EQ(focus(), field(1012));
}

TEST_F(Rechnen1Test, TypingIntoACountFieldChangesOnlyItsTextUntilTheNextCheck) {
    open(ExerciseMode::AddSubtract);
    typeInto(*field(1006), QStringLiteral("99"));
    EXPECT_EQ(programState().tally.right(), 0.0);
    answer(QStringLiteral("?"));
    EXPECT_EQ(counts(), QStringList({"0", "1", "0 Prozent richtig"}));
}

struct RulePageOfMode {
    ExerciseMode mode;
    const char* page;
    const char* title;
    QPoint titlePosition;
};

class Rechnen1Mode : public Rechnen1Test, public ::testing::WithParamInterface<RulePageOfMode> {};

TEST_P(Rechnen1Mode, RuleButtonOpensThePageOfTheModeAndReturnsToTheAnswerField) {
    open(GetParam().mode);
    answer(QStringLiteral("7"));
    const QStringList before = {text(1001), text(1012), text(1013), text(1014)};
    OpenedScreen opened;
    recordAndCloseNextModal(screen.get(), opened);
    click(1028);

    EXPECT_EQ(opened.className, QString::fromLatin1(GetParam().page));
    EXPECT_EQ(QStringList({text(1001), text(1012), text(1013), text(1014)}), before);
    EXPECT_EQ(focus(), field(1012));
}

TEST_P(Rechnen1Mode, PaintsTheTitleInRedTheEqualsSignAndTheHint) {
    open(GetParam().mode);
    const QImage image = screenImage(*screen);
    const QPoint title = GetParam().titlePosition;
    EXPECT_TRUE(showsColour(image, QRect(title, QSize(150, 24)), kTitleRed));
    EXPECT_FALSE(showsColour(image, QRect(title - QPoint(0, 26), QSize(150, 24)), kTitleRed));
    // "=" between the task and the answer field, "Hinweis:" underlined under the answer field.
    EXPECT_TRUE(showsColour(image, QRect(305, 150, 14, 24), Qt::black));
    EXPECT_TRUE(showsColour(image, QRect(400, 200, 50, 14), Qt::black));
    EXPECT_TRUE(showsColour(image, QRect(400, 215, 200, 28), Qt::black));
    const QRect taskField = field(1001)->geometry();
    const QRect answerField = field(1012)->geometry();
    EXPECT_GT(305, taskField.right());
    EXPECT_LT(305 + 14, answerField.left());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Rechnen1Mode,
    ::testing::Values(
        RulePageOfMode{ExerciseMode::AddSubtract, "Addition", "Additions - / Subtraktions - Modus", {200, 40}},
        RulePageOfMode{ExerciseMode::Modulus, "Betrag", "Betrags - Modus", {250, 40}},
        RulePageOfMode{ExerciseMode::Multiply, "Multiplikatioin", "Multiplikations - Modus", {250, 40}}),
    [](const auto& info) { return std::string(info.param.page); });

}  // namespace
