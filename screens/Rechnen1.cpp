// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/Rechnen1.h"

#include "dialogkit/DialogMetrics.h"
#include "dialogkit/FieldText.h"
#include "dialogkit/InputLimit.h"
#include "dialogkit/PaintedText.h"
#include "resources/templates/Rechnen1Template.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using namespace tessaro;

namespace {
constexpr int kAnswerLength = 200;  // far more than any answer, and than a student types by mistake
}  // namespace

Rechnen1::Rechnen1(QWidget* parent)
    : ExerciseScreen(rechnen1::dialogTemplate(),
                     {.answers = {rechnen1::AnswerField},
                      .task = rechnen1::TaskField,
                      .rightMessage = rechnen1::RightMessageField,
                      .wrongMessage = rechnen1::WrongMessageField,
                      .compute = rechnen1::ComputeButton,
                      .newTask = rechnen1::NewTaskButton,
                      .reset = rechnen1::ResetButton,
                      .rule = rechnen1::RuleButton,
                      .rightCount = rechnen1::RightCountField,
                      .wrongCount = rechnen1::WrongCountField,
                      .percent = rechnen1::PercentField,
                      .workedSolution = rechnen1::WorkedSolutionButton},
                     true, parent),
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

QString Rechnen1::spokenTask() const { return taskField_->text(); }

QString Rechnen1::spokenWrongVerdict() const { return wrongMessageField_->text(); }

void Rechnen1::showTask(const ExerciseTask& task) {
    answerField_->clear();
    wrongMessageField_->clear();
    rightMessageField_->clear();
    showText(*taskField_, task.shown.empty() ? std::string() : task.shown.front());
}

TypedAnswer Rechnen1::typedAnswer() const { return {answerField_->text().toStdString()}; }

void Rechnen1::showRightVerdict(const QString& verdict) { showText(*rightMessageField_, verdict); }

void Rechnen1::showWrongVerdict(const ExerciseTask& task) {
    rightMessageField_->clear();
    showText(*wrongMessageField_, tr("Falsch: %1 ist richtig!").arg(toQString(task.fields.front().shown)));
    newTaskButton_->setFocus();
}
