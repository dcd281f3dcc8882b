// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TaskTextReading.h"

#include "TextReader.h"

namespace tessaro::fuzz {

namespace {

struct PrintedParts {
    int re;
    char sign;
    int im;
};

// The common middle of every operand text: "re  ±  j (im)".
PrintedParts readPrintedParts(TextReader& reader) {
    PrintedParts parts{};
    parts.re = reader.readWhole();
    reader.expect("  ");
    parts.sign = reader.readOneOf("+-").value_or('?');
    reader.expect("  j (");
    parts.im = reader.readWhole();
    reader.expect(")");
    return parts;
}

WholeComplex denotedValue(const PrintedParts& parts) { return {parts.re, parts.sign == '+' ? parts.im : -parts.im}; }

}  // namespace

std::optional<WholeComplex> readBracketedOperand(std::string_view text) {
    TextReader reader(text);
    reader.expect("[");
    const PrintedParts parts = readPrintedParts(reader);
    reader.expect("]");
    if (!reader.readAll())
        return std::nullopt;
    return denotedValue(parts);
}

std::optional<WholeComplex> readDivisionOperand(std::string_view text) {
    TextReader reader(text);
    reader.expect("  ");
    const PrintedParts parts = readPrintedParts(reader);
    if (!reader.readAll())
        return std::nullopt;
    return denotedValue(parts);
}

std::optional<WholeComplex> readModulusNumber(std::string_view text) {
    TextReader reader(text);
    const PrintedParts parts = readPrintedParts(reader);
    if (!reader.readAll())
        return std::nullopt;
    return WholeComplex{parts.re, parts.im};
}

std::optional<WholeComplex> readCartesianAnswer(std::string_view text) {
    TextReader reader(text);
    const int re = reader.readWhole();
    const char sign = reader.readOneOf("+-").value_or('?');
    reader.expect("j");
    const int magnitude = reader.readWhole();
    if (!reader.readAll() || magnitude < 0)
        return std::nullopt;
    return WholeComplex{re, sign == '+' ? magnitude : -magnitude};
}

std::optional<TwoOperandTaskText> splitTwoOperandTask(std::string_view text) {
    // Operands hold no ']' of their own, so the first one ends the left operand.
    const std::size_t leftEnd = text.find(']');
    if (leftEnd == std::string_view::npos)
        return std::nullopt;
    const std::string_view left = text.substr(0, leftEnd + 1);
    TextReader middle(text.substr(leftEnd + 1, 3));
    middle.expect(" ");
    const std::optional<char> operation = middle.readOneOf("+-*");
    middle.expect(" ");
    if (!middle.readAll())
        return std::nullopt;
    return TwoOperandTaskText{left, *operation, text.substr(leftEnd + 4)};
}

}  // namespace tessaro::fuzz
