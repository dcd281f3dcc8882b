// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/TemplateDialog.h"
#include "logic/WorkedSolution.h"
#include "widgets/FormulaLine.h"

class QBoxLayout;
class QGridLayout;
class QLabel;

// The page that works a wrongly answered task through with its own numbers and says what is wrong with the answer:
// the task, the calculation as a teacher writes it on the board, the result, the answer as typed and, under a heading
// of its own and in a colour of its own, what is wrong with it, the line of the slip marked. The page takes the size
// its lines need; beside them stands a column for a picture of the task. It only explains; it judges nothing. Its
// class name is its runtime class name, so it lives outside any namespace.
class Loesungsweg : public tessaro::TemplateDialog {
    Q_OBJECT
public:
    explicit Loesungsweg(const tessaro::WorkedSolution& solution, QWidget* parent = nullptr);

    // The column to the right of the lines, empty until a picture of the task is put there.
    QBoxLayout* besideTheLines() const { return beside_; }

private:
    void addTitle();
    void addSection(const QString& label);
    tessaro::FormulaLine* addFormula(std::vector<tessaro::MathTerm> sides, bool continues = false);
    QLabel* addProse(const QString& text);
    void addLine(QWidget* line, Qt::Alignment alignment);
    void addCalculation(const std::vector<tessaro::Step>& steps);
    void addPicture(const tessaro::PlaneSketch& picture);
    void addExplanation(const std::vector<tessaro::ExplanationLine>& lines);
    void fitProseToTheLines();
    QLabel* newLabel(const QString& text, const QFont& font);

    QGridLayout* rows_;
    QBoxLayout* beside_;
    int widestLine_;
    tessaro::FormulaFonts fonts_;
    QString pendingSection_;
    std::vector<QLabel*> prose_;
    QStringList spoken_;  // the page's lines as a screen reader reads them, top to bottom
};
