// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/Rechnen2.h"

#include "dialogkit/DialogMetrics.h"
#include "dialogkit/FieldText.h"
#include "dialogkit/InputLimit.h"
#include "dialogkit/PaintedText.h"
#include "resources/templates/Rechnen2Template.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using namespace tessaro;

namespace {

constexpr int kInputLength = 4;  // a minus sign and three digits
constexpr int kBarY = 168;
constexpr int kCorrectAnswerBarY = 372;

// A one-pixel line from x `from` up to, but not including, x `to`.
void drawBar(QPainter& painter, int from, int to, int y) { painter.drawLine(from, y, to - 1, y); }

}  // namespace

Rechnen2::Rechnen2(QWidget* parent)
    : ExerciseScreen(
          rechnen2::dialogTemplate(),
          {.answers = {rechnen2::RealNumeratorInput, rechnen2::DenominatorInput, rechnen2::ImagNumeratorInput},
           .task = rechnen2::DividendField,
           .rightMessage = rechnen2::RightMessageField,
           .wrongMessage = rechnen2::WrongLabelField,
           .compute = rechnen2::ComputeButton,
           .newTask = rechnen2::NewTaskButton,
           .reset = rechnen2::ResetButton,
           .rule = rechnen2::RuleButton,
           .rightCount = rechnen2::RightCountField,
           .wrongCount = rechnen2::WrongCountField,
           .percent = rechnen2::PercentField,
           .workedSolution = rechnen2::WorkedSolutionButton},
          false, parent),
      realNumeratorInput_(control<QLineEdit>(rechnen2::RealNumeratorInput)),
      denominatorInput_(control<QLineEdit>(rechnen2::DenominatorInput)),
      imagNumeratorInput_(control<QLineEdit>(rechnen2::ImagNumeratorInput)),
      dividendField_(control<QLineEdit>(rechnen2::DividendField)),
      divisorField_(control<QLineEdit>(rechnen2::DivisorField)),
      wrongLabelField_(control<QLineEdit>(rechnen2::WrongLabelField)),
      correctRealNumeratorField_(control<QLineEdit>(rechnen2::CorrectRealNumeratorField)),
      correctDenominatorField_(control<QLineEdit>(rechnen2::CorrectDenominatorField)),
      rightMessageField_(control<QLineEdit>(rechnen2::RightMessageField)),
      correctImagNumeratorField_(control<QLineEdit>(rechnen2::CorrectImagNumeratorField)) {
    setResultColours(*wrongLabelField_, *rightMessageField_);
    for (QLineEdit* input : {realNumeratorInput_, denominatorInput_, imagNumeratorInput_})
        limitInput(*input, kInputLength);
    useFieldFont({dividendField_, divisorField_, realNumeratorInput_, denominatorInput_, imagNumeratorInput_,
                  wrongLabelField_, correctRealNumeratorField_, correctDenominatorField_, correctImagNumeratorField_,
                  rightMessageField_});
}

void Rechnen2::paintEvent(QPaintEvent* event) {
    ExerciseScreen::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    drawBar(painter, 220, 400, kBarY);
    drawBar(painter, 40, 165, kBarY);
    paintModeHeading(painter);
    const QFont signFont = arialFont(24);
    drawPaintedText(painter, {300, 130}, QStringLiteral("+ j"), signFont, Qt::black);
    drawPaintedText(painter, {185, 157}, QStringLiteral("="), signFont, Qt::black);
    if (correctAnswerShown_)
        drawBar(painter, 260, 420, kCorrectAnswerBarY);
}

QString Rechnen2::spokenTask() const {
    return tr("%1 geteilt durch %2").arg(dividendField_->text(), divisorField_->text());
}

QString Rechnen2::spokenWrongVerdict() const {
    return wrongLabelField_->text() + QLatin1Char(' ') + wrongLabelField_->accessibleDescription();
}

void Rechnen2::showTask(const ExerciseTask& task) {
    rightMessageField_->clear();
    for (QLineEdit* input : {realNumeratorInput_, denominatorInput_, imagNumeratorInput_})
        input->clear();
    correctAnswerShown_ = false;
    update();
    for (QLineEdit* field :
         {wrongLabelField_, correctRealNumeratorField_, correctDenominatorField_, correctImagNumeratorField_})
        field->clear();
    wrongLabelField_->setAccessibleDescription(QString());
    showText(*dividendField_, task.shown.size() > 0 ? task.shown[0] : std::string());
    showText(*divisorField_, task.shown.size() > 1 ? task.shown[1] : std::string());
}

TypedAnswer Rechnen2::typedAnswer() const {
    return {realNumeratorInput_->text().toStdString(), denominatorInput_->text().toStdString(),
            imagNumeratorInput_->text().toStdString()};
}

void Rechnen2::showRightVerdict(const QString& verdict) { showText(*rightMessageField_, verdict); }

void Rechnen2::showWrongVerdict(const ExerciseTask& task) {
    rightMessageField_->clear();
    const QString realNumerator = toQString(task.fields.at(0).shown);
    const QString denominator = toQString(task.fields.at(1).shown);
    const QString imagNumerator = toQString(task.fields.at(2).shown);
    showText(*wrongLabelField_, tr("Falsch, richtig ist:"));
    showText(*correctRealNumeratorField_, realNumerator);
    showText(*correctDenominatorField_, denominator);
    showText(*correctImagNumeratorField_, imagNumerator);
    // The fraction stands in four fields; a screen reader hears it whole with the verdict.
    wrongLabelField_->setAccessibleDescription(
        tr("Zähler: %1 %2, Nenner: %3").arg(realNumerator, imagNumerator, denominator));
    correctAnswerShown_ = true;
    update();
}
