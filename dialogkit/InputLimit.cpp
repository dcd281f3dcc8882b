// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/InputLimit.h"

#include <QLineEdit>
#include <QValidator>

namespace tessaro {

namespace {

class InputRule final : public QValidator {
public:
    InputRule(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}

    State validate(QString& input, int&) const override {
        if (input.size() > limit_)
            return Invalid;
        for (QChar& character : input)
            if (shownAsBlank(character))
                character = QLatin1Char(' ');
        return Acceptable;
    }

private:
    // What QLineEdit draws as a blank rather than as a glyph of its own.
    static bool shownAsBlank(QChar character) {
        return character.category() == QChar::Other_Control || character == QChar::LineSeparator ||
               character == QChar::ParagraphSeparator || character == QChar::ObjectReplacementCharacter;
    }

    int limit_;
};

}  // namespace

void limitInput(QLineEdit& field, int limit) { field.setValidator(new InputRule(limit, &field)); }

}  // namespace tessaro
