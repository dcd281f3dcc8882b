// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

// The logic writes its sentences in German and marks them for Qt's lupdate, which reads the logic's sources too; the
// page that shows them translates them. The mark is Qt's own, defined alike here, so the logic stays free of Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace tessaro {

// A sentence to be translated, in the translation context "Loesungsweg", with %1, %2, … filled by its arguments in
// turn; or, with no sentence, a literal text that is not translated (a number, a formula).
struct Phrase {
    const char* sentence = nullptr;
    std::vector<Phrase> arguments;
    std::string literal;
};

Phrase phrase(const char* sentence, std::vector<Phrase> arguments = {});
Phrase literal(std::string text);

}  // namespace tessaro
