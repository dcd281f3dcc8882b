// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Rechnen1Template.h"

namespace tessaro::rechnen1 {
namespace {

using K = ControlKind;
using namespace style;

// The tables keep one control a line.
// clang-format off
constexpr ControlTemplate kControls[] = {
    {ComputeButton, K::PictureButton, "Berechnen", {354, 87, 72, 31}, DefaultButton | Group | TabStop},
    {TaskField, K::Edit, "", {37, 92, 155, 22}, ReadOnly | AlignRight, "Aufgabe"},
    {BackButton, K::PushButton, "Zurück zum Hauptmenü", {215, 239, 50, 28}, MultiLine | TabStop},
    {AnswerField, K::Edit, "", {230, 92, 102, 17}, Border | TabStop, "Ergebnis"},
    {WrongMessageField, K::Edit, "", {247, 65, 124, 19}, ReadOnly, "Meldung bei falscher Antwort"},
    {PercentField, K::Edit, "", {46, 217, 92, 14}, AlignCenter, "Prozentuale Auswertung"},
    {RightCountField, K::Edit, "", {46, 173, 40, 14}, AlignCenter, "Richtig"},
    {WrongCountField, K::Edit, "", {98, 173, 40, 14}, AlignCenter, "Falsch"},
    {kNoId, K::StaticText, "Richtig", {54, 161, 22, 8}, 0},
    {kNoId, K::StaticText, "Falsch", {103, 161, 21, 8}, 0},
    {kNoId, K::StaticText, "Prozentuale Auswertung", {52, 204, 80, 8}, 0},
    {kNoId, K::GroupBox, "AUSWERTUNG", {39, 137, 109, 117}, 0},
    {NewTaskButton, K::PushButton, "neue Aufgabe", {37, 28, 56, 14}, Group | TabStop},
    {ResetButton, K::PushButton, "Auswertung zurücksetzen", {158, 178, 50, 27}, MultiLine | TabStop},
    {RightMessageField, K::Edit, "", {165, 65, 82, 19}, ReadOnly | AlignCenter, "Meldung bei richtiger Antwort"},
    {RuleButton, K::PictureButton, "Rechenregel ansehen", {386, 7, 84, 28}, MultiLine | TabStop},
};

constexpr DialogTemplate kTemplate{129, "Rechnen", 477, 274, FrameKind::Modal, kControls};
// clang-format on

}  // namespace

const DialogTemplate& dialogTemplate() { return kTemplate; }

}  // namespace tessaro::rechnen1
