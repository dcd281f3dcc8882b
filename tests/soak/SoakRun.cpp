// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoakRun.h"

#include "OwnCount.h"
#include "ProgramState.h"
#include "ResidentMemory.h"
#include "SoakPlan.h"

#include <gtest/gtest.h>
#include <QApplication>

namespace tessaro::soak {

void playSoak(const SoakSteps& steps) {
    const int checks = plannedChecks();
    const int warmUp = warmUpChecks(checks);
    OwnCount count;
    std::size_t steadyMemory = 0;
    for (int check = 0; check < checks; ++check) {
        if (dueBefore(check, kReopenEvery))
            steps.reopen();
        if (dueBefore(check, kRulePageEvery))
            steps.visitRulePage();
        if (dueBefore(check, kResetEvery)) {
            steps.reset();
            count.reset();
        }
        if (dueBefore(check, kNewTaskEvery))
            steps.newTask();
        if (steps.beforeCheck)
            steps.beforeCheck(check);
        if (::testing::Test::HasFatalFailure())
            return;

        count.count(steps.answer(check));
        ASSERT_EQ(programState().tally.wrong(), count.wrong) << "after check " << check;
        ASSERT_EQ(programState().tally.right(), static_cast<double>(count.right)) << "after check " << check;

        if (check % kEventsEvery == 0)
            QApplication::processEvents();
        if (check + 1 == warmUp)
            steadyMemory = residentBytes();
    }
    QApplication::processEvents();

    expectTallyShows(steps.screen(), count);
    ASSERT_GT(steadyMemory, 0u);
    expectFlatMemory(steadyMemory, residentBytes());
}

}  // namespace tessaro::soak
