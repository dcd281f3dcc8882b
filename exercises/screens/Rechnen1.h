#pragma once

#include "TemplateDialog.h"

#include <QFont>

class QLineEdit;
class QPushButton;

namespace tessaro {
class PictureButton;
}

// The exercise screen of addition/subtraction, modulus and multiplication: one task, one typed answer.
// Its class name is its runtime class name, so it lives outside any namespace.
class Rechnen1 : public tessaro::TemplateDialog {
    Q_OBJECT
public:
    explicit Rechnen1(QWidget* parent = nullptr);

    void startNewTask();
    void evaluateAnswer();
    void resetEvaluation();
    void showRulePage();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showTally();
    void paintModeTitleAndHint(QPainter& painter) const;

    tessaro::PictureButton* computeButton_;
    QLineEdit* taskField_;
    QLineEdit* answerField_;
    QLineEdit* wrongMessageField_;
    QLineEdit* percentField_;
    QLineEdit* rightCountField_;
    QLineEdit* wrongCountField_;
    QPushButton* newTaskButton_;
    QLineEdit* rightMessageField_;
    tessaro::PictureButton* ruleButton_;
    QFont fieldFont_;
};
