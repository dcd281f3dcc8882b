// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/TemplateDialog.h"
#include "logic/WorkedSolution.h"

#include <QFont>

#include <initializer_list>

class QKeySequence;
class QLineEdit;
class QPushButton;

// What both exercise screens share: their four action buttons, the evaluation box of the one tally, the field font,
// and the first task of each opening.
class ExerciseScreen : public tessaro::TemplateDialog {
    Q_OBJECT
public:
    virtual void startNewTask() = 0;
    virtual void evaluateAnswer() = 0;
    virtual void showRulePage() = 0;
    void resetEvaluation();
    // Opens the page "Lösungsweg" for the last answer judged wrong; the button is enabled only then.
    void showWorkedSolution();

protected:
    // The controls both screens have, by their ids in the screen's template.
    struct SharedControls {
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

    // Counts a checked answer as right or wrong and shows the tally; a wrong one, as typed, can then be worked through.
    void recordVerdict(bool right, tessaro::TypedAnswer judged = {});
    // A new task: what its worked solution is made from. Until its first wrong answer there is none to show.
    void setWorkedTask(tessaro::ExerciseMode mode, tessaro::TaskNumbers numbers);
    void showTally();
    static QString rightVerdict();
    // The first paint of an opening draws a task; later paints keep it.
    void startFirstTaskOnce();
    void useFieldFont(std::initializer_list<QLineEdit*> fields);
    void setResultColours(QLineEdit& wrongField, QLineEdit& rightField);

private:
    void bindKey(QPushButton& button, const QKeySequence& key);

    QLineEdit* rightCountField_;
    QLineEdit* wrongCountField_;
    QLineEdit* percentField_;
    QPushButton* workedSolutionButton_;
    QFont fieldFont_;
    tessaro::Solver solver_ = nullptr;
    tessaro::TaskNumbers taskNumbers_;
    tessaro::TypedAnswer judgedAnswer_;
};
