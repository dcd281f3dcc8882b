// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/templates/DialogTemplate.h"

namespace tessaro::about {

enum ControlId : int {
    OkButton = kOkId,
};

const DialogTemplate& dialogTemplate();  // 100

}  // namespace tessaro::about
