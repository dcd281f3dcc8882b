// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseTask.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

TEST(FormatCartesian, WritesTheSignOfTheImaginaryPartOnce) {
    const struct {
        int re;
        int im;
        std::string text;
    } cases[] = {
        {3, 4, "3+j4"},    {-49, -3, "-49-j3"}, {7, 0, "7+j0"},
        {0, -12, "0-j12"}, {0, 0, "0+j0"},      {-200, 200, "-200+j200"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatCartesian(c.re, c.im), c.text);
}

TEST(IsRightAnswer, OnlyTheExactTextIsRight) {
    const std::string million(1'000'000, '1');
    const struct {
        std::string typed;
        std::string expected;
        bool right;
    } cases[] = {
        {"7+j0", "7+j0", true},
        {"0-j12", "0-j12", true},
        {"-49-j3", "-49-j3", true},
        {"13", "13", true},
        {million, million, true},
        {"7", "7+j0", false},
        {"-j12", "0-j12", false},
        {"+5+j3", "5+j3", false},
        {"5 + j3", "5+j3", false},
        {"5+j3 ", "5+j3", false},
        {" 5+j3", "5+j3", false},
        {"(5+j3)", "5+j3", false},
        {"[5+j3]", "5+j3", false},
        {"5+J3", "5+j3", false},
        {"5+i3", "5+j3", false},
        {"3+4j", "3+j4", false},
        {"05+j3", "5+j3", false},
        {"13.0", "13", false},
        {"+13", "13", false},
        {" 13", "13", false},
        {"", "13", false},
        {std::string("13\0", 3), "13", false},
        {"\xE2\x88\x92"
         "49-j3",
         "-49-j3", false},  // U+2212 minus sign
        {"１３", "13", false},
        {million, "13", false},
        {"13" + million, "13", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isRightAnswer(c.typed, c.expected), c.right) << c.typed.substr(0, 20) << " for " << c.expected;
}

TEST(Feedback, NamesTheRightAnswer) { EXPECT_EQ(wrongFeedback("-49-j3"), "Falsch: -49-j3 ist richtig!"); }

}  // namespace
}  // namespace tessaro
