// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screens/ExerciseScreen.h"

class QLineEdit;
class QPushButton;

// The exercise screen of addition/subtraction, modulus and multiplication: one task, one typed answer.
// Its class name is its runtime class name, so it lives outside any namespace.
class Rechnen1 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Rechnen1(QWidget* parent = nullptr);

    void startNewTask() override;
    void evaluateAnswer() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    QString spokenTask() const override;

private:
    QLineEdit* taskField_;
    QLineEdit* answerField_;
    QLineEdit* wrongMessageField_;
    QPushButton* newTaskButton_;
    QLineEdit* rightMessageField_;
};
