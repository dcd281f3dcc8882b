// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/ProgramState.h"

namespace tessaro {

namespace {
ProgramState& instance() {
    static ProgramState state;
    return state;
}
}  // namespace

ProgramState& programState() { return instance(); }

void resetProgramState() { instance() = ProgramState{}; }

}  // namespace tessaro
