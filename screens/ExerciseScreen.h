// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/TemplateDialog.h"
#include "logic/WorkedSolution.h"

#include <QFont>

#include <initializer_list>

class QKeySequence;
class QPainter;
class QLineEdit;
class QPushButton;

// What both exercise screens share: their four action buttons, the evaluation box of the one tally, the field font,
// and the first task of each opening.
class ExerciseScreen : public tessaro::TemplateDialog {
    Q_OBJECT
public:
    virtual void startNewTask() = 0;
    virtual void evaluateAnswer() = 0;
    void resetEvaluation();
    // Opens the rule page of the current mode; back from it, the student types the answer again.
    void showRulePage();
    // Opens the page "Lösungsweg" for the last answer judged wrong; the button is enabled only then.
    void showWorkedSolution();

protected:
    // The controls both screens have, by their ids in the screen's template.
    struct SharedControls {
        int answer;  // the first field a student types into
        int compute;
        int newTask;
        int reset;
        int rule;
        int rightCount;
        int wrongCount;
        int percent;
        int workedSolution;
    };
    ExerciseScreen(const tessaro::DialogTemplate& dialogTemplate, SharedControls controls, QWidget* parent);

    // What a screen reader says of the screen: the mode's title, the hint on the form of the answer, the task.
    QString spokenTitle() const;
    QString spokenHint() const;
    virtual QString spokenTask() const = 0;
    // Has the screen reader say `verdict` (if any) and then the task now shown, whatever has the focus.
    void announceNewTask(const QString& verdict = QString());

    // Counts a checked answer as right or wrong and shows the tally; a wrong one, as typed, can then be worked through.
    void recordVerdict(bool right, tessaro::TypedAnswer judged = {});
    // A new task: what its worked solution is made from. Until its first wrong answer there is none to show.
    void setWorkedTask(tessaro::TaskNumbers numbers);
    // Whether the screen is active again after its worked solution, which leaves the screen as it was, focus and
    // all; asking ends the look aside.
    bool backFromLookingAside();
    void showTally();
    static QString rightVerdict();
    // The first show of an opening draws a task and shows the tally; a screen shown again keeps its task.
    void showEvent(QShowEvent* event) override;
    // The current mode's title, and its hint lines under "Hinweis:" where it has any.
    void paintModeHeading(QPainter& painter) const;
    void useFieldFont(std::initializer_list<QLineEdit*> fields);
    void setResultColours(QLineEdit& wrongField, QLineEdit& rightField);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindKey(QPushButton& button, const QKeySequence& key);

    QLineEdit* answerField_;
    QLineEdit* rightCountField_;
    QLineEdit* wrongCountField_;
    QLineEdit* percentField_;
    QPushButton* workedSolutionButton_;
    bool lookingAside_ = false;
    QFont fieldFont_;
    tessaro::TaskNumbers taskNumbers_;
    tessaro::TypedAnswer judgedAnswer_;
};
