// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screens/ExerciseScreen.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tessaro {
class ComplexPlane;
}

// The exercise screen of the polar form: one task, the answer as a modulus and an angle or as x+jy, and after each
// check the task, the right answer and the student's answer in the complex plane. Its class name is its runtime class
// name, so it lives outside any namespace.
class Rechnen3 : public ExerciseScreen {
    Q_OBJECT
public:
    enum class AnswerShape { Polar, Cartesian };
    explicit Rechnen3(AnswerShape shape, QWidget* parent = nullptr);

    // The two kinds of this screen, as the table of modes makes them.
    static std::unique_ptr<ExerciseScreen> polar(QWidget* parent);
    static std::unique_ptr<ExerciseScreen> cartesian(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showTask(const tessaro::ExerciseTask& task) override;
    tessaro::TypedAnswer typedAnswer() const override;
    void showRightVerdict(const QString& verdict) override;
    void showWrongVerdict(const tessaro::ExerciseTask& task) override;
    void showChecked(const tessaro::ExerciseTask& task, const tessaro::Judgement& judgement) override;
    QString spokenTask() const override;
    QString spokenWrongVerdict() const override;

private:
    AnswerShape shape_;
    QLineEdit* taskField_;
    QLineEdit* wrongMessageField_;
    QLineEdit* rightMessageField_;
    QPushButton* newTaskButton_;
    tessaro::ComplexPlane* plane_;
    std::vector<QLineEdit*> answerFields_;
};
