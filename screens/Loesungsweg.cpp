// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/Loesungsweg.h"

#include "dialogkit/Announcement.h"
#include "dialogkit/DialogMetrics.h"
#include "dialogkit/ScreenColours.h"
#include "resources/templates/LoesungswegTemplate.h"
#include "widgets/ComplexPlane.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

using namespace tessaro;

namespace {

constexpr int kPictureWidth = 260;  // the complex plane beside the lines

constexpr int kLabelColumnWidth = 96;
constexpr int kColumnGap = 8;
constexpr int kFieldFontWeight = 670;
constexpr int kNarrowestProse = 400;  // a narrower page would break its sentences into too many lines
constexpr int kGapBeforeDiagnosis = 6;
constexpr int kNoteGap = 12;        // between a note and the step it stands before
constexpr int kSideBySideGap = 32;  // between two steps on one line

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

// A formula in a sentence, "j² = −1", stays on one line: the blanks around its signs do not break.
QString keptTogether(QString sentence) {
    for (const QString& sign : {QStringLiteral("="), QStringLiteral("+"), QStringLiteral("\u2212")})
        sentence.replace(QLatin1Char(' ') + sign + QLatin1Char(' '), QChar(0x00A0) + sign + QChar(0x00A0));
    return sentence;
}

// The line's text as a screen reader reads it: a formula as its accessible name says it.
QString readingOf(const QLabel& line) { return line.accessibleName().isEmpty() ? line.text() : line.accessibleName(); }

}  // namespace

Loesungsweg::Loesungsweg(const WorkedSolution& solution, QWidget* parent)
    : TemplateDialog(loesungsweg::dialogTemplate(), parent), fonts_{mathFont(17), arialFont(18, kFieldFontWeight)} {
    // The body's left and top edge and its width from the template: the widest the lines may be set. The page's
    // height is what its lines need, with "Zurück" centred below them as far from the bottom as in the template.
    const QRect body = toPixels(loesungsweg::kBody);
    // The page is a calculation set line by line, its continued lines indented under the first: like every formula it
    // reads left to right in every layout direction.
    setLayoutDirection(Qt::LeftToRight);
    auto* button = control<QPushButton>(loesungsweg::BackButton);
    const QRect buttonPlace = button->geometry();
    const QSize templateSize = size();
    widestLine_ = body.width() - kLabelColumnWidth - kColumnGap;

    auto* page = new QVBoxLayout(this);
    page->setSizeConstraint(QLayout::SetFixedSize);
    page->setContentsMargins(body.left(), body.top(), templateSize.width() - body.right() - 1,
                             templateSize.height() - buttonPlace.bottom() - 1);
    page->setSpacing(buttonPlace.top() - body.bottom() - 1);
    auto* content = new QHBoxLayout;
    page->addLayout(content);
    rows_ = new QGridLayout;
    rows_->setContentsMargins(0, 0, 0, 0);
    rows_->setHorizontalSpacing(kColumnGap);
    rows_->setVerticalSpacing(2);
    rows_->setColumnMinimumWidth(0, kLabelColumnWidth);
    content->addLayout(rows_);
    beside_ = new QVBoxLayout;
    content->addLayout(beside_);
    button->setFixedSize(buttonPlace.size());
    page->addWidget(button, 0, Qt::AlignHCenter);

    addTitle();
    addSection(tr("Aufgabe:"));
    addFormula({solution.task});
    addSection(tr("Rechnung:"));
    addCalculation(solution.steps);
    addSection(tr("Ergebnis:"));
    addFormula({solution.written.empty() ? solution.result : solution.written});
    addSection(tr("Eingegeben:"));
    addFormula({solution.typed});
    addExplanation(solution.explanation);
    addPicture(solution.picture);
    fitProseToTheLines();
    page->activate();  // the page has its size before it opens, so that it opens centred over its owner
    button->setFocus();
    readWhenOpened(*this, spoken_);
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
    rows_->setRowMinimumHeight(0, title->sizeHint().height() + 2);
    spoken_ << title->text();
}

// The label stands in the left column of the next line.
void Loesungsweg::addSection(const QString& label) { pendingSection_ = label; }

// A line in the right column, after the section label it opens.
void Loesungsweg::addLine(QWidget* line, Qt::Alignment alignment) {
    const int row = rows_->rowCount();
    if (!pendingSection_.isEmpty()) {
        QLabel* section = newLabel(pendingSection_, boldened(arialFont(14)));
        section->stackUnder(line);  // before its line also for a screen reader that walks the page's controls
        rows_->addWidget(section, row, 0, Qt::AlignLeft | alignment);
        spoken_ << section->text();
    }
    pendingSection_.clear();
    rows_->addWidget(line, row, 1, Qt::AlignLeft | alignment);
    for (const QLabel* part : line->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        spoken_ << readingOf(*part);
    if (auto* label = qobject_cast<QLabel*>(line))
        spoken_ << readingOf(*label);
}

FormulaLine* Loesungsweg::addFormula(std::vector<MathTerm> sides, bool continues) {
    auto* formula = new FormulaLine(std::move(sides), continues, widestLine_, fonts_, this);
    addLine(formula, Qt::AlignVCenter);
    return formula;
}

QLabel* Loesungsweg::addProse(const QString& text) {
    QLabel* prose = newLabel(keptTogether(text), arialFont(14));
    prose->setWordWrap(true);
    addLine(prose, Qt::AlignTop);
    prose_.push_back(prose);
    return prose;
}

// A note stands before its step where both fit on one line, as on a board; above it otherwise. A step of a chain of
// its own with no note stands beside the step before it, where that began a chain of its own too and both fit: the
// operands' signs resolved side by side.
void Loesungsweg::addCalculation(const std::vector<Step>& steps) {
    QHBoxLayout* previous = nullptr;  // the row of the step before, where it began a chain of its own
    int previousWidth = 0;
    for (const Step& step : steps) {
        auto* formula = new FormulaLine(step.sides, step.continues, widestLine_, fonts_, this);
        if (step.slipHere) {
            formula->setMarked(kDiagnosisRed);
            formula->setAccessibleName(tr("Hier liegt der Fehler:") + QLatin1Char(' ') + formula->text());
        }
        const int besideWidth = previousWidth + kSideBySideGap + formula->naturalWidth();
        if (!step.note.sentence && !step.continues && previous && besideWidth <= widestLine_) {
            previous->addSpacing(kSideBySideGap - kNoteGap);
            previous->addWidget(formula, 0, Qt::AlignTop);
            previousWidth = besideWidth;
            spoken_ << readingOf(*formula);
            continue;
        }
        auto* row = new QWidget(this);
        auto* parts = new QHBoxLayout(row);
        parts->setContentsMargins(0, 0, 0, 0);
        parts->setSpacing(kNoteGap);
        previousWidth = formula->naturalWidth();
        if (step.note.sentence) {
            QLabel* note = newLabel(keptTogether(spoken(step.note)), arialFont(14));
            if (note->sizeHint().width() + kNoteGap + formula->naturalWidth() <= widestLine_) {
                // On the baseline of the step's first row.
                note->setContentsMargins(0, std::max(0, formula->firstBaseline() - note->fontMetrics().ascent()), 0, 0);
                parts->addWidget(note, 0, Qt::AlignTop);
                previousWidth += note->sizeHint().width() + kNoteGap;
            } else {
                delete note;
                addProse(spoken(step.note))->stackUnder(row);
            }
        }
        parts->addWidget(formula, 0, Qt::AlignTop);
        addLine(row, Qt::AlignVCenter);
        previous = step.continues ? nullptr : parts;
    }
}

// Under a heading of its own, in the colour of the diagnosis.
void Loesungsweg::addExplanation(const std::vector<ExplanationLine>& lines) {
    if (lines.empty())
        return;
    const int headingRow = rows_->rowCount();
    QLabel* heading = newLabel(tr("Was nicht stimmt"), boldened(arialFont(16)));
    setTextColour(*heading, kDiagnosisRed);
    rows_->addWidget(heading, headingRow, 0, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
    spoken_ << heading->text();
    rows_->setRowMinimumHeight(headingRow, heading->sizeHint().height() + kGapBeforeDiagnosis);
    for (const ExplanationLine& line : lines) {
        QWidget* shown = nullptr;
        if (line.sentences.empty()) {
            shown = addFormula({line.formula});
        } else {
            QStringList sentences;
            for (const Phrase& sentence : line.sentences)
                sentences << spoken(sentence);
            shown = addProse(sentences.join(QLatin1Char(' ')));
        }
        setTextColour(*shown, kDiagnosisRed);
    }
}

// The sentences break at the width of the widest line of mathematics, or of a narrowest page; never wider than the
// body allows.
void Loesungsweg::fitProseToTheLines() {
    int widest = kNarrowestProse;
    for (const FormulaLine* formula : findChildren<FormulaLine*>()) {
        const QWidget* row = formula->parentWidget();  // with a note before it
        widest = std::max(widest, row == this ? formula->naturalWidth() : row->sizeHint().width());
    }
    widest = std::min(widest, widestLine_);
    for (QLabel* prose : prose_) {
        prose->setFixedWidth(widest);
        prose->setFixedHeight(prose->heightForWidth(widest));
    }
}

// The task, its result and the typed answer in the complex plane, beside the lines; a screen reader hears it last.
void Loesungsweg::addPicture(const PlaneSketch& picture) {
    if (picture.arrows.empty())
        return;
    auto* plane = new ComplexPlane(this);
    plane->setSketch(picture);
    plane->setFixedWidth(kPictureWidth);
    besideTheLines()->addWidget(plane);
    besideTheLines()->addStretch();
    spoken_ << plane->accessibleName() + QStringLiteral(": ") + plane->accessibleDescription();
}
