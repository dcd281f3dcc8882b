// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/TemplateDialog.h"
#include "logic/WorkedSolution.h"
#include "widgets/FormulaLine.h"

class QGridLayout;
class QLabel;

// The page that works a wrongly answered task through with its own numbers and says what is wrong with the answer:
// the task, the calculation, the result as the verdict names it, the answer as typed and a word on it. It only
// explains; it judges nothing. Its class name is its runtime class name, so it lives outside any namespace.
class Loesungsweg : public tessaro::TemplateDialog {
    Q_OBJECT
public:
    explicit Loesungsweg(const tessaro::WorkedSolution& solution, QWidget* parent = nullptr);

private:
    void addTitle();
    void addSection(const QString& label);
    void addFormula(std::vector<tessaro::MathTerm> sides, bool continues = false);
    void addProse(const QString& text);
    void addCalculation(const std::vector<tessaro::Step>& steps);
    void addExplanation(const std::vector<tessaro::ExplanationLine>& lines);
    QLabel* newLabel(const QString& text, const QFont& font);
    QStringList spokenLines() const;

    QGridLayout* rows_;
    int contentWidth_;
    tessaro::FormulaFonts fonts_;
    QString pendingSection_;
};
