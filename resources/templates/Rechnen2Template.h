// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/templates/DialogTemplate.h"

namespace tessaro::rechnen2 {

enum ControlId : int {
    ComputeButton = 1021,
    BackButton = kCancelId,
    RealNumeratorInput = 1012,
    PercentField = 1005,
    RightCountField = 1006,
    WrongCountField = 1007,
    NewTaskButton = 1010,
    ResetButton = 1024,
    DenominatorInput = 1020,
    ImagNumeratorInput = 1013,
    DividendField = 1025,
    DivisorField = 1026,
    WrongLabelField = 1027,
    CorrectRealNumeratorField = 1014,
    CorrectDenominatorField = 1022,
    RightMessageField = 1028,
    CorrectImagNumeratorField = 1015,
    RuleButton = 1029,
    WorkedSolutionButton = 1030,
};

const DialogTemplate& dialogTemplate();  // 144

}  // namespace tessaro::rechnen2
