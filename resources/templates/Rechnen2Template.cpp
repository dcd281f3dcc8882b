// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/templates/Rechnen2Template.h"

#include <QtGlobal>

namespace tessaro::rechnen2 {
namespace {

using K = ControlKind;
using namespace style;

// The tables keep one control a line.
// clang-format off
constexpr ControlTemplate kControls[] = {
    {ComputeButton, K::PictureButton, QT_TRANSLATE_NOOP("Template", "Berechnen"), {292, 87, 74, 33}, DefaultButton},
    {BackButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Zurück zum Hauptmenü"), {254, 288, 50, 27}, MultiLine},
    {RealNumeratorInput, K::Edit, "", {153, 78, 36, 20}, Border | TabStop | Group, QT_TRANSLATE_NOOP("Template", "Realteil des Zählers")},
    {PercentField, K::Edit, "", {419, 205, 92, 14}, AlignCenter, QT_TRANSLATE_NOOP("Template", "Prozentuale Auswertung")},
    {RightCountField, K::Edit, "", {419, 160, 40, 14}, AlignCenter, QT_TRANSLATE_NOOP("Template", "Richtig")},
    {WrongCountField, K::Edit, "", {471, 160, 40, 14}, AlignCenter, QT_TRANSLATE_NOOP("Template", "Falsch")},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Richtig"), {427, 149, 22, 8}, 0},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Falsch"), {479, 149, 21, 8}, 0},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Prozentuale Auswertung"), {425, 192, 80, 8}, CenterTranslation},
    {kNoId, K::GroupBox, QT_TRANSLATE_NOOP("Template", "AUSWERTUNG"), {409, 128, 113, 117}, 0},
    {NewTaskButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "neue Aufgabe"), {21, 17, 54, 14}, Group},
    {ResetButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Auswertung zurücksetzen"), {441, 258, 50, 27}, MultiLine},
    {DenominatorInput, K::Edit, "", {188, 107, 36, 20}, Border | TabStop, QT_TRANSLATE_NOOP("Template", "Nenner")},
    {ImagNumeratorInput, K::Edit, "", {223, 79, 36, 20}, Border | TabStop, QT_TRANSLATE_NOOP("Template", "Imaginärteil des Zählers")},
    {DividendField, K::Edit, "", {31, 82, 72, 21}, ReadOnly | AlignCenter, QT_TRANSLATE_NOOP("Template", "Dividend")},
    {DivisorField, K::Edit, "", {31, 109, 72, 21}, ReadOnly | AlignCenter, QT_TRANSLATE_NOOP("Template", "Divisor")},
    {WrongLabelField, K::Edit, "", {42, 215, 106, 27}, ReadOnly, QT_TRANSLATE_NOOP("Template", "Meldung bei falscher Antwort")},
    {CorrectRealNumeratorField, K::Edit, "", {167, 208, 44, 20}, ReadOnly | AlignRight | Group, QT_TRANSLATE_NOOP("Template", "Richtiger Realteil des Zählers")},
    {CorrectDenominatorField, K::Edit, "", {210, 237, 21, 20}, ReadOnly | AlignCenter, QT_TRANSLATE_NOOP("Template", "Richtiger Nenner")},
    {RightMessageField, K::Edit, "", {38, 166, 106, 27}, ReadOnly, QT_TRANSLATE_NOOP("Template", "Meldung bei richtiger Antwort")},
    {CorrectImagNumeratorField, K::Edit, "", {213, 208, 57, 20}, ReadOnly | Group, QT_TRANSLATE_NOOP("Template", "Richtiger Imaginärteil des Zählers")},
    {RuleButton, K::PictureButton, QT_TRANSLATE_NOOP("Template", "Rechenregel ansehen"), {469, 7, 84, 28}, MultiLine},
    {WorkedSolutionButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Lösungsweg"), {42, 248, 60, 14}, 0},
};

constexpr DialogTemplate kTemplate{144, QT_TRANSLATE_NOOP("Template", "Rechnen"), 560, 322, FrameKind::Modal, kControls};
// clang-format on

}  // namespace

const DialogTemplate& dialogTemplate() { return kTemplate; }

}  // namespace tessaro::rechnen2
