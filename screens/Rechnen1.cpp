// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/Rechnen1.h"

#include "dialogkit/Announcement.h"
#include "dialogkit/DialogMetrics.h"
#include "dialogkit/FieldText.h"
#include "dialogkit/PaintedText.h"
#include "dialogkit/ProgramState.h"
#include "dialogkit/ScreenColours.h"
#include "dialogkit/ScreenOpener.h"
#include "logic/ExerciseTask.h"
#include "resources/templates/Rechnen1Template.h"
#include "screens/RulePages.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using namespace tessaro;

namespace {

struct ModeHeading {
    QPoint titlePosition;
    const char* title;
    std::initializer_list<const char*> hintLines;
};

// The texts are translated when they are painted, in the context of the screen.
const ModeHeading* headingOf(ExerciseMode mode) {
    static const std::initializer_list<const char*> formHint = {
        QT_TRANSLATE_NOOP("Rechnen1", "Eingabe muss in der Form x+jy, bzw. x-jy erfolgen,"),
        QT_TRANSLATE_NOOP("Rechnen1", "also ohne jegliche Leerzeichen oder Klammern.")};
    static const ModeHeading addSubtract{
        {200, 40}, QT_TRANSLATE_NOOP("Rechnen1", "Additions - / Subtraktions - Modus"), formHint};
    static const ModeHeading modulus{
        {250, 40},
        QT_TRANSLATE_NOOP("Rechnen1", "Betrags - Modus        "),
        {QT_TRANSLATE_NOOP("Rechnen1", "Aus Grund der Berechenbarkeit ohne Taschenrechner"),
         QT_TRANSLATE_NOOP("Rechnen1", "treten nur ganzzahlige Ergebnisse auf."),
         QT_TRANSLATE_NOOP("Rechnen1", "Deshalb ist die Anzahl der möglichen Übungsaufgaben"),
         QT_TRANSLATE_NOOP("Rechnen1", "dementsprechend beschränkt.")}};
    static const ModeHeading multiply{{250, 40}, QT_TRANSLATE_NOOP("Rechnen1", "Multiplikations - Modus"), formHint};
    switch (mode) {
    case ExerciseMode::AddSubtract:
        return &addSubtract;
    case ExerciseMode::Modulus:
        return &modulus;
    case ExerciseMode::Multiply:
        return &multiply;
    default:
        return nullptr;
    }
}

}  // namespace

Rechnen1::Rechnen1(QWidget* parent)
    : ExerciseScreen(rechnen1::dialogTemplate(),
                     {.compute = rechnen1::ComputeButton,
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
}

void Rechnen1::paintEvent(QPaintEvent* event) {
    ExerciseScreen::paintEvent(event);
    {
        QPainter painter(this);
        drawPaintedText(painter, {305, 150}, QStringLiteral("="), arialFont(24), Qt::black);
        paintModeTitleAndHint(painter);
    }
    startFirstTaskOnce();
    answerField_->setFocus();
}

void Rechnen1::paintModeTitleAndHint(QPainter& painter) const {
    const ModeHeading* heading = headingOf(programState().currentMode);
    if (!heading)
        return;
    drawPaintedText(painter, heading->titlePosition, tr(heading->title), arialFont(24), kTitleRed);
    QFont underlined = arialFont(14);
    underlined.setUnderline(true);
    drawPaintedText(painter, {400, 200}, tr("Hinweis:"), underlined, Qt::black);
    int y = 215;
    for (const char* line : heading->hintLines) {
        drawPaintedText(painter, {400, y}, tr(line), arialFont(14), Qt::black);
        y += 15;
    }
}

void Rechnen1::startNewTask() {
    answerField_->clear();
    wrongMessageField_->clear();
    rightMessageField_->clear();
    showTally();
    answerField_->setFocus();
    ProgramState& state = programState();
    if (const auto task = makeTask(state.currentMode, state.random)) {
        showText(*taskField_, task->taskText);
        state.expectedAnswer = task->expectedAnswer;
        setWorkedTask(state.currentMode, task->numbers);
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
        announce(*rightMessageField_);
    } else {
        rightMessageField_->clear();
        showText(*wrongMessageField_, tr("Falsch: %1 ist richtig!").arg(toQString(expected)));
        newTaskButton_->setFocus();
        announce(*wrongMessageField_);
    }
}

void Rechnen1::showRulePage() {
    switch (programState().currentMode) {
    case ExerciseMode::AddSubtract:
        openScreen<Addition>();
        break;
    case ExerciseMode::Modulus:
        openScreen<Betrag>();
        break;
    case ExerciseMode::Multiply:
        openScreen<Multiplikatioin>();
        break;
    default:
        break;
    }
    answerField_->setFocus();
}
