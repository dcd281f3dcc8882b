// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/TemplateDialog.h"
#include "logic/ExerciseTask.h"
#include "logic/WorkedSolution.h"

#include <QFont>

#include <initializer_list>
#include <vector>

class QKeySequence;
class QPainter;
class QLineEdit;
class QPushButton;

// What every exercise screen shares: the task of the current mode and its judgement, the four action buttons, the
// evaluation box of the one tally, the field font, and the first task of each opening. A kind of screen shows a task,
// reads the typed answer and shows the verdict in its own way.
class ExerciseScreen : public tessaro::TemplateDialog {
    Q_OBJECT
public:
    // The controls every exercise screen has, by their ids in the screen's template.
    struct SharedControls {
        std::vector<int> answers;  // the fields a student types the answer into, in their tab order
        int task;                  // the (first) field the task is shown in
        int rightMessage;          // where "Richtig!!" stands
        int wrongMessage;          // where the wrong verdict begins
        int compute;
        int newTask;
        int reset;
        int rule;
        int rightCount;
        int wrongCount;
        int percent;
        int workedSolution;
    };
    const SharedControls& controls() const { return controls_; }
    // The task now shown, exactly as drawn.
    const tessaro::ExerciseTask& task() const { return task_; }

    // Draws a new task of the current mode and shows it with empty answer fields.
    void startNewTask();
    // Judges the typed answer, counts it in the tally and shows the verdict; a right answer is followed by a new task.
    void evaluateAnswer();
    void resetEvaluation();
    // Opens the rule page of the current mode; back from it, the student types the answer again.
    void showRulePage();
    // Opens the page "Lösungsweg" for the last answer judged wrong; the button is enabled only then.
    void showWorkedSolution();

protected:
    // `refocusWhenActive`: whether the answer field takes the focus whenever the screen is active again.
    ExerciseScreen(const tessaro::DialogTemplate& dialogTemplate, SharedControls controls, bool refocusWhenActive,
                   QWidget* parent);

    // The screen's own way of showing a new task, with its answer and message fields emptied.
    virtual void showTask(const tessaro::ExerciseTask& task) = 0;
    virtual tessaro::TypedAnswer typedAnswer() const = 0;
    // "Richtig!!" beside the new task; the wrong verdict with the right answer.
    virtual void showRightVerdict(const QString& verdict) = 0;
    virtual void showWrongVerdict(const tessaro::ExerciseTask& task) = 0;
    // What a screen shows of a task once it is judged, beside the verdict; nothing by default.
    virtual void showChecked(const tessaro::ExerciseTask& task, const tessaro::Judgement& judgement);
    // What a screen reader says of the task, and of a wrong verdict.
    virtual QString spokenTask() const = 0;
    virtual QString spokenWrongVerdict() const = 0;

    void showTally();
    // The first show of an opening draws a task and shows the tally; a screen shown again keeps its task.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The current mode's title, and its hint lines under "Hinweis:" where it has any.
    void paintModeHeading(QPainter& painter) const;
    void useFieldFont(std::initializer_list<QLineEdit*> fields);
    void setResultColours(QLineEdit& wrongField, QLineEdit& rightField);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindKey(QPushButton& button, const QKeySequence& key);
    // What a screen reader says of the screen: the mode's title, the hint on the form of the answer, the task.
    QString spokenTitle() const;
    QString spokenHint() const;
    // Has the screen reader say `verdict` (if any) and then the task now shown, whatever has the focus.
    void announceNewTask(const QString& verdict = QString());

    SharedControls controls_;
    bool refocusWhenActive_;
    QLineEdit* answerField_;
    QLineEdit* rightCountField_;
    QLineEdit* wrongCountField_;
    QLineEdit* percentField_;
    QPushButton* workedSolutionButton_;
    QFont fieldFont_;
    bool taskShown_ = false;
    bool lookingAside_ = false;
    tessaro::ExerciseTask task_;
    tessaro::Judgement judgement_;
};
