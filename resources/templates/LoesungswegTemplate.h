// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/templates/DialogTemplate.h"

// The page that works a task through after a wrong answer: its lines fill the body, "Zurück" closes it.
namespace tessaro::loesungsweg {

enum ControlId : int {
    BackButton = kOkId,
};

// Where the page sets its lines, above "Zurück".
inline constexpr DialogUnitRect kBody{8, 6, 464, 346};

const DialogTemplate& dialogTemplate();  // 160

}  // namespace tessaro::loesungsweg
