// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/templates/DialogTemplate.h"

#include <span>

namespace tessaro::templates {

// Every dialog template of the program.
std::span<const DialogTemplate* const> all();

}  // namespace tessaro::templates
