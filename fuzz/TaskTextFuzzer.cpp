// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Over the whole range of raw values, every task text fits its field, reads back as the numbers
// the task holds, and the expected answer follows from the operands.

#include "DivisionTask.h"
#include "ExerciseTask.h"
#include "FuzzRequire.h"
#include "FuzzedRawSource.h"
#include "TaskTextReading.h"
#include "TextReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace tessaro;
using namespace tessaro::fuzz;

// The widths the screens' read-only fields are laid out for.
constexpr std::size_t kTaskTextLength = 41;
constexpr std::size_t kBracketedOperandLength = 19;
constexpr std::size_t kDivisionOperandLength = 17;

bool operator==(const WholeComplex& a, const WholeComplex& b) { return a.re == b.re && a.im == b.im; }

bool partsWithin(const WholeComplex& value, int limit) {
    return std::abs(value.re) <= limit && std::abs(value.im) <= limit;
}

WholeComplex combine(const WholeComplex& a, char operation, const WholeComplex& b) {
    switch (operation) {
    case '+':
        return {a.re + b.re, a.im + b.im};
    case '-':
        return {a.re - b.re, a.im - b.im};
    default:
        return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
    }
}

void checkTwoOperandTask(const ExerciseTask& task, int limit, std::string_view operations) {
    require(task.taskText.size() <= kTaskTextLength, "the task text fits its field");
    const auto parts = splitTwoOperandTask(task.taskText);
    require(parts.has_value(), "the task text is two operands joined by an operation");
    require(operations.find(parts->operation) != std::string_view::npos, "the operation belongs to the mode");
    require(parts->left.size() <= kBracketedOperandLength && parts->right.size() <= kBracketedOperandLength,
            "each operand text is at most 19 characters");
    const auto left = readBracketedOperand(parts->left);
    const auto right = readBracketedOperand(parts->right);
    require(left && right, "both operands read back");
    require(partsWithin(*left, limit) && partsWithin(*right, limit), "operand parts stay within the mode's limit");
    const auto answer = readCartesianAnswer(task.expectedAnswer);
    require(answer.has_value(), "the expected answer is in the typed form x+jy or x-jy");
    require(*answer == combine(*left, parts->operation, *right), "the expected answer is the task's result");
}

bool readsAsWhole(std::string_view text, int value) {
    TextReader reader(text);
    return reader.readWhole() == value && reader.readAll();
}

ExerciseTask drawTask(ExerciseMode mode, RawValueSource& source) {
    const auto task = makeTask(mode, source);
    require(task.has_value(), "every mode of the first exercise screen draws a task");
    return *task;
}

void checkModulusTask(const ExerciseTask& task) {
    require(task.taskText.size() <= kTaskTextLength, "the task text fits its field");
    const auto number = readModulusNumber(task.taskText);
    require(number.has_value(), "the modulus task reads back");
    require(partsWithin(*number, 20), "modulus parts stay within 20");
    TextReader answer(task.expectedAnswer);
    const int modulus = answer.readWhole();
    require(answer.readAll(), "the expected modulus is a plain whole number");
    require(modulus >= 0 && modulus * modulus == number->re * number->re + number->im * number->im,
            "the expected modulus is exactly the number's modulus");
}

void checkDivisionOperand(const TaskOperand& operand) {
    require(operand.text.size() <= kDivisionOperandLength, "each division operand text is at most 17 characters");
    const auto value = readDivisionOperand(operand.text);
    require(value.has_value(), "the division operand reads back");
    require(*value == WholeComplex{operand.re, operand.im}, "the operand text denotes the stored value");
    require(partsWithin(*value, 10), "division operand parts stay within 10");
}

void checkDivisionTask(const DivisionTask& task) {
    checkDivisionOperand(task.dividend);
    checkDivisionOperand(task.divisor);
    const int a = task.dividend.re, b = task.dividend.im, c = task.divisor.re, d = task.divisor.im;
    require(task.denominator > 0, "the divisor is never zero");
    // Quotient times divisor gives back the dividend: (R + jI)(c + jd) = D (a + jb).
    const int realNumerator = task.realNumerator, imagNumerator = task.imagNumerator;
    require(realNumerator * c - imagNumerator * d == task.denominator * a &&
                realNumerator * d + imagNumerator * c == task.denominator * b,
            "the unreduced fraction times the divisor is the dividend");

    const DivisionAnswerTexts shown = correctDivisionTexts(realNumerator, task.denominator, imagNumerator);
    TextReader imag(shown.imagNumerator);
    imag.expect("+ j (");
    const int shownImag = imag.readWhole();
    imag.expect(")");
    require(readsAsWhole(shown.realNumerator, realNumerator) && readsAsWhole(shown.denominator, task.denominator) &&
                imag.readAll() && shownImag == imagNumerator,
            "the correct answer is shown as the task's numbers");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t modeByte = data[0];
    FuzzedRawSource source(data + 1, size - 1);
    switch (modeByte % 4) {
    case 0:
        checkTwoOperandTask(drawTask(ExerciseMode::AddSubtract, source), 100, "+-");
        break;
    case 1:
        checkModulusTask(drawTask(ExerciseMode::Modulus, source));
        break;
    case 2:
        checkTwoOperandTask(drawTask(ExerciseMode::Multiply, source), 10, "*");
        break;
    default:
        checkDivisionTask(makeDivisionTask(source));
        break;
    }
    return 0;
}
