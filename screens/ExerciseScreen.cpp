// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/ExerciseScreen.h"

#include "dialogkit/DialogMetrics.h"
#include "dialogkit/FieldText.h"
#include "dialogkit/PictureButtonSetup.h"
#include "dialogkit/ProgramState.h"
#include "dialogkit/ScreenColours.h"
#include "dialogkit/ScreenOpener.h"
#include "screens/Loesungsweg.h"
#include "widgets/PictureButton.h"

#include <QLineEdit>
#include <QShortcut>

using namespace tessaro;

namespace {
constexpr int kFieldFontWeight = 670;
}  // namespace

ExerciseScreen::ExerciseScreen(const DialogTemplate& dialogTemplate, SharedControls controls, QWidget* parent)
    : TemplateDialog(dialogTemplate, parent),
      rightCountField_(control<QLineEdit>(controls.rightCount)),
      wrongCountField_(control<QLineEdit>(controls.wrongCount)),
      percentField_(control<QLineEdit>(controls.percent)),
      workedSolutionButton_(control<QPushButton>(controls.workedSolution)),
      fieldFont_(arialFont(18, kFieldFontWeight)) {
    auto* computeButton = control<PictureButton>(controls.compute);
    auto* ruleButton = control<PictureButton>(controls.rule);
    setUpPictureButton(*computeButton, 146, QColor(222, 103, 103));
    setUpPictureButton(*ruleButton, 150, QColor(204, 255, 255));
    connect(computeButton, &QPushButton::clicked, this, [this] { evaluateAnswer(); });
    connect(control<QPushButton>(controls.newTask), &QPushButton::clicked, this, [this] { startNewTask(); });
    connect(control<QPushButton>(controls.reset), &QPushButton::clicked, this, &ExerciseScreen::resetEvaluation);
    connect(ruleButton, &QPushButton::clicked, this, [this] { showRulePage(); });
    // The keyboard reaches the buttons outside the tab order from anywhere on the screen, as a click does.
    bindKey(*control<QPushButton>(controls.newTask), QKeySequence(tr("Alt+N")));
    bindKey(*control<QPushButton>(controls.reset), QKeySequence(tr("Alt+A")));
    bindKey(*ruleButton, QKeySequence(tr("Alt+R")));
    connect(workedSolutionButton_, &QPushButton::clicked, this, &ExerciseScreen::showWorkedSolution);
    bindKey(*workedSolutionButton_, QKeySequence(tr("Alt+L")));
    // A look aside: a click leaves the focus where the answer left it, so the screen is as it was on return.
    workedSolutionButton_->setFocusPolicy(workedSolutionButton_->focusPolicy() & Qt::TabFocus ? Qt::TabFocus
                                                                                              : Qt::NoFocus);
    workedSolutionButton_->setEnabled(false);
}

void ExerciseScreen::bindKey(QPushButton& button, const QKeySequence& key) {
    connect(new QShortcut(key, this), &QShortcut::activated, &button, &QPushButton::click);
    button.setToolTip(tr("Tastenkürzel: %1").arg(key.toString(QKeySequence::NativeText)));
    button.setAccessibleDescription(button.toolTip());
}

void ExerciseScreen::resetEvaluation() {
    programState().tally.reset();
    showTally();
    startNewTask();
}

void ExerciseScreen::recordVerdict(bool right, TypedAnswer judged) {
    programState().tally.record(right);
    showTally();
    judgedAnswer_ = std::move(judged);
    workedSolutionButton_->setEnabled(!right && solver_);
}

void ExerciseScreen::setWorkedTask(ExerciseMode mode, TaskNumbers numbers) {
    solver_ = solverFor(mode);
    taskNumbers_ = std::move(numbers);
    judgedAnswer_.clear();
    workedSolutionButton_->setEnabled(false);
}

void ExerciseScreen::showWorkedSolution() {
    if (workedSolutionButton_->isEnabled())
        openScreen<Loesungsweg>(solver_(taskNumbers_, judgedAnswer_));
}

void ExerciseScreen::showTally() {
    const ScoreTally& tally = programState().tally;
    showText(*rightCountField_, tally.rightText());
    showText(*wrongCountField_, tally.wrongText());
    const QString percent = toQString(tally.percentFigure());
    showText(*percentField_, percent.isEmpty() ? QString() : tr("%1 Prozent richtig").arg(percent));
}

QString ExerciseScreen::rightVerdict() { return tr("Richtig!!"); }

void ExerciseScreen::startFirstTaskOnce() {
    ProgramState& state = programState();
    if (!state.firstTaskShown)
        startNewTask();
    state.firstTaskShown = true;
}

void ExerciseScreen::useFieldFont(std::initializer_list<QLineEdit*> fields) {
    for (QLineEdit* field : fields) {
        if (field->isReadOnly())
            keepTextsWhole(*field, fieldFont_);
        else
            field->setFont(fieldFont_);
    }
}

void ExerciseScreen::setResultColours(QLineEdit& wrongField, QLineEdit& rightField) {
    setTextColour(wrongField, kWrongRed);
    setTextColour(rightField, kRightGreen);
}
