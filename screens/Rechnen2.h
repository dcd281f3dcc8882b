// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screens/ExerciseScreen.h"

class QLineEdit;

// The exercise screen of the modes whose task and answer are fractions, the answer typed in three fields: the real
// part of the numerator, the denominator and the imaginary part of the numerator. Its class name is its runtime
// class name, so it lives outside any namespace.
class Rechnen2 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Rechnen2(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showTask(const tessaro::ExerciseTask& task) override;
    tessaro::TypedAnswer typedAnswer() const override;
    void showRightVerdict(const QString& verdict) override;
    void showWrongVerdict(const tessaro::ExerciseTask& task) override;
    QString spokenTask() const override;
    QString spokenWrongVerdict() const override;

private:
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

    bool correctAnswerShown_ = false;
};
