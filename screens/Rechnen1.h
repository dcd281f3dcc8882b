// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screens/ExerciseScreen.h"

class QLineEdit;
class QPushButton;

// The exercise screen of the modes with one task text and one typed answer. Its class name is its runtime class
// name, so it lives outside any namespace.
class Rechnen1 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Rechnen1(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showTask(const tessaro::ExerciseTask& task) override;
    tessaro::TypedAnswer typedAnswer() const override;
    void showRightVerdict(const QString& verdict) override;
    void showWrongVerdict(const tessaro::ExerciseTask& task) override;
    QString spokenTask() const override;
    QString spokenWrongVerdict() const override;

private:
    QLineEdit* taskField_;
    QLineEdit* answerField_;
    QLineEdit* wrongMessageField_;
    QPushButton* newTaskButton_;
    QLineEdit* rightMessageField_;
};
