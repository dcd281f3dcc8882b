// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoakAnswers.h"

#include "SoakPlan.h"

namespace tessaro::soak {

namespace {
constexpr int kHugeLength = 100'000;
}

AnswerKind AnswerPicker::kindFor(int check) {
    if (dueBefore(check, kHugeAnswerEvery))
        return AnswerKind::Huge;
    const int roll = pick(100);
    if (roll < 45)
        return AnswerKind::Right;
    if (roll < 70)
        return AnswerKind::Wrong;
    if (roll < 80)
        return AnswerKind::Empty;
    return AnswerKind::NonAscii;
}

QString AnswerPicker::nearMiss(const QString& right) {
    switch (pick(4)) {
    case 0:
        return right + QLatin1Char('0');
    case 1:
        return right.startsWith(QLatin1Char('-')) ? right.mid(1) : QLatin1Char('-') + right;
    case 2:
        return QLatin1Char(' ') + right;
    default:
        return right + QLatin1Char(' ');
    }
}

QString AnswerPicker::nonAscii() {
    const QStringList& texts = nonAsciiTexts();
    return texts.at(pick(static_cast<int>(texts.size())));
}

int AnswerPicker::pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

QString hugeAnswer(const QString& right) { return right.leftJustified(kHugeLength, QLatin1Char('0')); }

const QStringList& nonAsciiTexts() {
    static const QStringList texts = {
        QString::fromUtf8(u8"３+j４"),      // full-width digits
        QString::fromUtf8(u8"3+ј4"),        // Cyrillic je
        QString::fromUtf8(u8"٣+j٤"),        // Arabic-Indic digits
        QString::fromUtf8(u8"3−j4"),        // minus sign instead of hyphen
        QString::fromUtf8(u8"5\u200b"),     // zero-width space after a digit
        QString::fromUtf8(u8"\u202e4j+3"),  // right-to-left override
        QString::fromUtf8(u8"e\u0301"),     // combining accent
        QString::fromUtf8(u8"ä€ß"),        QString::fromUtf8(u8"😀"), QString::fromUtf8(u8"复数"),
    };
    return texts;
}

}  // namespace tessaro::soak
