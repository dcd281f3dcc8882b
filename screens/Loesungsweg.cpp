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

// What a step does, in words; the texts are translated in the page's context.
const char* noteText(StepNote note) {
    switch (note) {
    case StepNote::None:
        return nullptr;
    case StepNote::AddParts:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Realteile und Imaginärteile getrennt addieren:");
    case StepNote::SubtractParts:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Realteile und Imaginärteile getrennt subtrahieren:");
    case StepNote::ModulusRule:
        return QT_TRANSLATE_NOOP("Loesungsweg",
                                 "Der Betrag ist die Wurzel aus der Summe der Quadrate von Realteil und Imaginärteil:");
    case StepNote::FourProducts:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Jeden Teil mit jedem Teil multiplizieren:");
    case StepNote::CollectParts:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Realteil und Imaginärteil zusammenfassen:");
    case StepNote::ExpandWithConjugate:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Zähler und Nenner mit dem konjugiert komplexen Divisor erweitern:");
    case StepNote::Numerator:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Zähler:");
    case StepNote::JSquaredCollect:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Mit j² = −1 Realteil und Imaginärteil zusammenfassen:");
    case StepNote::Denominator:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Nenner:");
    case StepNote::Unreduced:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Der Bruch bleibt ungekürzt:");
    }
    return nullptr;
}

QString askedForm(AnswerForm form) {
    switch (form) {
    case AnswerForm::Cartesian:
        return Loesungsweg::tr("Verlangt ist die Form x+jy bzw. x-jy, ohne Leerzeichen und Klammern.");
    case AnswerForm::WholeNumber:
        return Loesungsweg::tr("Verlangt ist der Betrag als ganze Zahl.");
    case AnswerForm::Fraction:
        return Loesungsweg::tr(
            "Verlangt sind drei ganze Zahlen: Realteil und Imaginärteil des Zählers und der Nenner.");
    }
    return {};
}

QString slipText(const Diagnosis& diagnosis) {
    if (diagnosis.reducedFraction)
        return Loesungsweg::tr(
            "Verlangt ist der ungekürzte Bruch, der beim Erweitern mit dem konjugiert komplexen Divisor entsteht.");
    switch (diagnosis.slip) {
    case FormSlip::Blanks:
        return Loesungsweg::tr("Leerzeichen gehören nicht in die Eingabe.");
    case FormSlip::Brackets:
        return Loesungsweg::tr("Klammern gehören nicht in die Eingabe.");
    case FormSlip::UnitAfterNumber:
        return Loesungsweg::tr("Das j steht vor der Zahl: j4, nicht 4j.");
    case FormSlip::UnitLetter:
        return Loesungsweg::tr("Die imaginäre Einheit wird als kleines j geschrieben.");
    case FormSlip::MissingPart:
        return Loesungsweg::tr("Beide Teile werden geschrieben, auch ein Teil, der null ist.");
    case FormSlip::NumberForm:
        return Loesungsweg::tr("Zahlen werden ohne Pluszeichen, führende Nullen und Nachkommastellen geschrieben.");
    case FormSlip::Other:
        break;
    }
    return {};
}

QString partName(AnswerPart part) {
    switch (part) {
    case AnswerPart::Real:
        return Loesungsweg::tr("der Realteil");
    case AnswerPart::Imaginary:
        return Loesungsweg::tr("der Imaginärteil");
    case AnswerPart::Modulus:
        return Loesungsweg::tr("der Betrag");
    case AnswerPart::RealNumerator:
        return Loesungsweg::tr("der Realteil des Zählers");
    case AnswerPart::ImaginaryNumerator:
        return Loesungsweg::tr("der Imaginärteil des Zählers");
    case AnswerPart::Denominator:
        return Loesungsweg::tr("der Nenner");
    }
    return {};
}

QString signTurnedText(AnswerPart part) {
    switch (part) {
    case AnswerPart::Real:
        return Loesungsweg::tr("Der Realteil hat das falsche Vorzeichen.");
    case AnswerPart::Imaginary:
        return Loesungsweg::tr("Der Imaginärteil hat das falsche Vorzeichen.");
    case AnswerPart::Modulus:
        return Loesungsweg::tr("Ein Betrag ist nie negativ.");
    case AnswerPart::RealNumerator:
        return Loesungsweg::tr("Der Realteil des Zählers hat das falsche Vorzeichen.");
    case AnswerPart::ImaginaryNumerator:
        return Loesungsweg::tr("Der Imaginärteil des Zählers hat das falsche Vorzeichen.");
    case AnswerPart::Denominator:
        return Loesungsweg::tr("Der Nenner hat das falsche Vorzeichen.");
    }
    return {};
}

// "der Realteil", "der Realteil und der Nenner", "der Realteil des Zählers, der Imaginärteil des Zählers und der
// Nenner".
QString partList(const std::vector<AnswerPart>& parts) {
    QString list;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            list += i + 1 == parts.size() ? Loesungsweg::tr(" und ") : QStringLiteral(", ");
        list += partName(parts[i]);
    }
    return list;
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
    addDiagnosis(solution);
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
        if (const char* note = noteText(step.note))
            addProse(tr(note));
        addFormula(step.sides, step.continues);
    }
}

void Loesungsweg::addDiagnosis(const WorkedSolution& solution) {
    const Diagnosis& diagnosis = solution.diagnosis;
    const bool fraction = diagnosis.form == AnswerForm::Fraction;
    switch (diagnosis.finding) {
    case Finding::Right:
        break;
    case Finding::Nothing:
        addProse(tr("Es wurde nichts eingegeben.") + QLatin1Char(' ') + askedForm(diagnosis.form));
        break;
    case Finding::Unreadable:
        addProse(tr("Die Eingabe lässt sich nicht als Zahl lesen.") + QLatin1Char(' ') + askedForm(diagnosis.form));
        break;
    case Finding::FormOnly: {
        const QString slip = slipText(diagnosis);
        addProse(tr("Der Wert stimmt, nur die Schreibweise nicht.") +
                 (slip.isEmpty() ? QString() : QLatin1Char(' ') + slip));
        addProse(tr("Richtig geschrieben:"));
        addFormula({solution.result});
        break;
    }
    case Finding::JSquaredAsPlusOne:
        addProse(tr("Beim Ausmultiplizieren wurde j² = +1 gerechnet; es gilt aber j² = −1."));
        break;
    case Finding::DivisorNotConjugated:
        addProse(
            tr("Zähler und Nenner werden mit dem konjugiert komplexen Divisor erweitert, nicht mit dem Divisor "
               "selbst: das Vorzeichen seines Imaginärteils wechselt."));
        break;
    case Finding::RootMissing:
        addProse(tr("Das ist die Summe der Quadrate; der Betrag ist ihre Wurzel:"));
        addFormula({diagnosis.detail});
        break;
    case Finding::PartsSwapped:
        addProse(fraction ? tr("Realteil und Imaginärteil des Zählers sind vertauscht.")
                          : tr("Realteil und Imaginärteil sind vertauscht."));
        break;
    case Finding::SignTurned:
        addProse(signTurnedText(diagnosis.parts.at(0)));
        break;
    case Finding::WrongParts:
        addProse(tr("Nicht richtig: %1.").arg(partList(diagnosis.parts)));
        break;
    }
}
