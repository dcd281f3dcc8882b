// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/templates/RulesTemplates.h"

#include <QtGlobal>

namespace tessaro {
namespace {

using K = ControlKind;
using namespace style;
using namespace rulesmenu;

// The tables keep one control a line.
// clang-format off
constexpr ControlTemplate kRulesMenuControls[] = {
    {BackButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Zurück zum Hauptmenü"), {151, 299, 50, 28}, DefaultButton | MultiLine | TabStop},
    // The row of the polar and exponential form, added above the first in the room the menu has there.
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Polarform und Exponentialform"), {32, 11, 113, 8}, 0},
    {PolarButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Ansehen!"), {204, 9, 50, 14}, TabStop},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Der Geschichte von den i´s und j´s"), {32, 33, 113, 8}, 0},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Definition und Darstellung einer komplexen Zahl"), {32, 55, 152, 8}, 0},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Der Betrag einer komplexen Zahl"), {32, 77, 105, 8}, 0},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Addition und Subtraktion von komplexen Zahlen"), {32, 99, 153, 8}, 0},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Multiplikation von komplexen Zahlen"), {32, 121, 115, 8}, 0},
    {IundjButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Ansehen!"), {204, 31, 50, 14}, TabStop},
    {DefinitionButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Ansehen!"), {204, 53, 50, 14}, TabStop},
    {ModulusButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Ansehen!"), {204, 75, 50, 14}, TabStop},
    {AdditionButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Ansehen!"), {204, 97, 50, 14}, TabStop},
    {MultiplicationButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Ansehen!"), {204, 119, 50, 14}, TabStop},
    {kNoId, K::StaticPicture, ":/pictures/portrait133.png", {128, 175, 0, 0}, 0},
    {DivisionButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Ansehen!"), {203, 142, 50, 14}, TabStop},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Division von komplexen Zahlen"), {32, 146, 98, 8}, 0},
};

constexpr ControlTemplate closingPageButton(int x, int y) {
    return {rulepages::BackButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Zurück"), {x, y, 60, 31}, DefaultButton | MultiLine | TabStop};
}

constexpr ControlTemplate kIundjControls[] = {
    closingPageButton(206, 160),
    {kNoId, K::StaticPicture, ":/pictures/page135.png", {65, 23, 0, 0}, 0},
};
constexpr ControlTemplate kDefinitionControls[] = {
    closingPageButton(250, 271),
    {kNoId, K::StaticPicture, ":/pictures/page139.png", {102, 7, 0, 0}, 0},
};
constexpr ControlTemplate kModulusControls[] = {
    closingPageButton(207, 205),
    {kNoId, K::StaticPicture, ":/pictures/page136.png", {70, 30, 0, 0}, 0},
};
constexpr ControlTemplate kAdditionControls[] = {
    closingPageButton(215, 216),
    {kNoId, K::StaticPicture, ":/pictures/page137.png", {82, 37, 0, 0}, 0},
};
constexpr ControlTemplate kMultiplicationControls[] = {
    closingPageButton(256, 208),
    {kNoId, K::StaticPicture, ":/pictures/page138.png", {123, 44, 0, 0}, 0},
};
constexpr ControlTemplate kDivisionControls[] = {
    {rulepages::DivisionBackButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Zurück"), {224, 285, 59, 24}, TabStop},
    {kNoId, K::StaticPicture, ":/pictures/page151.png", {73, 17, 0, 0}, 0},
};
constexpr ControlTemplate kPolarControls[] = {
    closingPageButton(210, 356),
    {kNoId, K::StaticPicture, ":/pictures/page153.png", {33, 10, 0, 0}, 0},
};

constexpr DialogTemplate kRulesMenu{131, QT_TRANSLATE_NOOP("Template", "Rechenregeln für komplexe Zahlen"), 352, 334, FrameKind::Modal, kRulesMenuControls};
constexpr DialogTemplate kIundj{134, QT_TRANSLATE_NOOP("Template", "REGELN Die Geschichte von den i´s und j´s"), 487, 198, FrameKind::Modal, kIundjControls};
constexpr DialogTemplate kDefinition{140, QT_TRANSLATE_NOOP("Template", "REGELN Definition und Darstellung"), 561, 310, FrameKind::Modal, kDefinitionControls};
constexpr DialogTemplate kModulus{141, QT_TRANSLATE_NOOP("Template", "REGELN Betrag"), 475, 243, FrameKind::Modal, kModulusControls};
constexpr DialogTemplate kAddition{142, QT_TRANSLATE_NOOP("Template", "REGELN Addition"), 492, 254, FrameKind::Modal, kAdditionControls};
constexpr DialogTemplate kMultiplication{143, QT_TRANSLATE_NOOP("Template", "REGELN Multiplikation"), 574, 246, FrameKind::Modal, kMultiplicationControls};
constexpr DialogTemplate kDivision{147, QT_TRANSLATE_NOOP("Template", "REGELN Division"), 508, 316, FrameKind::Modal, kDivisionControls};
constexpr DialogTemplate kPolar{154, QT_TRANSLATE_NOOP("Template", "REGELN Polarform und Exponentialform"), 480, 394, FrameKind::Modal, kPolarControls};
// clang-format on

}  // namespace

const DialogTemplate& rulesmenu::dialogTemplate() { return kRulesMenu; }
const DialogTemplate& rulepages::iundj() { return kIundj; }
const DialogTemplate& rulepages::definition() { return kDefinition; }
const DialogTemplate& rulepages::modulus() { return kModulus; }
const DialogTemplate& rulepages::addition() { return kAddition; }
const DialogTemplate& rulepages::multiplication() { return kMultiplication; }
const DialogTemplate& rulepages::division() { return kDivision; }
const DialogTemplate& rulepages::polar() { return kPolar; }

}  // namespace tessaro
