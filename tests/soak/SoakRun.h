// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TemplateDialog.h"

#include <functional>

namespace tessaro::soak {

// What a soak does with one exercise screen; each action may also predict the task it draws.
struct SoakSteps {
    std::function<void()> reopen;
    std::function<void()> visitRulePage;
    std::function<void()> reset;
    std::function<void()> newTask;
    std::function<void(int check)> beforeCheck;  // may be empty
    std::function<bool(int check)> answer;       // checks one answer; returns whether it was due to be right
    std::function<const TemplateDialog&()> screen;
};

// Plays the planned checks with the other actions falling due between them. After every check the tally must
// agree with the soak's own count; at the end the count fields must show it and the memory must have stayed flat.
void playSoak(const SoakSteps& steps);

}  // namespace tessaro::soak
