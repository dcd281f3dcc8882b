// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/ExerciseTask.h"

#include "logic/TaskOperand.h"

namespace tessaro {

ExerciseTask makeAddSubtractTask(RawValueSource& source) {
    const TaskOperand a = drawOperand(source, 100);
    const TaskOperand b = drawOperand(source, 100);
    const int operation = drawScaled(source, 4);
    if (operation == 1 || operation == 2) {
        const std::string text = a.text + " + " + b.text;
        return {text, formatCartesian(a.re + b.re, a.im + b.im), {Operation::Add, {a.re, a.im}, {b.re, b.im}, {text}}};
    }
    const std::string text = a.text + " - " + b.text;
    return {text, formatCartesian(a.re - b.re, a.im - b.im), {Operation::Subtract, {a.re, a.im}, {b.re, b.im}, {text}}};
}

ExerciseTask makeMultiplyTask(RawValueSource& source) {
    const TaskOperand a = drawOperand(source, 10);
    const TaskOperand b = drawOperand(source, 10);
    const int re = a.re * b.re - a.im * b.im;
    const int im = a.re * b.im + a.im * b.re;
    const std::string text = a.text + " * " + b.text;
    return {text, formatCartesian(re, im), {Operation::Multiply, {a.re, a.im}, {b.re, b.im}, {text}}};
}

std::string formatCartesian(int re, int im) {
    if (im >= 0)
        return std::to_string(re) + "+j" + std::to_string(im);
    return std::to_string(re) + "-j" + std::to_string(-im);
}

bool isRightAnswer(std::string_view typed, std::string_view expectedAnswer) { return typed == expectedAnswer; }

}  // namespace tessaro
