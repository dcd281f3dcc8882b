// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/Explanation.h"
#include "logic/PolarModes.h"

namespace tessaro {

namespace {

// What the answer was worked out for: the same slip reads differently in each mode.
enum class Work { ToPolar, ToCartesian, Product, PhasorSum };

ExplanationLine says(std::vector<Phrase> sentences) { return {std::move(sentences), {}}; }

Phrase sentence(const char* text) { return phrase(text); }

// The sentences of a finding only the polar modes make; none for the findings every mode shares.
std::vector<Phrase> polarSentences(const Diagnosis& diagnosis, Work work) {
    switch (diagnosis.finding) {
    case Finding::Nothing:
        if (diagnosis.parts.empty())
            return {};
        return {diagnosis.parts.front() == AnswerPart::Angle
                    ? sentence(QT_TRANSLATE_NOOP("Loesungsweg", "Der Winkel fehlt."))
                    : sentence(QT_TRANSLATE_NOOP("Loesungsweg", "Der Betrag fehlt."))};
    case Finding::NoQuadrantCorrection:
        return {sentence(QT_TRANSLATE_NOOP("Loesungsweg",
                                           "Der Winkel liegt im falschen Quadranten: arctan gibt nur Winkel zwischen "
                                           "−90° und 90°.")),
                sentence(QT_TRANSLATE_NOOP("Loesungsweg",
                                           "In welchem Quadranten z liegt, zeigen die Vorzeichen von Realteil und "
                                           "Imaginärteil; danach richtet sich φ."))};
    case Finding::XYSwapped:
        return {sentence(QT_TRANSLATE_NOOP("Loesungsweg",
                                           "Es sieht so aus, als wären x und y im arctan vertauscht; das gibt 90° − φ. "
                                           "Der Winkel im Dreieck ist α = arctan(|y| / |x|)."))};
    case Finding::DegreesRadians:
        if (work == Work::ToCartesian)
            return {sentence(QT_TRANSLATE_NOOP("Loesungsweg",
                                               "Es sieht so aus, als hätte der Taschenrechner cos und sin im Bogenmaß "
                                               "(RAD) gerechnet. Der Winkel ist in Grad gegeben: auf DEG umstellen."))};
        return {sentence(
            QT_TRANSLATE_NOOP("Loesungsweg",
                              "Es sieht so aus, als wäre der Winkel im Bogenmaß (RAD) gerechnet worden. Verlangt "
                              "ist er in Grad: den Taschenrechner auf DEG umstellen."))};
    case Finding::CosSinSwapped:
        return {sentence(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Es sieht so aus, als wären cos und sin vertauscht: x = r · cos φ und y = r · sin φ."))};
    case Finding::AnglesAdded:
        return {sentence(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Beim Dividieren werden die Winkel subtrahiert, nicht addiert: φ = φ₁ − φ₂."))};
    case Finding::AnglesSubtracted:
        return {sentence(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Beim Multiplizieren werden die Winkel addiert, nicht subtrahiert: φ = φ₁ + φ₂."))};
    case Finding::ModuliAdded:
        if (work == Work::PhasorSum)
            return {sentence(QT_TRANSLATE_NOOP("Loesungsweg",
                                               "Die Beträge zweier Zeiger addieren sich nur, wenn beide in dieselbe "
                                               "Richtung zeigen. Zeiger werden in kartesischer Form addiert."))};
        return {sentence(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Beim Multiplizieren werden die Beträge multipliziert, nicht addiert: r = r₁ · r₂."))};
    case Finding::ModuliSubtracted:
        return {sentence(QT_TRANSLATE_NOOP(
            "Loesungsweg", "Beim Dividieren werden die Beträge dividiert, nicht subtrahiert: r = r₁ / r₂."))};
    case Finding::AddedInPolarForm:
        return {sentence(QT_TRANSLATE_NOOP("Loesungsweg",
                                           "In Polarform lassen sich Zeiger nicht addieren: (r₁ + r₂)∠(φ₁ + φ₂) ist "
                                           "nicht ihre Summe.")),
                sentence(QT_TRANSLATE_NOOP("Loesungsweg",
                                           "Beide Zeiger in die kartesische Form umrechnen, Realteile und "
                                           "Imaginärteile addieren, dann zurück in die Polarform."))};
    case Finding::RoundedTooCoarsely:
        return {sentence(QT_TRANSLATE_NOOP("Loesungsweg",
                                           "Knapp daneben: Es sieht so aus, als wäre zu grob gerundet worden. In jedem "
                                           "Zwischenergebnis zwei Nachkommastellen behalten, beim Winkel mindestens "
                                           "eine."))};
    default:
        return {};
    }
}

std::vector<ExplanationLine> explainPolar(const Diagnosis& diagnosis, const MathTerm& result, Work work) {
    std::vector<Phrase> own = polarSentences(diagnosis, work);
    std::vector<ExplanationLine> lines =
        own.empty() ? explainCartesian(diagnosis, result) : std::vector{says(std::move(own))};
    for (const Diagnosis& further : diagnosis.further)
        for (ExplanationLine& line : explainPolar(further, result, work))
            lines.push_back(std::move(line));
    return lines;
}

}  // namespace

std::vector<ExplanationLine> explainToPolar(const Diagnosis& diagnosis, const MathTerm& result) {
    return explainPolar(diagnosis, result, Work::ToPolar);
}

std::vector<ExplanationLine> explainToCartesian(const Diagnosis& diagnosis, const MathTerm& result) {
    return explainPolar(diagnosis, result, Work::ToCartesian);
}

std::vector<ExplanationLine> explainPolarProduct(const Diagnosis& diagnosis, const MathTerm& result) {
    return explainPolar(diagnosis, result, Work::Product);
}

std::vector<ExplanationLine> explainPhasorSum(const Diagnosis& diagnosis, const MathTerm& result) {
    return explainPolar(diagnosis, result, Work::PhasorSum);
}

}  // namespace tessaro
