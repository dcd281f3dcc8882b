// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/ExerciseScreen.h"

#include "dialogkit/Announcement.h"
#include "dialogkit/DialogMetrics.h"
#include "dialogkit/DoublePressGuard.h"
#include "dialogkit/FieldText.h"
#include "dialogkit/PaintedText.h"
#include "dialogkit/PictureButtonSetup.h"
#include "dialogkit/ProgramState.h"
#include "dialogkit/ScreenColours.h"
#include "dialogkit/ScreenOpener.h"
#include "logic/DecimalMark.h"
#include "logic/ModeLogic.h"
#include "screens/ExerciseModes.h"
#include "screens/Loesungsweg.h"
#include "screens/SpokenMath.h"
#include "widgets/PictureButton.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

#include <utility>

using namespace tessaro;

namespace {
constexpr int kFieldFontWeight = 670;
}  // namespace

ExerciseScreen::ExerciseScreen(const DialogTemplate& dialogTemplate, SharedControls controls, bool refocusWhenActive,
                               QWidget* parent)
    : TemplateDialog(dialogTemplate, parent),
      controls_(std::move(controls)),
      refocusWhenActive_(refocusWhenActive),
      answerField_(control<QLineEdit>(controls_.answers.front())),
      rightCountField_(control<QLineEdit>(controls_.rightCount)),
      wrongCountField_(control<QLineEdit>(controls_.wrongCount)),
      percentField_(control<QLineEdit>(controls_.percent)),
      workedSolutionButton_(control<QPushButton>(controls_.workedSolution)),
      fieldFont_(arialFont(18, kFieldFontWeight)) {
    auto* computeButton = control<PictureButton>(controls_.compute);
    auto* ruleButton = control<PictureButton>(controls_.rule);
    auto* newTaskButton = control<QPushButton>(controls_.newTask);
    auto* resetButton = control<QPushButton>(controls_.reset);
    setUpPictureButton(*computeButton, 146, QColor(222, 103, 103));
    setUpPictureButton(*ruleButton, 150, QColor(204, 255, 255));
    // The second press of a double click or of a doubled Enter would judge the next task's empty inputs.
    auto* presses = new DoublePressGuard(*this);
    connect(computeButton, &QPushButton::clicked, this,
            [this, presses] { presses->press([this] { evaluateAnswer(); }); });
    connect(newTaskButton, &QPushButton::clicked, this, [this] {
        startNewTask();
        announceNewTask();
    });
    connect(resetButton, &QPushButton::clicked, this, &ExerciseScreen::resetEvaluation);
    connect(ruleButton, &QPushButton::clicked, this, &ExerciseScreen::showRulePage);
    // The keyboard reaches the buttons outside the tab order from anywhere on the screen, as a click does.
    bindKey(*newTaskButton, QKeySequence(tr("Alt+N")));
    bindKey(*resetButton, QKeySequence(tr("Alt+A")));
    bindKey(*ruleButton, QKeySequence(tr("Alt+R")));
    connect(workedSolutionButton_, &QPushButton::clicked, this, &ExerciseScreen::showWorkedSolution);
    bindKey(*workedSolutionButton_, QKeySequence(tr("Alt+L")));
    // A look aside: a click leaves the focus where the answer left it, so the screen is as it was on return.
    workedSolutionButton_->setFocusPolicy(workedSolutionButton_->focusPolicy() & Qt::TabFocus ? Qt::TabFocus
                                                                                              : Qt::NoFocus);
    workedSolutionButton_->setEnabled(false);
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->installEventFilter(this);
}

// Alt with a letter that is no shortcut of the screen types nothing: the answer is what the student typed.
bool ExerciseScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const Qt::KeyboardModifiers modifiers = static_cast<QKeyEvent*>(event)->modifiers();
        if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier))
            return true;
    }
    return TemplateDialog::eventFilter(watched, event);
}

void ExerciseScreen::bindKey(QPushButton& button, const QKeySequence& key) {
    connect(new QShortcut(key, this), &QShortcut::activated, &button, &QPushButton::click);
    button.setToolTip(tr("Tastenkürzel: %1").arg(key.toString(QKeySequence::NativeText)));
    button.setAccessibleDescription(button.toolTip());
}

void ExerciseScreen::startNewTask() {
    ProgramState& state = programState();
    if (const ModeLogic* logic = modeLogic(state.currentMode))
        task_ = logic->makeTask(state.random);
    judgement_ = {};
    workedSolutionButton_->setEnabled(false);
    showTask(task_);
    answerField_->setFocus();
}

void ExerciseScreen::evaluateAnswer() {
    const ModeLogic* logic = modeLogic(programState().currentMode);
    if (!logic)
        return;
    judgement_ = judge(*logic, task_, typedAnswer());
    const bool right = judgement_.right();
    programState().tally.record(right);
    showTally();
    const ExerciseTask judged = task_;
    const Judgement judgement = judgement_;
    if (right) {
        startNewTask();
        showRightVerdict(tr("Richtig!!"));
        announceNewTask(tr("Richtig!!"));
    } else {
        showWrongVerdict(task_);
        announce(*this, spokenWrongVerdict());
    }
    showChecked(judged, judgement);
    workedSolutionButton_->setEnabled(!right);
}

void ExerciseScreen::showChecked(const ExerciseTask&, const Judgement&) {}

void ExerciseScreen::resetEvaluation() {
    programState().tally.reset();
    showTally();
    startNewTask();
    announceNewTask();
}

void ExerciseScreen::announceNewTask(const QString& verdict) {
    const QString task = tr("Neue Aufgabe: %1").arg(spokenTask());
    announce(*this, verdict.isEmpty() ? task : verdict + QLatin1Char(' ') + task);
}

void ExerciseScreen::showWorkedSolution() {
    const ModeLogic* logic = modeLogic(programState().currentMode);
    if (!logic || !workedSolutionButton_->isEnabled())
        return;
    lookingAside_ = refocusWhenActive_;
    openScreen<Loesungsweg>(withDecimalMark(workThrough(*logic, task_, judgement_), decimalMark()));
}

// Back on the screen, whatever covered it but its worked solution, the student types the answer again.
void ExerciseScreen::changeEvent(QEvent* event) {
    TemplateDialog::changeEvent(event);
    if (refocusWhenActive_ && event->type() == QEvent::ActivationChange && isActiveWindow() &&
        !std::exchange(lookingAside_, false))
        answerField_->setFocus();
}

void ExerciseScreen::showTally() {
    const ScoreTally& tally = programState().tally;
    showText(*rightCountField_, tally.rightText());
    showText(*wrongCountField_, tally.wrongText());
    const QString percent = toQString(tally.percentFigure());
    showText(*percentField_, percent.isEmpty() ? QString() : tr("%1 Prozent richtig").arg(percent));
}

void ExerciseScreen::showEvent(QShowEvent* event) {
    TemplateDialog::showEvent(event);
    showTally();
    if (!std::exchange(taskShown_, true)) {
        startNewTask();
        announce(*this, QStringList{spokenTitle(), tr("Aufgabe: %1").arg(spokenTask()), spokenHint()}.join(u' '));
    }
}

QString ExerciseScreen::spokenTitle() const {
    const ExerciseModeRow* row = exerciseModeRow(programState().currentMode);
    return row ? translatedModeText(row->heading.title).trimmed() + QLatin1Char('.') : QString();
}

QString ExerciseScreen::spokenHint() const {
    const ExerciseModeRow* row = exerciseModeRow(programState().currentMode);
    if (!row)
        return QString();
    QStringList words{tr("Hinweis:")};
    for (const char* line : row->heading.hintLines.empty() ? row->spokenHint : row->heading.hintLines)
        words.append(translatedModeText(line));
    return words.join(QLatin1Char(' '));
}

void ExerciseScreen::showRulePage() {
    if (const ExerciseModeRow* row = exerciseModeRow(programState().currentMode))
        row->openRulePage();
    answerField_->setFocus();
}

void ExerciseScreen::paintModeHeading(QPainter& painter) const {
    const ExerciseModeRow* row = exerciseModeRow(programState().currentMode);
    if (!row)
        return;
    const ModeHeading& heading = row->heading;
    drawPaintedText(painter, heading.titlePosition, translatedModeText(heading.title), arialFont(24), kTitleRed);
    if (heading.hintLines.empty())
        return;
    QFont underlined = arialFont(14);
    underlined.setUnderline(true);
    drawPaintedText(painter, {400, 200}, tr("Hinweis:"), underlined, Qt::black);
    int y = 215;
    for (const char* line : heading.hintLines) {
        drawPaintedText(painter, {400, y}, translatedModeText(line), arialFont(14), Qt::black);
        y += 15;
    }
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
