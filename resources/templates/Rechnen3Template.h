// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/templates/DialogTemplate.h"

namespace tessaro::rechnen3 {

// The exercise screen of the polar form: the first screen's layout, the answer as a modulus and an angle or as x+jy,
// and the task drawn in the complex plane beside it after each check.
enum ControlId : int {
    ComputeButton = 1002,
    TaskField = 1001,
    BackButton = kOkId,
    ModulusField = 1012,
    AngleField = 1017,
    CartesianField = 1018,
    ModulusLabel = 1019,
    AngleLabel = 1020,
    WrongMessageField = 1013,
    PercentField = 1005,
    RightCountField = 1006,
    WrongCountField = 1007,
    NewTaskButton = 1015,
    ResetButton = 1009,
    RightMessageField = 1014,
    RuleButton = 1028,
    WorkedSolutionButton = 1016,
    Plane = 1021,
};

const DialogTemplate& dialogTemplate();  // 155

}  // namespace tessaro::rechnen3
