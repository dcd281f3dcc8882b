// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/Explanation.h"

#include <algorithm>

namespace tessaro {

namespace {

using P = AnswerPart;

Phrase says(const char* sentence, std::vector<Phrase> arguments = {}) { return phrase(sentence, std::move(arguments)); }

Phrase askedForm(AnswerForm form) {
    switch (form) {
    case AnswerForm::Cartesian:
        return says(
            QT_TRANSLATE_NOOP("Loesungsweg", "Verlangt ist die Form x+jy bzw. x-jy, ohne Leerzeichen und Klammern."));
    case AnswerForm::WholeNumber:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Verlangt ist der Betrag als ganze Zahl."));
    case AnswerForm::Fraction:
        return says(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Verlangt sind drei ganze Zahlen: Realteil und Imaginärteil des Zählers und der Nenner."));
    case AnswerForm::Polar:
        return says(QT_TRANSLATE_NOOP("Loesungsweg",
                                      "Verlangt sind der Betrag und der Winkel in Grad, jeder in seinem Feld, auf zwei "
                                      "Nachkommastellen gerundet, der Winkel auf mindestens eine."));
    case AnswerForm::DecimalCartesian:
        return says(QT_TRANSLATE_NOOP(
            "Loesungsweg",
            "Verlangt ist die Form x+jy, Realteil und Imaginärteil auf zwei Nachkommastellen gerundet."));
    }
    return {};
}

const char* slipSentence(FormSlip slip) {
    switch (slip) {
    case FormSlip::Blanks:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Leerzeichen gehören nicht in die Eingabe.");
    case FormSlip::Brackets:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Klammern gehören nicht in die Eingabe.");
    case FormSlip::UnitAfterNumber:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Das j steht vor der Zahl: j4, nicht 4j.");
    case FormSlip::UnitLetter:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Die imaginäre Einheit wird als kleines j geschrieben.");
    case FormSlip::MissingPart:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Beide Teile gehören in die Eingabe, auch ein Teil, der null ist.");
    case FormSlip::NumberForm:
        return QT_TRANSLATE_NOOP("Loesungsweg",
                                 "Zahlen werden ohne Pluszeichen, führende Nullen und Nachkommastellen geschrieben.");
    case FormSlip::TypographicMinus:
        return QT_TRANSLATE_NOOP("Loesungsweg",
                                 "Das Minus ist ein typografisches Zeichen (− oder –); getippt wird das Minus der "
                                 "Tastatur (-).");
    case FormSlip::DoubleSign:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Zwei Vorzeichen hintereinander werden zu einem: aus +- wird -.");
    case FormSlip::SignAfterUnit:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Das Vorzeichen des Imaginärteils steht vor dem j: 3-j4, nicht 3+j-4.");
    case FormSlip::TimesSign:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Zwischen j und Zahl steht kein Malzeichen: j4, nicht j*4.");
    case FormSlip::ImaginaryFirst:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Der Realteil steht vorn, der Imaginärteil dahinter.");
    case FormSlip::NegativeZero:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Null wird ohne Minus geschrieben: +j0, nicht -j0.");
    case FormSlip::ExtraPart:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Der Betrag ist eine reelle Zahl; er wird ohne j geschrieben.");
    case FormSlip::UnitInField:
        return QT_TRANSLATE_NOOP("Loesungsweg", "Das j steht schon vor dem Feld; in das Feld gehört nur die Zahl.");
    case FormSlip::Other:
        break;
    }
    return nullptr;
}

// A field named after "für" (for): "das Feld für den Nenner".
Phrase fieldName(AnswerPart part) {
    switch (part) {
    case P::RealNumerator:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "den Realteil des Zählers"));
    case P::ImaginaryNumerator:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "den Imaginärteil des Zählers"));
    default:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "den Nenner"));
    }
}

// "Das Feld für den Nenner ist leer.", "Die Felder für … und … lassen sich nicht als Zahl lesen."
Phrase aboutFields(const std::vector<AnswerPart>& parts, bool empty) {
    std::vector<Phrase> names;
    for (AnswerPart part : parts)
        names.push_back(fieldName(part));
    switch (names.size()) {
    case 1:
        return empty
                   ? says(QT_TRANSLATE_NOOP("Loesungsweg", "Das Feld für %1 ist leer."), names)
                   : says(QT_TRANSLATE_NOOP("Loesungsweg", "Das Feld für %1 lässt sich nicht als Zahl lesen."), names);
    case 2:
        return empty ? says(QT_TRANSLATE_NOOP("Loesungsweg", "Die Felder für %1 und %2 sind leer."), names)
                     : says(QT_TRANSLATE_NOOP("Loesungsweg",
                                              "Die Felder für %1 und %2 lassen sich nicht als Zahl lesen."),
                            names);
    default:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Die Felder für %1, %2 und %3 lassen sich nicht als Zahl lesen."),
                    names);
    }
}

Phrase signTurned(AnswerPart part) {
    switch (part) {
    case P::Real:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Realteil hat das falsche Vorzeichen."));
    case P::Imaginary:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Imaginärteil hat das falsche Vorzeichen."));
    case P::Modulus:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Ein Betrag ist nie negativ."));
    case P::RealNumerator:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Realteil des Zählers hat das falsche Vorzeichen."));
    case P::ImaginaryNumerator:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Imaginärteil des Zählers hat das falsche Vorzeichen."));
    case P::Denominator:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Nenner hat das falsche Vorzeichen."));
    case P::Angle:
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Winkel hat das falsche Vorzeichen."));
    }
    return {};
}

// One sentence for each set of wrong parts, so that each reads as a teacher says it.
Phrase wrongParts(const std::vector<AnswerPart>& parts) {
    const auto are = [&parts](std::vector<AnswerPart> these) { return parts == these; };
    if (are({P::Real}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Realteil stimmt nicht."));
    if (are({P::Imaginary}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Imaginärteil stimmt nicht."));
    if (are({P::Real, P::Imaginary}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Realteil und Imaginärteil stimmen beide nicht."));
    if (are({P::Modulus}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Betrag stimmt nicht."));
    if (are({P::Angle}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Winkel stimmt nicht."));
    if (are({P::Modulus, P::Angle}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Betrag und Winkel stimmen beide nicht."));
    if (are({P::RealNumerator}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Realteil des Zählers stimmt nicht."));
    if (are({P::ImaginaryNumerator}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Imaginärteil des Zählers stimmt nicht."));
    if (are({P::Denominator}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Nenner stimmt nicht."));
    if (are({P::RealNumerator, P::ImaginaryNumerator}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Realteil und Imaginärteil des Zählers stimmen beide nicht."));
    if (are({P::RealNumerator, P::Denominator}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Realteil des Zählers und der Nenner stimmen nicht."));
    if (are({P::ImaginaryNumerator, P::Denominator}))
        return says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Imaginärteil des Zählers und der Nenner stimmen nicht."));
    return says(QT_TRANSLATE_NOOP("Loesungsweg", "Keine der drei Zahlen stimmt."));
}

Phrase jSquared(const std::vector<AnswerPart>& parts) {
    const bool numerator = std::ranges::find(parts, P::RealNumerator) != parts.end();
    const bool denominator = std::ranges::find(parts, P::Denominator) != parts.end();
    if (numerator && denominator)
        return says(QT_TRANSLATE_NOOP(
            "Loesungsweg",
            "Es sieht so aus, als wäre im Zähler und im Nenner j² = +1 gerechnet worden; es gilt aber "
            "j² = −1."));
    if (numerator)
        return says(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Es sieht so aus, als wäre im Zähler j² = +1 gerechnet worden; es gilt aber j² = −1."));
    if (denominator)
        return says(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Es sieht so aus, als wäre im Nenner j² = +1 gerechnet worden; es gilt aber j² = −1."));
    return says(QT_TRANSLATE_NOOP(
        "Loesungsweg",
        "Es sieht so aus, als wäre beim Ausmultiplizieren j² = +1 gerechnet worden; es gilt aber j² = −1."));
}

ExplanationLine line(std::vector<Phrase> sentences) { return {std::move(sentences), {}}; }
ExplanationLine shows(MathTerm formula) { return {{}, std::move(formula)}; }

// The right answer as it is to be typed, after what was wrong with the way it was written.
std::vector<ExplanationLine> withRequiredForm(std::vector<Phrase> sentences, const MathTerm& result) {
    return {line(std::move(sentences)), line({says(QT_TRANSLATE_NOOP("Loesungsweg", "In der verlangten Form:"))}),
            shows(result)};
}

std::vector<ExplanationLine> formOnly(const Diagnosis& diagnosis, const MathTerm& result) {
    std::vector<Phrase> sentences{
        says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Wert stimmt, nur die Schreibweise nicht."))};
    if (diagnosis.reducedFraction)
        sentences.push_back(says(QT_TRANSLATE_NOOP("Loesungsweg",
                                                   "Verlangt ist der ungekürzte Bruch, der beim Erweitern mit dem "
                                                   "konjugiert komplexen Divisor entsteht.")));
    else
        for (FormSlip slip : diagnosis.slips.empty() ? std::vector{diagnosis.slip} : diagnosis.slips)
            if (const char* sentence = slipSentence(slip))
                sentences.push_back(says(sentence));
    return withRequiredForm(std::move(sentences), result);
}

}  // namespace

std::vector<ExplanationLine> explainCartesian(const Diagnosis& diagnosis, const MathTerm& result) {
    const bool fraction = diagnosis.form == AnswerForm::Fraction;
    switch (diagnosis.finding) {
    case Finding::Right:
        return {};
    case Finding::Nothing:
        return {
            line({says(QT_TRANSLATE_NOOP("Loesungsweg", "Es wurde nichts eingegeben.")), askedForm(diagnosis.form)})};
    case Finding::EmptyFields:
        return {line({aboutFields(diagnosis.parts, true), askedForm(diagnosis.form)})};
    case Finding::Unreadable:
        if (fraction && !diagnosis.parts.empty())
            return {line({aboutFields(diagnosis.parts, false), askedForm(diagnosis.form)})};
        return {line({says(QT_TRANSLATE_NOOP("Loesungsweg", "Die Eingabe lässt sich nicht als Zahl lesen.")),
                      askedForm(diagnosis.form)})};
    case Finding::FormOnly:
        return formOnly(diagnosis, result);
    case Finding::RootNotTaken:
        return {line({says(QT_TRANSLATE_NOOP("Loesungsweg", "Der Wert stimmt, nur ist die Wurzel noch zu ziehen:"))}),
                shows(diagnosis.detail)};
    case Finding::DivisorNotConjugated:
        return {line({says(QT_TRANSLATE_NOOP("Loesungsweg",
                                             "Es sieht so aus, als wären Zähler und Nenner mit dem Divisor selbst "
                                             "erweitert worden. Erweitert wird mit dem konjugiert komplexen Divisor: "
                                             "das Vorzeichen seines Imaginärteils wechselt."))})};
    case Finding::JSquaredAsPlusOne:
        return {line({jSquared(diagnosis.parts)})};
    case Finding::RootMissing:
        return {line({says(
                    QT_TRANSLATE_NOOP("Loesungsweg", "Das ist die Summe der Quadrate; der Betrag ist ihre Wurzel:"))}),
                shows(diagnosis.detail)};
    case Finding::ReversedDifference:
        return {line({says(QT_TRANSLATE_NOOP("Loesungsweg",
                                             "Es sieht so aus, als wäre die erste Zahl von der zweiten abgezogen "
                                             "worden; abgezogen wird aber die zweite von der ersten."))})};
    case Finding::AddedInsteadOfSubtracted:
        return {line({says(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Es sieht so aus, als wäre addiert worden; die Aufgabe verlangt aber die Differenz."))})};
    case Finding::SubtractedInsteadOfAdded:
        return {line({says(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Es sieht so aus, als wäre subtrahiert worden; die Aufgabe verlangt aber die Summe."))})};
    case Finding::ProductPartByPart:
        return {line({says(QT_TRANSLATE_NOOP("Loesungsweg",
                                             "Es sieht so aus, als wären nur Realteil mal Realteil und Imaginärteil "
                                             "mal Imaginärteil gerechnet worden. Beim Ausmultiplizieren wird aber "
                                             "jeder Teil mit jedem Teil multipliziert."))})};
    case Finding::OperandSignMisread:
        return {line({says(QT_TRANSLATE_NOOP("Loesungsweg",
                                             "Es sieht so aus, als wäre bei einer Zahl der Aufgabe das Vorzeichen vor "
                                             "dem j falsch gelesen worden. Sie lautet:"))}),
                shows(diagnosis.detail)};
    case Finding::DenominatorAsModulus:
        return {line({says(QT_TRANSLATE_NOOP("Loesungsweg",
                                             "Es sieht so aus, als stünde im Nenner der Betrag des Divisors. Beim "
                                             "Erweitern entsteht aber sein Quadrat: c² + d²."))})};
    case Finding::PartsAdded:
        return {line({says(QT_TRANSLATE_NOOP("Loesungsweg",
                                             "Es sieht so aus, als wären Realteil und Imaginärteil addiert worden. Der "
                                             "Betrag ist aber die Wurzel aus der Summe ihrer Quadrate."))})};
    case Finding::ModulusOfPartsAdded:
        return {line({says(QT_TRANSLATE_NOOP("Loesungsweg",
                                             "Es sieht so aus, als wären die Beträge von Realteil und Imaginärteil "
                                             "addiert worden. Der Betrag ist aber die Wurzel aus der Summe ihrer "
                                             "Quadrate."))})};
    case Finding::SquaresSubtracted:
        return {line({says(QT_TRANSLATE_NOOP("Loesungsweg",
                                             "Es sieht so aus, als wäre das Quadrat des Imaginärteils abgezogen "
                                             "worden. Unter der Wurzel steht die Summe der Quadrate; das j gehört "
                                             "nicht zum Imaginärteil."))})};
    case Finding::UnitForgotten:
        return withRequiredForm(
            {says(QT_TRANSLATE_NOOP("Loesungsweg", "Es sieht so aus, als fehlte das j vor dem Imaginärteil."))},
            result);
    case Finding::Negated:
        return {line(
            {says(QT_TRANSLATE_NOOP("Loesungsweg", "Realteil und Imaginärteil haben beide das falsche Vorzeichen."))})};
    case Finding::PartsSwapped:
        return {line(
            {fraction ? says(QT_TRANSLATE_NOOP("Loesungsweg", "Realteil und Imaginärteil des Zählers sind vertauscht."))
                      : says(QT_TRANSLATE_NOOP("Loesungsweg", "Realteil und Imaginärteil sind vertauscht."))})};
    case Finding::SignTurned:
        return {line({signTurned(diagnosis.parts.at(0))})};
    case Finding::WrongParts:
        return {line({wrongParts(diagnosis.parts)})};
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
