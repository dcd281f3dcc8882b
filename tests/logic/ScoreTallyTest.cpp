// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScoreTally.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

// What an exercise screen does after each checked answer.
void recordAnswer(ScoreTally& tally, bool right) {
    tally.countAnswer();
    if (right)
        tally.addRight();
    else
        tally.addWrong();
    tally.updatePercent();
}

TEST(ScoreTally, PercentIsRoundedWithHalvesUp) {
    const struct {
        int right;
        int wrong;
        std::string percentText;
    } cases[] = {
        {1, 0, "100"},
        {0, 1, "0"},
        {1, 2, "33"},
        {2, 1, "67"},
        {1, 7, "13"},
        {3, 5, "38"},
        {1, 199, "1"},
        {1, 1, "50"},
        // Halves that a division before the multiplication would push just below .5.
        {23, 17, "58"},
        {29, 171, "15"},
        {57, 143, "29"},
        {115, 85, "58"},
    };
    for (const auto& c : cases) {
        ScoreTally tally;
        for (int i = 0; i < c.wrong; ++i)
            recordAnswer(tally, false);
        for (int i = 0; i < c.right; ++i)
            recordAnswer(tally, true);
        EXPECT_EQ(tally.percentText(), c.percentText + " Prozent richtig") << c.right << " of " << c.right + c.wrong;
        EXPECT_DOUBLE_EQ(tally.percent(), 100.0 * c.right / (c.right + c.wrong));
    }
}

TEST(ScoreTally, WrongThenRight) {
    ScoreTally tally;
    recordAnswer(tally, false);
    EXPECT_EQ(tally.rightText(), "");
    recordAnswer(tally, true);
    EXPECT_EQ(tally.answered(), 2);
    EXPECT_EQ(tally.right(), 1);
    EXPECT_EQ(tally.wrong(), 1);
    EXPECT_EQ(tally.rightText(), "1");
    EXPECT_EQ(tally.wrongText(), "1");
    EXPECT_EQ(tally.percentText(), "50 Prozent richtig");
}

TEST(ScoreTally, NeverResetShowsEmptyTexts) {
    ScoreTally tally;
    tally.countAnswer();
    EXPECT_EQ(tally.answered(), 1);
    EXPECT_EQ(tally.rightText(), "");
    EXPECT_EQ(tally.wrongText(), "");
    EXPECT_EQ(tally.percentText(), "");
}

TEST(ScoreTally, ResetZeroesCountsAndTexts) {
    ScoreTally tally;
    for (bool right : {true, false, true})
        recordAnswer(tally, right);
    tally.reset();
    EXPECT_EQ(tally.answered(), 0);
    EXPECT_EQ(tally.right(), 0);
    EXPECT_EQ(tally.wrong(), 0);
    EXPECT_EQ(tally.percent(), 0);
    EXPECT_EQ(tally.rightText(), "0");
    EXPECT_EQ(tally.wrongText(), "0");
    EXPECT_EQ(tally.percentText(), "0 Prozent richtig");
}

TEST(ScoreTally, PercentBeforeAnyAnswerIsZero) {
    ScoreTally tally;
    tally.addRight();
    tally.updatePercent();
    EXPECT_EQ(tally.percent(), 0);
    EXPECT_EQ(tally.percentText(), "0 Prozent richtig");
}

TEST(ScoreTally, MixedAnswersAddUpAndBigCountsShowInFull) {
    ScoreTally tally;
    for (int i = 0; i < 300001; ++i)
        recordAnswer(tally, i % 3 != 0);
    EXPECT_EQ(tally.answered(), tally.right() + tally.wrong());
    EXPECT_EQ(tally.rightText(), "200000");
    EXPECT_EQ(tally.wrongText(), "100001");
    EXPECT_EQ(tally.percentText(), "67 Prozent richtig");
}

}  // namespace
}  // namespace tessaro
