// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/Rechnen1.h"

#include "dialogkit/Announcement.h"
#include "dialogkit/DialogMetrics.h"
#include "dialogkit/FieldText.h"
#include "dialogkit/InputLimit.h"
#include "dialogkit/PaintedText.h"
#include "dialogkit/ProgramState.h"
#include "dialogkit/ScreenColours.h"
#include "logic/ExerciseTask.h"
#include "resources/templates/Rechnen1Template.h"
#include "screens/ExerciseModes.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using namespace tessaro;

namespace {
constexpr int kAnswerLength = 200;  // far more than any answer, and than a student types by mistake
}  // namespace

Rechnen1::Rechnen1(QWidget* parent)
    : ExerciseScreen(rechnen1::dialogTemplate(),
                     {.answer = rechnen1::AnswerField,
                      .compute = rechnen1::ComputeButton,
                      .newTask = rechnen1::NewTaskButton,
                      .reset = rechnen1::ResetButton,
                      .rule = rechnen1::RuleButton,
                      .rightCount = rechnen1::RightCountField,
                      .wrongCount = rechnen1::WrongCountField,
                      .percent = rechnen1::PercentField,
                      .workedSolution = rechnen1::WorkedSolutionButton},
                     parent),
      taskField_(control<QLineEdit>(rechnen1::TaskField)),
      answerField_(control<QLineEdit>(rechnen1::AnswerField)),
      wrongMessageField_(control<QLineEdit>(rechnen1::WrongMessageField)),
      newTaskButton_(control<QPushButton>(rechnen1::NewTaskButton)),
      rightMessageField_(control<QLineEdit>(rechnen1::RightMessageField)) {
    setResultColours(*wrongMessageField_, *rightMessageField_);
    useFieldFont({taskField_, answerField_, wrongMessageField_, rightMessageField_});
    limitInput(*answerField_, kAnswerLength);
}

void Rechnen1::paintEvent(QPaintEvent* event) {
    ExerciseScreen::paintEvent(event);
    QPainter painter(this);
    drawPaintedText(painter, {305, 150}, QStringLiteral("="), arialFont(24), Qt::black);
    paintModeHeading(painter);
}

// Back on the screen, whatever covered it but its worked solution, the student types the answer again.
void Rechnen1::changeEvent(QEvent* event) {
    ExerciseScreen::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !backFromLookingAside())
        answerField_->setFocus();
}

QString Rechnen1::spokenTask() const { return taskField_->text(); }

void Rechnen1::startNewTask() {
    answerField_->clear();
    wrongMessageField_->clear();
    rightMessageField_->clear();
    showTally();
    answerField_->setFocus();
    ProgramState& state = programState();
    if (const ExerciseModeRow* row = exerciseModeRow(state.currentMode); row && row->makeTask) {
        const ExerciseTask task = row->makeTask(state.random);
        showText(*taskField_, task.taskText);
        state.expectedAnswer = task.expectedAnswer;
        setWorkedTask(task.numbers);
    }
}

void Rechnen1::evaluateAnswer() {
    const std::string& expected = programState().expectedAnswer;
    const std::string typed = answerField_->text().toStdString();
    const bool right = isRightAnswer(typed, expected);
    recordVerdict(right, {typed});
    if (right) {
        answerField_->clear();
        startNewTask();
        showText(*rightMessageField_, rightVerdict());
        answerField_->setFocus();
        announceNewTask(rightMessageField_->text());
    } else {
        rightMessageField_->clear();
        showText(*wrongMessageField_, tr("Falsch: %1 ist richtig!").arg(toQString(expected)));
        newTaskButton_->setFocus();
        announce(*this, wrongMessageField_->text());
    }
}
