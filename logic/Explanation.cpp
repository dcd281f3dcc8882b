// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/Explanation.h"

namespace tessaro {

namespace {

Phrase askedForm(AnswerForm form) {
    switch (form) {
    case AnswerForm::Cartesian:
        return phrase(
            QT_TRANSLATE_NOOP("Loesungsweg", "Verlangt ist die Form x+jy bzw. x-jy, ohne Leerzeichen und Klammern."));
    case AnswerForm::WholeNumber:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Verlangt ist der Betrag als ganze Zahl."));
    case AnswerForm::Fraction:
        return phrase(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Verlangt sind drei ganze Zahlen: Realteil und Imaginärteil des Zählers und der Nenner."));
    case AnswerForm::Polar:
        return phrase(
            QT_TRANSLATE_NOOP("Loesungsweg",
                              "Verlangt sind der Betrag und der Winkel in Grad, jeder in seinem Feld, auf zwei "
                              "Nachkommastellen gerundet, der Winkel auf mindestens eine."));
    case AnswerForm::DecimalCartesian:
        return phrase(QT_TRANSLATE_NOOP(
            "Loesungsweg",
            "Verlangt ist die Form x+jy, Realteil und Imaginärteil auf zwei Nachkommastellen gerundet."));
    }
    return {};
}

const char* slipSentence(const Diagnosis& diagnosis) {
    if (diagnosis.reducedFraction)
        return QT_TRANSLATE_NOOP("Loesungsweg",
                                 "Verlangt ist der ungekürzte Bruch, der beim Erweitern mit dem "
                                 "konjugiert komplexen Divisor entsteht.");
    switch (diagnosis.slip) {
    case FormSlip::Blanks:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Leerzeichen gehören nicht in die Eingabe.");
    case FormSlip::Brackets:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Klammern gehören nicht in die Eingabe.");
    case FormSlip::UnitAfterNumber:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Das j steht vor der Zahl: j4, nicht 4j.");
    case FormSlip::UnitLetter:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Die imaginäre Einheit wird als kleines j geschrieben.");
    case FormSlip::MissingPart:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Beide Teile werden geschrieben, auch ein Teil, der null ist.");
    case FormSlip::NumberForm:
        return QT_TRANSLATE_NOOP("Loesungsweg",
                                 "Zahlen werden ohne Pluszeichen, führende Nullen und Nachkommastellen geschrieben.");
    case FormSlip::Other:
        break;
    }
    return nullptr;
}

Phrase partName(AnswerPart part) {
    switch (part) {
    case AnswerPart::Real:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "der Realteil"));
    case AnswerPart::Imaginary:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "der Imaginärteil"));
    case AnswerPart::Modulus:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "der Betrag"));
    case AnswerPart::RealNumerator:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "der Realteil des Zählers"));
    case AnswerPart::ImaginaryNumerator:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "der Imaginärteil des Zählers"));
    case AnswerPart::Denominator:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "der Nenner"));
    case AnswerPart::Angle:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "der Winkel"));
    }
    return {};
}

Phrase signTurned(AnswerPart part) {
    switch (part) {
    case AnswerPart::Real:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Der Realteil hat das falsche Vorzeichen."));
    case AnswerPart::Imaginary:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Der Imaginärteil hat das falsche Vorzeichen."));
    case AnswerPart::Modulus:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Ein Betrag ist nie negativ."));
    case AnswerPart::RealNumerator:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Der Realteil des Zählers hat das falsche Vorzeichen."));
    case AnswerPart::ImaginaryNumerator:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Der Imaginärteil des Zählers hat das falsche Vorzeichen."));
    case AnswerPart::Denominator:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Der Nenner hat das falsche Vorzeichen."));
    case AnswerPart::Angle:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Der Winkel hat das falsche Vorzeichen."));
    }
    return {};
}

// "der Realteil", "der Realteil und der Nenner", "der Realteil des Zählers, der Imaginärteil des Zählers und der
// Nenner".
Phrase partList(const std::vector<AnswerPart>& parts) {
    std::vector<Phrase> names;
    for (AnswerPart part : parts)
        names.push_back(partName(part));
    switch (names.size()) {
    case 1:
        return names.front();
    case 2:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "%1 und %2"), names);
    default:
        return phrase(QT_TRANSLATE_NOOP("Loesungsweg", "%1, %2 und %3"), names);
    }
}

ExplanationLine says(std::vector<Phrase> sentences) { return {std::move(sentences), {}}; }
ExplanationLine shows(MathTerm formula) { return {{}, std::move(formula)}; }

}  // namespace

std::vector<ExplanationLine> explainCartesian(const Diagnosis& diagnosis, const MathTerm& result) {
    const bool fraction = diagnosis.form == AnswerForm::Fraction;
    switch (diagnosis.finding) {
    case Finding::Right:
        return {};
    case Finding::Nothing:
        return {
            says({phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Es wurde nichts eingegeben.")), askedForm(diagnosis.form)})};
    case Finding::Unreadable:
        return {says({phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Die Eingabe lässt sich nicht als Zahl lesen.")),
                      askedForm(diagnosis.form)})};
    case Finding::FormOnly: {
        std::vector<Phrase> sentences{
            phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Der Wert stimmt, nur die Schreibweise nicht."))};
        if (const char* slip = slipSentence(diagnosis))
            sentences.push_back(phrase(slip));
        return {says(std::move(sentences)), says({phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Richtig geschrieben:"))}),
                shows(result)};
    }
    case Finding::JSquaredAsPlusOne:
        return {says({phrase(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Beim Ausmultiplizieren wurde j² = +1 gerechnet; es gilt aber j² = −1."))})};
    case Finding::DivisorNotConjugated:
        return {says({phrase(QT_TRANSLATE_NOOP("Loesungsweg",
                                               "Zähler und Nenner werden mit dem konjugiert komplexen Divisor "
                                               "erweitert, nicht mit dem Divisor selbst: das Vorzeichen seines "
                                               "Imaginärteils wechselt."))})};
    case Finding::RootMissing:
        return {says({phrase(
                    QT_TRANSLATE_NOOP("Loesungsweg", "Das ist die Summe der Quadrate; der Betrag ist ihre Wurzel:"))}),
                shows(diagnosis.detail)};
    case Finding::PartsSwapped:
        return {says(
            {fraction
                 ? phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Realteil und Imaginärteil des Zählers sind vertauscht."))
                 : phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Realteil und Imaginärteil sind vertauscht."))})};
    case Finding::SignTurned:
        return {says({signTurned(diagnosis.parts.at(0))})};
    case Finding::WrongParts:
        return {says({phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Nicht richtig: %1."), {partList(diagnosis.parts)})})};
    // The polar modes put these into words themselves (PolarModes.h).
    case Finding::NoQuadrantCorrection:
    case Finding::XYSwapped:
    case Finding::DegreesRadians:
    case Finding::CosSinSwapped:
    case Finding::AnglesAdded:
    case Finding::AnglesSubtracted:
    case Finding::ModuliAdded:
    case Finding::ModuliSubtracted:
    case Finding::AddedInPolarForm:
    case Finding::RoundedTooCoarsely:
        break;
    }
    return {};
}

}  // namespace tessaro
