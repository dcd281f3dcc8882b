// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OwnCount.h"

#include "ProgramState.h"

#include <gtest/gtest.h>
#include <QLineEdit>

namespace tessaro::soak {

QString OwnCount::percentText() const {
    const long long answered = right + wrong;
    const long long percent = answered == 0 ? 0 : (200 * right + answered) / (2 * answered);
    return QString::number(percent) + QStringLiteral(" Prozent richtig");
}

void expectTallyShows(const TemplateDialog& screen, const OwnCount& count) {
    const ScoreTally& tally = programState().tally;
    EXPECT_EQ(tally.right(), static_cast<double>(count.right));
    EXPECT_EQ(tally.wrong(), count.wrong);
    EXPECT_EQ(tally.answered(), static_cast<double>(count.right + count.wrong));
    EXPECT_EQ(screen.control<QLineEdit>(kRightCountField)->text(), QString::number(count.right));
    EXPECT_EQ(screen.control<QLineEdit>(kWrongCountField)->text(), QString::number(count.wrong));
    EXPECT_EQ(screen.control<QLineEdit>(kPercentField)->text(), count.percentText());
}

}  // namespace tessaro::soak
