// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/templates/DialogTemplate.h"

namespace tessaro::rechnen1 {

enum ControlId : int {
    ComputeButton = 1002,
    TaskField = 1001,
    BackButton = kOkId,
    AnswerField = 1012,
    WrongMessageField = 1013,
    PercentField = 1005,
    RightCountField = 1006,
    WrongCountField = 1007,
    NewTaskButton = 1015,
    ResetButton = 1009,
    RightMessageField = 1014,
    RuleButton = 1028,
    WorkedSolutionButton = 1016,
};

const DialogTemplate& dialogTemplate();  // 129

}  // namespace tessaro::rechnen1
