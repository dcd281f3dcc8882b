// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/Loesungsweg.h"

#include "dialogkit/Announcement.h"
#include "dialogkit/DialogMetrics.h"
#include "dialogkit/ScreenColours.h"
#include "resources/templates/LoesungswegTemplate.h"

#include <QGridLayout>
#include <QLabel>
#include <QShortcut>

using namespace tessaro;

namespace {

constexpr int kLabelColumnWidth = 96;
constexpr int kColumnGap = 8;
constexpr int kFieldFontWeight = 670;

QFont boldened(QFont font) {
    font.setBold(true);
    return font;
}

// A sentence of the logic in the program's language, its arguments filled in.
QString spoken(const Phrase& phrase) {
    if (!phrase.sentence)
        return QString::fromStdString(phrase.literal);
    QString text = Loesungsweg::tr(phrase.sentence);
    for (const Phrase& argument : phrase.arguments)
        text = text.arg(spoken(argument));
    return text;
}

}  // namespace

Loesungsweg::Loesungsweg(const WorkedSolution& solution, QWidget* parent)
    : TemplateDialog(loesungsweg::dialogTemplate(), parent), fonts_{mathFont(17), arialFont(18, kFieldFontWeight)} {
    const QRect body = toPixels(loesungsweg::kBody);
    auto* area = new QWidget(this);
    area->setGeometry(body);
    // The page is a calculation set line by line, its continued lines indented under the first: like every formula it
    // reads left to right in every layout direction.
    area->setLayoutDirection(Qt::LeftToRight);
    rows_ = new QGridLayout(area);
    rows_->setContentsMargins(0, 0, 0, 0);
    rows_->setHorizontalSpacing(kColumnGap);
    rows_->setVerticalSpacing(4);
    rows_->setColumnMinimumWidth(0, kLabelColumnWidth);
    contentWidth_ = body.width() - kLabelColumnWidth - kColumnGap;
    rows_->setColumnMinimumWidth(1, contentWidth_);

    addTitle();
    addSection(tr("Aufgabe:"));
    addFormula({solution.task});
    addSection(tr("Rechnung:"));
    addCalculation(solution.steps);
    addSection(tr("Ergebnis:"));
    addFormula({solution.result});
    addSection(tr("Eingegeben:"));
    addFormula({solution.typed});
    addExplanation(solution.explanation);
    rows_->setRowStretch(rows_->rowCount(), 1);
    control(loesungsweg::BackButton)->setFocus();
    // An Escape typed right after Alt+L may come before the window system has made the page the active window: it goes
    // to the screen below, which the page blocks, and Qt drops it there. As a shortcut of the whole program it comes
    // here, the one screen not blocked.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QDialog::reject, Qt::ApplicationShortcut);
    readWhenOpened(*this, spokenLines());
}

// The page's lines as a screen reader reads them, top to bottom: a formula as its accessible name says it.
QStringList Loesungsweg::spokenLines() const {
    QStringList lines;
    QWidget* previous = nullptr;
    for (int row = 0; row < rows_->rowCount(); ++row)
        for (int column = 0; column < rows_->columnCount(); ++column) {
            QLayoutItem* item = rows_->itemAtPosition(row, column);
            auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
            if (!label || label == previous)
                continue;
            lines << (label->accessibleName().isEmpty() ? label->text() : label->accessibleName());
            previous = label;
        }
    return lines;
}

QLabel* Loesungsweg::newLabel(const QString& text, const QFont& font) {
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    return label;
}

void Loesungsweg::addTitle() {
    QLabel* title = newLabel(tr("Lösungsweg"), arialFont(24));
    setTextColour(*title, kTitleRed);
    rows_->addWidget(title, 0, 0, 1, 2);
    rows_->setRowMinimumHeight(0, title->sizeHint().height() + 6);
}

// The label stands in the left column of the next line.
void Loesungsweg::addSection(const QString& label) { pendingSection_ = label; }

void Loesungsweg::addFormula(std::vector<MathTerm> sides, bool continues) {
    const int row = rows_->rowCount();
    if (!pendingSection_.isEmpty())
        rows_->addWidget(newLabel(pendingSection_, boldened(arialFont(14))), row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    pendingSection_.clear();
    auto* formula = new FormulaLine(std::move(sides), continues, contentWidth_, fonts_, this);
    rows_->addWidget(formula, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
}

void Loesungsweg::addProse(const QString& text) {
    const int row = rows_->rowCount();
    if (!pendingSection_.isEmpty())
        rows_->addWidget(newLabel(pendingSection_, boldened(arialFont(14))), row, 0, Qt::AlignLeft | Qt::AlignTop);
    pendingSection_.clear();
    QLabel* prose = newLabel(text, arialFont(14));
    prose->setWordWrap(true);
    prose->setFixedWidth(contentWidth_);
    rows_->addWidget(prose, row, 1);
}

void Loesungsweg::addCalculation(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        if (step.note.sentence)
            addProse(spoken(step.note));
        addFormula(step.sides, step.continues);
    }
}

void Loesungsweg::addExplanation(const std::vector<ExplanationLine>& lines) {
    for (const ExplanationLine& line : lines) {
        if (line.sentences.empty()) {
            addFormula({line.formula});
            continue;
        }
        QStringList sentences;
        for (const Phrase& sentence : line.sentences)
            sentences << spoken(sentence);
        addProse(sentences.join(QLatin1Char(' ')));
    }
}
