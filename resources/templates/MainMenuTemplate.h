// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/templates/DialogTemplate.h"

namespace tessaro::mainmenu {

enum ControlId : int {
    PractiseButton = 1000,
    QuitButton = kCancelId,
    RulesButton = 1001,
    AddSubtractRadio = 1002,
    ModulusRadio = 1003,
    MultiplyRadio = 1004,
    DivideRadio = 1005,
    AboutButton = 1006,
    ToPolarRadio = 1007,
    ToCartesianRadio = 1008,
    PolarMultiplyDivideRadio = 1009,
    AddPhasorsRadio = 1010,
};

const DialogTemplate& dialogTemplate();  // 102

}  // namespace tessaro::mainmenu
