// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/templates/Rechnen3Template.h"

#include <QtGlobal>

namespace tessaro::rechnen3 {
namespace {

using K = ControlKind;
using namespace style;

// The tables keep one control a line.
// clang-format off
constexpr ControlTemplate kControls[] = {
    {ComputeButton, K::PictureButton, QT_TRANSLATE_NOOP("Template", "Berechnen"), {354, 87, 72, 31}, DefaultButton | Group | TabStop},
    {TaskField, K::Edit, "", {37, 92, 155, 22}, ReadOnly | AlignRight, QT_TRANSLATE_NOOP("Template", "Aufgabe")},
    {BackButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Zurück zum Hauptmenü"), {215, 239, 50, 28}, MultiLine | TabStop},
    {ModulusField, K::Edit, "", {222, 92, 58, 17}, Border | TabStop, QT_TRANSLATE_NOOP("Template", "Betrag")},
    {AngleField, K::Edit, "", {290, 92, 52, 17}, Border | TabStop, QT_TRANSLATE_NOOP("Template", "Winkel in °")},
    {CartesianField, K::Edit, "", {222, 92, 120, 17}, Border | TabStop, QT_TRANSLATE_NOOP("Template", "Ergebnis")},
    {ModulusLabel, K::StaticText, QT_TRANSLATE_NOOP("Template", "Betrag"), {222, 111, 58, 8}, AlignCenter},
    {AngleLabel, K::StaticText, QT_TRANSLATE_NOOP("Template", "Winkel in °"), {290, 111, 52, 8}, AlignCenter},
    {WrongMessageField, K::Edit, "", {247, 65, 228, 19}, ReadOnly, QT_TRANSLATE_NOOP("Template", "Meldung bei falscher Antwort")},
    {PercentField, K::Edit, "", {46, 217, 92, 14}, AlignCenter, QT_TRANSLATE_NOOP("Template", "Prozentuale Auswertung")},
    {RightCountField, K::Edit, "", {46, 173, 40, 14}, AlignCenter, QT_TRANSLATE_NOOP("Template", "Richtig")},
    {WrongCountField, K::Edit, "", {98, 173, 40, 14}, AlignCenter, QT_TRANSLATE_NOOP("Template", "Falsch")},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Richtig"), {54, 161, 22, 8}, 0},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Falsch"), {103, 161, 21, 8}, 0},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Prozentuale Auswertung"), {52, 204, 80, 8}, CenterTranslation},
    {kNoId, K::GroupBox, QT_TRANSLATE_NOOP("Template", "AUSWERTUNG"), {39, 137, 109, 117}, 0},
    {NewTaskButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "neue Aufgabe"), {37, 28, 56, 14}, Group | TabStop},
    {ResetButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Auswertung zurücksetzen"), {158, 178, 50, 27}, MultiLine | TabStop},
    {RightMessageField, K::Edit, "", {165, 65, 82, 19}, ReadOnly | AlignCenter, QT_TRANSLATE_NOOP("Template", "Meldung bei richtiger Antwort")},
    {RuleButton, K::PictureButton, QT_TRANSLATE_NOOP("Template", "Rechenregel ansehen"), {386, 7, 84, 28}, MultiLine | TabStop},
    {WorkedSolutionButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Lösungsweg"), {290, 44, 60, 14}, TabStop},
    {Plane, K::ComplexPlane, "", {484, 12, 188, 255}, 0},
};

constexpr DialogTemplate kTemplate{155, QT_TRANSLATE_NOOP("Template", "Rechnen"), 680, 274, FrameKind::Modal, kControls};
// clang-format on

}  // namespace

const DialogTemplate& dialogTemplate() { return kTemplate; }

}  // namespace tessaro::rechnen3
