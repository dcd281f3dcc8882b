// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/templates/DialogTemplate.h"

namespace tessaro::rulesmenu {

enum ControlId : int {
    BackButton = kOkId,
    IundjButton = 1003,
    DefinitionButton = 1004,
    ModulusButton = 1005,
    AdditionButton = 1006,
    MultiplicationButton = 1007,
    DivisionButton = 1008,
    PolarButton = 1009,
};

const DialogTemplate& dialogTemplate();  // 131

}  // namespace tessaro::rulesmenu

// The rule pages: a picture and "Zurück".
namespace tessaro::rulepages {

enum ControlId : int {
    BackButton = kOkId,
    DivisionBackButton = kCancelId,  // the division page closes with the cancel id
};

const DialogTemplate& iundj();           // 134
const DialogTemplate& definition();      // 140
const DialogTemplate& modulus();         // 141
const DialogTemplate& addition();        // 142
const DialogTemplate& multiplication();  // 143
const DialogTemplate& division();        // 147
const DialogTemplate& polar();           // 154

}  // namespace tessaro::rulepages
