// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/TaskOperand.h"

#include <utility>

namespace tessaro {

namespace {

// drawScaled(4) results 0, 1 and 2 pick a negative sign or the Plus form.
bool isLowQuarterDraw(RawValueSource& source) { return drawScaled(source, 4) <= 2; }

int drawSignedPart(RawValueSource& source, int limit) {
    const int magnitude = drawScaled(source, limit);
    return isLowQuarterDraw(source) ? -magnitude : magnitude;
}

// Draws the parts as printed and the form; the caller builds the text.
TaskOperand drawPrintedParts(RawValueSource& source, int limit) {
    const int re = drawSignedPart(source, limit);
    const int im = drawSignedPart(source, limit);
    const OperandForm form = isLowQuarterDraw(source) ? OperandForm::Plus : OperandForm::Minus;
    return {form, {}, re, im};
}

// Appended piece by piece: g++ 12 warns falsely (-Wrestrict) on "[" + std::string.
std::string operandText(const TaskOperand& printed, const char* prefix, const char* suffix) {
    std::string text = prefix;
    text += std::to_string(printed.re);
    text += printed.form == OperandForm::Plus ? "  +  j (" : "  -  j (";
    text += std::to_string(printed.im);
    text += ')';
    text += suffix;
    return text;
}

// The text is built from the printed parts; only then does a Minus operand
// store the imaginary part the text actually denotes.
TaskOperand finish(TaskOperand printed, std::string text) {
    printed.text = std::move(text);
    if (printed.form == OperandForm::Minus)
        printed.im = -printed.im;
    return printed;
}

}  // namespace

TaskOperand drawOperand(RawValueSource& source, int limit) {
    const TaskOperand printed = drawPrintedParts(source, limit);
    return finish(printed, operandText(printed, "[", "]"));
}

TaskOperand drawDivisionOperand(RawValueSource& source) {
    const TaskOperand printed = drawPrintedParts(source, 10);
    return finish(printed, operandText(printed, "  ", ""));
}

}  // namespace tessaro
