// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/templates/DialogTemplate.h"

// The page that works a task through after a wrong answer: its lines stand in the body, "Zurück" closes it. The page
// takes the size its lines need; the template gives the margins, the widest the lines may be and the button.
namespace tessaro::loesungsweg {

enum ControlId : int {
    BackButton = kOkId,
};

// Where the page sets its lines, above "Zurück": its top left corner and the widest they may be. The gaps below the
// body and below the button are kept; the height is the lines'.
inline constexpr DialogUnitRect kBody{8, 6, 464, 346};

const DialogTemplate& dialogTemplate();  // 160

}  // namespace tessaro::loesungsweg
