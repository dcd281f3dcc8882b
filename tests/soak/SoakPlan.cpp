// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoakPlan.h"

#include <QtGlobal>

#include <algorithm>

namespace tessaro::soak {

namespace {
constexpr int kChecksOfAManualRun = 100'000;
}

int plannedChecks() {
    bool given = false;
    const int checks = qEnvironmentVariableIntValue("TESSARO_SOAK_CHECKS", &given);
    return given && checks > 0 ? checks : kChecksOfAManualRun;
}

int warmUpChecks(int plannedChecks) {
    return std::min(plannedChecks, std::max(plannedChecks / 10, 2 * kRulePageEvery));
}

}  // namespace tessaro::soak
