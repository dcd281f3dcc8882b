// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/Rechnen3.h"

#include "dialogkit/DialogMetrics.h"
#include "dialogkit/FieldText.h"
#include "dialogkit/InputLimit.h"
#include "dialogkit/PaintedText.h"
#include "logic/DecimalMark.h"
#include "logic/PlaneSketch.h"
#include "logic/PolarNumber.h"
#include "resources/templates/Rechnen3Template.h"
#include "screens/SpokenMath.h"
#include "widgets/ComplexPlane.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using namespace tessaro;

namespace {

constexpr int kAnswerLength = 40;  // far more than any modulus, angle or x+jy a student types

std::vector<int> answerIds(Rechnen3::AnswerShape shape) {
    if (shape == Rechnen3::AnswerShape::Polar)
        return {rechnen3::ModulusField, rechnen3::AngleField};
    return {rechnen3::CartesianField};
}

QString localised(const std::string& text) { return toQString(withDecimalMark(text, decimalMark())); }

}  // namespace

Rechnen3::Rechnen3(AnswerShape shape, QWidget* parent)
    : ExerciseScreen(rechnen3::dialogTemplate(),
                     {.answers = answerIds(shape),
                      .task = rechnen3::TaskField,
                      .rightMessage = rechnen3::RightMessageField,
                      .wrongMessage = rechnen3::WrongMessageField,
                      .compute = rechnen3::ComputeButton,
                      .newTask = rechnen3::NewTaskButton,
                      .reset = rechnen3::ResetButton,
                      .rule = rechnen3::RuleButton,
                      .rightCount = rechnen3::RightCountField,
                      .wrongCount = rechnen3::WrongCountField,
                      .percent = rechnen3::PercentField,
                      .workedSolution = rechnen3::WorkedSolutionButton},
                     true, parent),
      shape_(shape),
      taskField_(control<QLineEdit>(rechnen3::TaskField)),
      wrongMessageField_(control<QLineEdit>(rechnen3::WrongMessageField)),
      rightMessageField_(control<QLineEdit>(rechnen3::RightMessageField)),
      newTaskButton_(control<QPushButton>(rechnen3::NewTaskButton)),
      plane_(control<ComplexPlane>(rechnen3::Plane)) {
    for (int id : answerIds(shape))
        answerFields_.push_back(control<QLineEdit>(id));
    // The fields of the other shape are not this screen's.
    const bool polar = shape == AnswerShape::Polar;
    for (int id : {rechnen3::ModulusField, rechnen3::AngleField, rechnen3::ModulusLabel, rechnen3::AngleLabel})
        control(id)->setVisible(polar);
    control(rechnen3::CartesianField)->setVisible(!polar);
    setResultColours(*wrongMessageField_, *rightMessageField_);
    useFieldFont({taskField_, wrongMessageField_, rightMessageField_});
    for (QLineEdit* field : answerFields_) {
        useFieldFont({field});
        limitInput(*field, kAnswerLength);
    }
    plane_->setVisible(false);
}

std::unique_ptr<ExerciseScreen> Rechnen3::polar(QWidget* parent) {
    return std::make_unique<Rechnen3>(AnswerShape::Polar, parent);
}

std::unique_ptr<ExerciseScreen> Rechnen3::cartesian(QWidget* parent) {
    return std::make_unique<Rechnen3>(AnswerShape::Cartesian, parent);
}

void Rechnen3::paintEvent(QPaintEvent* event) {
    ExerciseScreen::paintEvent(event);
    QPainter painter(this);
    drawPaintedText(painter, {300, 150}, QStringLiteral("="), arialFont(24), Qt::black);
    if (shape_ == AnswerShape::Polar)
        drawPaintedText(painter, {421, 150}, QStringLiteral("\u2220"), arialFont(24), Qt::black);
    paintModeHeading(painter);
}

QString Rechnen3::spokenTask() const { return spokenMath(taskField_->text()); }

QString Rechnen3::spokenWrongVerdict() const { return spokenMath(wrongMessageField_->text()); }

void Rechnen3::showTask(const ExerciseTask& task) {
    for (QLineEdit* field : answerFields_)
        field->clear();
    wrongMessageField_->clear();
    rightMessageField_->clear();
    showText(*taskField_, task.shown.empty() ? QString() : localised(task.shown.front()));
    plane_->setVisible(false);
}

TypedAnswer Rechnen3::typedAnswer() const {
    TypedAnswer typed;
    for (QLineEdit* field : answerFields_)
        typed.push_back(field->text().toStdString());
    return typed;
}

void Rechnen3::showRightVerdict(const QString& verdict) { showText(*rightMessageField_, verdict); }

void Rechnen3::showWrongVerdict(const ExerciseTask& task) {
    rightMessageField_->clear();
    const std::string right =
        task.fields.size() == 2 ? polarForms(task.fields[0].shown, task.fields[1].shown) : task.fields.front().shown;
    showText(*wrongMessageField_, tr("Falsch: %1 ist richtig!").arg(localised(right)));
    newTaskButton_->setFocus();
}

// The task just judged, its right answer and the student's, drawn once the check is done.
void Rechnen3::showChecked(const ExerciseTask& task, const Judgement& judgement) {
    plane_->setSketch(withDecimalMark(sketchOf(task.numbers, typedPoint(task, judgement.typed)), decimalMark()));
    plane_->setVisible(true);
}
