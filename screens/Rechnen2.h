// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screens/ExerciseScreen.h"

class QLineEdit;

// The exercise screen of division: the task and the answer as fractions, the answer in three fields.
// Its class name is its runtime class name, so it lives outside any namespace.
class Rechnen2 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Rechnen2(QWidget* parent = nullptr);

    void startNewTask() override;
    void evaluateAnswer() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    QString spokenTask() const override;

private:
    void showCorrectAnswer();

    QLineEdit* realNumeratorInput_;
    QLineEdit* denominatorInput_;
    QLineEdit* imagNumeratorInput_;
    QLineEdit* dividendField_;
    QLineEdit* divisorField_;
    QLineEdit* wrongLabelField_;
    QLineEdit* correctRealNumeratorField_;
    QLineEdit* correctDenominatorField_;
    QLineEdit* rightMessageField_;
    QLineEdit* correctImagNumeratorField_;

    int realNumerator_ = 0;
    int denominator_ = 0;
    int imagNumerator_ = 0;
    bool lastAnswerRight_ = false;
    bool correctAnswerShown_ = false;
};
