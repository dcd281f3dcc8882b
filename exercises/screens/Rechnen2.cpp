#include "Rechnen2.h"

#include "Announcement.h"
#include "DialogMetrics.h"
#include "DivisionTask.h"
#include "ExerciseTask.h"
#include "FieldText.h"
#include "PaintedText.h"
#include "ProgramState.h"
#include "RulePages.h"
#include "ScreenColours.h"
#include "ScreenOpener.h"
#include "Templates.h"

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
    : ExerciseScreen(templates::secondExercise(), {.compute = 1021, .newTask = 1010, .reset = 1024, .rule = 1029},
                     parent),
      realNumeratorInput_(control<QLineEdit>(1012)),
      denominatorInput_(control<QLineEdit>(1020)),
      imagNumeratorInput_(control<QLineEdit>(1013)),
      dividendField_(control<QLineEdit>(1025)),
      divisorField_(control<QLineEdit>(1026)),
      wrongLabelField_(control<QLineEdit>(1027)),
      correctRealNumeratorField_(control<QLineEdit>(1014)),
      correctDenominatorField_(control<QLineEdit>(1022)),
      rightMessageField_(control<QLineEdit>(1028)),
      correctImagNumeratorField_(control<QLineEdit>(1015)) {
    setResultColours(*wrongLabelField_, *rightMessageField_);
    for (QLineEdit* input : {realNumeratorInput_, denominatorInput_, imagNumeratorInput_})
        input->setMaxLength(kInputLength);
    useFieldFont({dividendField_, divisorField_, realNumeratorInput_, denominatorInput_, imagNumeratorInput_,
                  wrongLabelField_, correctRealNumeratorField_, correctDenominatorField_, correctImagNumeratorField_,
                  rightMessageField_});
}

void Rechnen2::paintEvent(QPaintEvent* event) {
    ExerciseScreen::paintEvent(event);
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1));
        drawBar(painter, 220, 400, kBarY);
        drawBar(painter, 40, 165, kBarY);
        const QFont signFont = arialFont(24);
        drawPaintedText(painter, {250, 40}, QStringLiteral("Divisions - Modus"), signFont, kTitleRed);
        drawPaintedText(painter, {300, 130}, QStringLiteral("+ j"), signFont, Qt::black);
        drawPaintedText(painter, {185, 157}, QStringLiteral("="), signFont, Qt::black);
        if (correctAnswerShown_)
            drawBar(painter, 260, 420, kCorrectAnswerBarY);
    }
    showTally();
    startFirstTaskOnce();
}

void Rechnen2::startNewTask() {
    if (!lastAnswerRight_)
        rightMessageField_->clear();
    lastAnswerRight_ = false;
    for (QLineEdit* input : {realNumeratorInput_, denominatorInput_, imagNumeratorInput_})
        input->clear();
    correctAnswerShown_ = false;
    update();
    for (QLineEdit* field : {wrongLabelField_, correctRealNumeratorField_, correctDenominatorField_,
                             correctImagNumeratorField_})
        field->clear();
    const DivisionTask task = makeDivisionTask(programState().random);
    showText(*dividendField_, task.dividend.text);
    showText(*divisorField_, task.divisor.text);
    realNumeratorInput_->setFocus();
    realNumerator_ = task.realNumerator;
    denominator_ = task.denominator;
    imagNumerator_ = task.imagNumerator;
}

void Rechnen2::evaluateAnswer() {
    ScoreTally& tally = programState().tally;
    tally.countAnswer();
    const bool right =
        checkDivisionAnswer(realNumerator_, denominator_, imagNumerator_, realNumeratorInput_->text().toStdString(),
                            denominatorInput_->text().toStdString(), imagNumeratorInput_->text().toStdString());
    if (right) {
        showText(*rightMessageField_, kRightFeedback);
        for (QLineEdit* input : {realNumeratorInput_, denominatorInput_, imagNumeratorInput_})
            input->clear();
        lastAnswerRight_ = true;
        startNewTask();
        tally.addRight();
    } else {
        rightMessageField_->clear();
        showCorrectAnswer();
        tally.addWrong();
    }
    tally.updatePercent();
    showTally();
    announce(right ? *rightMessageField_ : *wrongLabelField_);
}

void Rechnen2::showCorrectAnswer() {
    const DivisionAnswerTexts texts = correctDivisionTexts(realNumerator_, denominator_, imagNumerator_);
    showText(*wrongLabelField_, kDivisionWrongLabel);
    showText(*correctRealNumeratorField_, texts.realNumerator);
    showText(*correctDenominatorField_, texts.denominator);
    showText(*correctImagNumeratorField_, texts.imagNumerator);
    // The fraction stands in four fields; a screen reader hears it whole with the verdict.
    wrongLabelField_->setAccessibleDescription(QStringLiteral("Zähler: %1 %2, Nenner: %3")
                                                   .arg(toQString(texts.realNumerator), toQString(texts.imagNumerator),
                                                        toQString(texts.denominator)));
    correctAnswerShown_ = true;
    update();
}

void Rechnen2::showRulePage() {
    openScreen<Division>();
    realNumeratorInput_->setFocus();
}
