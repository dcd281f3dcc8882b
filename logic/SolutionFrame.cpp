// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/SolutionFrame.h"

#include "logic/AnswerDiagnosis.h"
#include "logic/ComplexArithmetic.h"

#include <climits>

namespace tessaro {

namespace {

const std::string kTimes = " \u00B7 ";

// Whether the page shows the value of an answer with this finding: where the value is what is wrong.
bool showsValue(Finding finding) {
    switch (finding) {
    case Finding::Right:
    case Finding::Nothing:
    case Finding::EmptyFields:
    case Finding::Unreadable:
    case Finding::FormOnly:
    case Finding::RootNotTaken:
    case Finding::SquaresSubtracted:
    case Finding::UnitForgotten:
        return false;
    default:
        return true;
    }
}

std::optional<int> whole(ExactNumber number) {
    if (number.denominator != 1 || number.numerator < INT_MIN || number.numerator > INT_MAX)
        return std::nullopt;
    return static_cast<int>(number.numerator);
}

// "a · b" for each part of a and each part of b that is not zero.
std::string partTimesPart(ComplexValue a, ComplexValue b) {
    const struct {
        int value;
        bool imaginary;
    } left[] = {{a.re, false}, {a.im, true}}, right[] = {{b.re, false}, {b.im, true}};
    std::string written;
    for (const auto& x : left)
        for (const auto& y : right) {
            if (x.value == 0 || y.value == 0)
                continue;
            const auto shown = [](int value, bool imaginary) {
                return imaginary ? imaginaryFactor(value) : factor(value);
            };
            written +=
                (written.empty() ? "" : " + ") + shown(x.value, x.imaginary) + kTimes + shown(y.value, y.imaginary);
        }
    return written.empty() ? "0" : written;
}

// (p + q) or the one of them that is not zero; empty where both are zero.
std::string grouped(int p, int q, Unit unit) {
    if (p != 0 && q != 0)
        return (unit == Unit::J ? "j(" : "(") + sum({{p}, {q}}) + ")";
    return p != 0 || q != 0 ? sum({{p + q, unit}}) : std::string();
}

}  // namespace

WorkedSolution framedSolution(const ExerciseTask& task, const Judgement& judgement) {
    WorkedSolution solution;
    solution.task = verbatim(task.shown.empty() ? std::string() : task.shown.front());
    solution.typed = typedAnswerTerm(judgement, judgement.diagnosis.form);
    solution.diagnosis = judgement.diagnosis;
    return solution;
}

MathTerm typedAnswerTerm(const Judgement& judgement, AnswerForm form) {
    const TypedAnswer& typed = judgement.typed;
    const bool value = showsValue(judgement.diagnosis.finding);
    if (form == AnswerForm::Fraction) {
        const std::optional<ExactNumber> p = fieldNumber(typedField(typed, 0), false),
                                         q = fieldNumber(typedField(typed, 1), false),
                                         r = fieldNumber(typedField(typed, 2), true);
        if (value && p && q && r && whole(*p) && whole(*q) && whole(*r))
            return fraction(math(complexNumber({*whole(*p), *whole(*r)})), math(signedNumber(*whole(*q))));
        return fraction(shownTyped(typedField(typed, 0)) + math(" + j ") + shownTyped(typedField(typed, 2)),
                        shownTyped(typedField(typed, 1)));
    }
    const std::string text = typedField(typed, 0);
    const std::optional<ExactValue> read = readExact(text);
    if (value && read && whole(read->re) && whole(read->im))
        return math(complexNumber({*whole(read->re), *whole(read->im)}));
    return shownTyped(text);
}

std::optional<std::size_t> appendStep(std::vector<Step>& steps, Step step) {
    std::string previous;
    for (const Step& earlier : steps)
        if (earlier.chain == step.chain && !earlier.sides.empty())
            previous = readAloud(earlier.sides.back());
    std::vector<MathTerm> sides;
    for (MathTerm& side : step.sides) {
        const std::string text = readAloud(side);
        if (text == previous && (step.continues || !sides.empty()))
            continue;
        previous = text;
        sides.push_back(std::move(side));
    }
    if (sides.size() < (step.continues ? 1u : 2u))
        return std::nullopt;
    step.sides = std::move(sides);
    steps.push_back(std::move(step));
    return steps.size() - 1;
}

std::string collectedParts(int real1, int real2, int imaginary1, int imaginary2) {
    const std::string real = grouped(real1, real2, Unit::One), imaginary = grouped(imaginary1, imaginary2, Unit::J);
    if (real.empty())
        return imaginary.empty() ? "0" : imaginary;
    if (imaginary.empty())
        return real;
    return real + (imaginary.starts_with("j(") ? " + " + imaginary : plusMinusImaginary(imaginary1 + imaginary2));
}

OperandLines resolvedSigns(std::vector<Step>& steps, const TaskNumbers& numbers, int operands, int chain) {
    OperandLines lines;
    const std::array<std::pair<ComplexValue, bool>, 2> printed{
        {{numbers.first, numbers.firstPrintedMinus}, {numbers.second, numbers.secondPrintedMinus}}};
    bool first = true;
    for (std::size_t i = 0; i < static_cast<std::size_t>(operands); ++i) {
        const auto [value, minus] = printed[i];
        if ((minus ? -value.im : value.im) >= 0)
            continue;
        lines[i] = appendStep(
            steps, {chain + static_cast<int>(i),
                    false,
                    {math(asPrinted(value, minus)), math(complexNumber(value))},
                    first ? phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Doppelte Vorzeichen auflösen:")) : Phrase{}});
        first = false;
    }
    return lines;
}

ProductLines productSteps(std::vector<Step>& steps, int chain, ComplexValue a, ComplexValue b, Phrase firstNote) {
    const int p1 = a.re * b.re, p2 = a.re * b.im, p3 = a.im * b.re, p4 = a.im * b.im;
    // The first side names a product, so that the step is always an equation.
    ProductLines lines{a * b,
                       *appendStep(steps, {chain,
                                           false,
                                           {math(bracketed(a) + kTimes + bracketed(b)), math(partTimesPart(a, b)),
                                            math(sum({{p1}, {p2, Unit::J}, {p3, Unit::J}, {p4, Unit::JSquared}}))},
                                           std::move(firstNote)}),
                       std::nullopt};
    if (p4 != 0)
        lines.jSquared = appendStep(steps, {chain,
                                            true,
                                            {math(sum({{p1}, {p2, Unit::J}, {p3, Unit::J}, {-p4}}))},
                                            phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Mit j² = −1:"))});
    appendStep(steps, {chain,
                       true,
                       {math(collectedParts(p1, -p4, p2, p3)), math(complexNumber(lines.product))},
                       phrase(QT_TRANSLATE_NOOP("Loesungsweg", "Realteil und Imaginärteil zusammenfassen:"))});
    return lines;
}

void markSlip(std::vector<Step>& steps, std::optional<std::size_t> line) {
    if (line && *line < steps.size())
        steps[*line].slipHere = true;
}

}  // namespace tessaro
