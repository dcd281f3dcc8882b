// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DivisionTask.h"
#include "ExerciseScreenTesting.h"
#include "ModalDriver.h"
#include "ProgramState.h"
#include "Rechnen2.h"
#include "ScreenColours.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

constexpr int kRealInput = 1012;
constexpr int kDenominatorInput = 1020;
constexpr int kImagInput = 1013;
const QRect kCorrectAnswerBar(260, 372, 160, 1);

class Rechnen2Test : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        prepareExercise(ExerciseMode::Divide);
        task = nextTask();
        screen = std::make_unique<Rechnen2>();
        showAndPaint(*screen);
    }
    QLineEdit* field(int id) const { return screen->control<QLineEdit>(id); }
    QString text(int id) const { return field(id)->text(); }
    QWidget* focus() const { return screen->focusWidget(); }
    void click(int id) { QTest::mouseClick(screen->control(id), Qt::LeftButton); }
    static DivisionTask nextTask() {
        RandomSource copy = programState().random;
        return makeDivisionTask(copy);
    }
    void enter(const QString& real, const QString& denominator, const QString& imag) {
        typeInto(*field(kRealInput), real);
        typeInto(*field(kDenominatorInput), denominator);
        typeInto(*field(kImagInput), imag);
    }
    void enterRightAnswer() {
        enter(QString::number(task.realNumerator), QString::number(task.denominator),
              QString::number(task.imagNumerator));
    }
    QStringList counts() const { return {text(1006), text(1007), text(1005)}; }
    QStringList correctAnswer() const { return {text(1027), text(1014), text(1022), text(1015)}; }
    bool barShown() { return showsColour(screenImage(*screen), kCorrectAnswerBar, Qt::black); }

    DivisionTask task{};
    std::unique_ptr<Rechnen2> screen;
};

TEST_F(Rechnen2Test, OpensWithTheTaskAsAFractionAndTheFocusInTheRealNumerator) {
    EXPECT_EQ(text(1025).toStdString(), task.dividend.text);
    EXPECT_EQ(text(1026).toStdString(), task.divisor.text);
    EXPECT_EQ(counts(), QStringList({"0", "0", "0 Prozent richtig"}));
    EXPECT_EQ(focus(), field(kRealInput));
    EXPECT_FALSE(barShown());
}

TEST_F(Rechnen2Test, ARightAnswerKeepsRichtigOnDisplayWithTheNextTask) {
    enterRightAnswer();
    const DivisionTask following = nextTask();
    QTest::keyClick(field(kImagInput), Qt::Key_Return);

    EXPECT_EQ(text(1028), QStringLiteral("Richtig!!"));
    EXPECT_EQ(text(1025).toStdString(), following.dividend.text);
    EXPECT_EQ(text(1026).toStdString(), following.divisor.text);
    for (int id : {kRealInput, kDenominatorInput, kImagInput})
        EXPECT_TRUE(text(id).isEmpty()) << id;
    EXPECT_EQ(counts(), QStringList({"1", "0", "100 Prozent richtig"}));
    EXPECT_EQ(focus(), field(kRealInput));
    EXPECT_TRUE(showsColour(screenImage(*screen), field(1028)->geometry(), kRightGreen));
}

TEST_F(Rechnen2Test, AWrongAnswerShowsTheCorrectFractionWithItsBarAndKeepsTheEntries) {
    enter(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    click(1021);

    const DivisionAnswerTexts correct = correctDivisionTexts(task.realNumerator, task.denominator, task.imagNumerator);
    EXPECT_EQ(correctAnswer(), QStringList({"Falsch, richtig ist:", QString::fromStdString(correct.realNumerator),
                                            QString::fromStdString(correct.denominator),
                                            QString::fromStdString(correct.imagNumerator)}));
    EXPECT_TRUE(text(1015).startsWith(QStringLiteral("+ j (")));
    EXPECT_EQ(QStringList({text(kRealInput), text(kDenominatorInput), text(kImagInput)}), QStringList({"1", "2", "3"}));
    EXPECT_EQ(text(1025).toStdString(), task.dividend.text);
    EXPECT_EQ(counts(), QStringList({"0", "1", "0 Prozent richtig"}));
    EXPECT_TRUE(text(1028).isEmpty());
    EXPECT_TRUE(barShown());
    EXPECT_TRUE(showsColour(screenImage(*screen), field(1027)->geometry(), kWrongRed));
    EXPECT_EQ(focus(), screen->control(1021));
}

TEST_F(Rechnen2Test, EnterAfterAWrongAnswerChecksAgainAndLeavesTheFocusInTheField) {
    typeInto(*field(kDenominatorInput), QStringLiteral("0"));
    QTest::keyClick(field(kDenominatorInput), Qt::Key_Return);
    QTest::keyClick(field(kDenominatorInput), Qt::Key_Return);
    EXPECT_EQ(counts(), QStringList({"0", "2", "0 Prozent richtig"}));
    EXPECT_EQ(focus(), field(kDenominatorInput));
}

TEST_F(Rechnen2Test, TheCorrectionOfAWrongAnswerCountsTwoAndRemovesTheCorrectAnswerAndItsBar) {
    click(1021);
    ASSERT_TRUE(barShown());
    enterRightAnswer();
    click(1021);

    EXPECT_EQ(counts(), QStringList({"1", "1", "50 Prozent richtig"}));
    EXPECT_EQ(correctAnswer(), QStringList({"", "", "", ""}));
    EXPECT_FALSE(barShown());
    EXPECT_EQ(text(1028), QStringLiteral("Richtig!!"));
}

struct Clearing {
    int button;
    QStringList countsAfter;
};

class Rechnen2Clearing : public Rechnen2Test, public ::testing::WithParamInterface<Clearing> {};

TEST_P(Rechnen2Clearing, LeavesNoTraceOfTheLastResult) {
    enterRightAnswer();
    click(1021);
    task = nextTask();
    click(1021);
    ASSERT_TRUE(barShown());
    const DivisionTask following = nextTask();
    click(GetParam().button);

    EXPECT_EQ(correctAnswer(), QStringList({"", "", "", ""}));
    EXPECT_TRUE(text(1028).isEmpty());
    EXPECT_FALSE(barShown());
    EXPECT_EQ(text(1025).toStdString(), following.dividend.text);
    EXPECT_EQ(counts(), GetParam().countsAfter);
    EXPECT_EQ(focus(), field(kRealInput));
}

INSTANTIATE_TEST_SUITE_P(Buttons, Rechnen2Clearing,
                         ::testing::Values(Clearing{1010, {"1", "1", "50 Prozent richtig"}},
                                           Clearing{1024, {"0", "0", "0 Prozent richtig"}}),
                         [](const auto& info) { return info.param.button == 1010 ? "NewTask" : "Reset"; });

TEST_F(Rechnen2Test, RichtigSurvivesTheNextTaskButNotAWrongAnswer) {
    enterRightAnswer();
    click(1021);
    ASSERT_EQ(text(1028), QStringLiteral("Richtig!!"));
    click(1021);  // the new task's fields are empty
    EXPECT_TRUE(text(1028).isEmpty());
    EXPECT_EQ(counts(), QStringList({"1", "1", "50 Prozent richtig"}));
}

TEST_F(Rechnen2Test, ADoubleClickOnBerechnenChecksTheNextTaskToo) {
    enterRightAnswer();
    const DivisionTask following = nextTask();
    doubleClick(*screen->control(1021));
    EXPECT_EQ(counts(), QStringList({"1", "1", "50 Prozent richtig"}));
    EXPECT_EQ(text(1014), QString::number(following.realNumerator));
    EXPECT_TRUE(text(1028).isEmpty());
    EXPECT_TRUE(barShown());
}

TEST_F(Rechnen2Test, TabCyclesThroughTheThreeInputs) {
    const int order[] = {kRealInput, kDenominatorInput, kImagInput, kRealInput};
    for (std::size_t step = 0; step + 1 < std::size(order); ++step) {
        ASSERT_EQ(focus(), field(order[step]));
        QTest::keyClick(focus(), Qt::Key_Tab);
        EXPECT_EQ(focus(), field(order[step + 1]));
    }
}

TEST_F(Rechnen2Test, InputsTakeFourCharactersSoNothingTypedIsIgnoredSilently) {
    typeInto(*field(kRealInput), QStringLiteral("-1500"));
    EXPECT_EQ(text(kRealInput), QStringLiteral("-150"));
}

TEST_F(Rechnen2Test, WhateverIsEnteredIsJudgedAndCounted) {
    const std::tuple<QString, QString, QString> entries[] = {
        {"", "", ""}, {" ", "x", "ä"}, {"+1", "05", "1.0"}, {"€", "\t", "--"}};
    for (const auto& [real, denominator, imag] : entries) {
        field(kRealInput)->setText(real);
        field(kDenominatorInput)->setText(denominator);
        field(kImagInput)->setText(imag);
        click(1021);
        EXPECT_EQ(text(1027), QStringLiteral("Falsch, richtig ist:"));
    }
    const ScoreTally& tally = programState().tally;
    EXPECT_EQ(tally.answered(), 4.0);
    EXPECT_EQ(tally.wrong(), 4);
}

TEST_F(Rechnen2Test, ARepaintKeepsTheBarAndRewritesTheCountsWithoutMovingTheFocus) {
    click(1021);
    field(1006)->setText(QStringLiteral("99"));
    field(kImagInput)->setFocus();
    repaintNow(*screen);
    EXPECT_TRUE(barShown());
    EXPECT_EQ(text(1006), QStringLiteral("0"));
    EXPECT_EQ(focus(), field(kImagInput));
    EXPECT_EQ(text(1025).toStdString(), task.dividend.text);
}

TEST_F(Rechnen2Test, RuleButtonOpensTheDivisionPageAndReturnsToTheRealNumerator) {
    click(1021);
    field(kDenominatorInput)->setFocus();
    OpenedScreen opened;
    recordAndCloseNextModal(screen.get(), opened);
    click(1029);
    EXPECT_EQ(opened.className, QStringLiteral("Division"));
    EXPECT_EQ(focus(), field(kRealInput));
    EXPECT_TRUE(barShown());
}

TEST_F(Rechnen2Test, PaintsTheTitleTheSignsAndTheTwoFractionBarsBetweenTheirFields) {
    const QImage image = screenImage(*screen);
    EXPECT_TRUE(showsColour(image, QRect(250, 40, 180, 24), kTitleRed));
    EXPECT_TRUE(showsColour(image, QRect(300, 130, 30, 24), Qt::black));
    EXPECT_TRUE(showsColour(image, QRect(185, 157, 14, 24), Qt::black));
    for (const auto& [from, to] : {std::pair{220, 400}, std::pair{40, 165}}) {
        for (int x = from; x < to; ++x)
            ASSERT_EQ(image.pixelColor(x, 168), QColor(Qt::black)) << x;
        EXPECT_EQ(image.pixelColor(to, 168), kScreenBackground) << to;
    }
    // The task bar lies between dividend and divisor, the answer bar under both numerator inputs.
    EXPECT_LT(field(1025)->geometry().bottom(), 168);
    EXPECT_GT(field(1026)->geometry().top(), 168);
    EXPECT_LT(field(kRealInput)->geometry().bottom(), 168);
    EXPECT_LT(field(kImagInput)->geometry().bottom(), 168);
    EXPECT_GT(field(kDenominatorInput)->geometry().top(), 168);
}

}  // namespace
