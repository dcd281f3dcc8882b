// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/templates/MainMenuTemplate.h"

#include "generated/ProgramInfo.h"

#include <QtGlobal>

namespace tessaro::mainmenu {
namespace {

using K = ControlKind;
using namespace style;

// The tables keep one control a line.
// clang-format off
constexpr ControlTemplate kControls[] = {
    {PractiseButton, K::PictureButton, QT_TRANSLATE_NOOP("Template", "Üben"), {223, 107, 65, 26}, DefaultButton | TabStop},
    {QuitButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Beenden"), {409, 253, 50, 16}, TabStop},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Rechenregeln und Definitionen für komplexe Zahlen ansehen:"), {31, 28, 155, 22}, 0},
    {RulesButton, K::PictureButton, QT_TRANSLATE_NOOP("Template", "Regeln"), {193, 26, 66, 25}, DefaultButton | TabStop},
    {AddSubtractRadio, K::RadioButton, QT_TRANSLATE_NOOP("Template", "Addition und Subtraktion komplexer Zahlen üben"), {45, 87, 171, 10}, 0},
    {ModulusRadio, K::RadioButton, QT_TRANSLATE_NOOP("Template", "Betrag einer komplexen Zahl bilden üben"), {45, 109, 145, 10}, 0},
    {MultiplyRadio, K::RadioButton, QT_TRANSLATE_NOOP("Template", "Multiplikation üben"), {45, 127, 75, 10}, 0},
    {DivideRadio, K::RadioButton, QT_TRANSLATE_NOOP("Template", "Division üben"), {45, 149, 58, 10}, 0},
    {ToPolarRadio, K::RadioButton, QT_TRANSLATE_NOOP("Template", "In Polarform umrechnen"), {45, 219, 150, 10}, 0},
    {ToCartesianRadio, K::RadioButton, QT_TRANSLATE_NOOP("Template", "In kartesische Form umrechnen"), {45, 237, 150, 10}, 0},
    {PolarMultiplyDivideRadio, K::RadioButton, QT_TRANSLATE_NOOP("Template", "Multiplikation und Division in Polarform"), {45, 255, 170, 10}, 0},
    {AddPhasorsRadio, K::RadioButton, QT_TRANSLATE_NOOP("Template", "Zeiger addieren"), {45, 273, 150, 10}, 0},
    {AboutButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "über Tessaro"), {409, 215, 50, 37}, MultiLine | TabStop},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "In dieser Version wird das Rechnen in kartesischer Form und in Polarform trainiert!"), {37, 178, 153, 21}, AlignCenter},
    {kNoId, K::GroupBox, QT_TRANSLATE_NOOP("Template", "Übungsmodus wählen und Rechnen trainieren"), {31, 66, 269, 103}, 0},
    {kNoId, K::GroupBox, QT_TRANSLATE_NOOP("Template", "Polarform und Exponentialform"), {31, 204, 269, 86}, 0},
    {kNoId, K::StaticText, kProgramName, {381, 121, 55, 8}, 0},
    {kNoId, K::StaticText, kVersionLine, {381, 132, 37, 8}, 0},
    {kNoId, K::StaticText, kAuthor, {381, 158, 54, 8}, 0},
    {kNoId, K::StaticText, kShortCopyright, {381, 171, 62, 8}, 0},
};

constexpr DialogTemplate kTemplate{102, "Tessaro", 466, 298, FrameKind::MainWindow, kControls};
// clang-format on

}  // namespace

const DialogTemplate& dialogTemplate() { return kTemplate; }

}  // namespace tessaro::mainmenu
