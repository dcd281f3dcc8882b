// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <random>

namespace tessaro::soak {

// What a student may enter: the right answer, a near miss, nothing, a pasted flood of 100,000
// characters, or text from outside ASCII.
enum class AnswerKind { Right, Wrong, Empty, Huge, NonAscii };

// A fixed seed keeps every run of the soak the same sequence of answers.
class AnswerPicker {
public:
    explicit AnswerPicker(unsigned seed) : random_(seed) {}

    // Huge answers come on schedule, being slow to lay out; the others by chance.
    AnswerKind kindFor(int check);

    // A near miss of the right answer: an extra digit, a sign or a blank around it.
    QString nearMiss(const QString& right);

    QString nonAscii();

    // One of `count` choices.
    int pick(int count);

private:
    std::mt19937 random_;
};

// 100,000 characters that start with the right answer, so only their length makes them wrong.
QString hugeAnswer(const QString& right);

// Texts a keyboard or a paste may bring that merely look like answers, and some that do not.
const QStringList& nonAsciiTexts();

}  // namespace tessaro::soak
