// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"

#include <array>

namespace tessaro {

namespace {

ReadValue valueOf(ComplexValue value) { return {double(value.re), double(value.im)}; }

Diagnosis finding(Finding found, AnswerForm form, std::vector<AnswerPart> parts = {}) {
    Diagnosis diagnosis;
    diagnosis.finding = found;
    diagnosis.form = form;
    diagnosis.parts = std::move(parts);
    return diagnosis;
}

// A fraction field's number: a whole or decimal number; in the imaginary part's field also j times one.
std::optional<double> fieldValue(std::string_view typed, bool imaginaryField) {
    const std::optional<ReadValue> value = readComplex(typed);
    if (!value)
        return std::nullopt;
    if (value->im == 0)
        return value->re;
    if (imaginaryField && value->re == 0)
        return value->im;
    return std::nullopt;
}

}  // namespace

Diagnosis rightAnswer(AnswerForm form) { return finding(Finding::Right, form); }

Diagnosis diagnoseCartesian(std::string_view typed, ComplexValue expected, std::optional<ComplexValue> jSquaredSlip) {
    const AnswerForm form = AnswerForm::Cartesian;
    if (typed.empty())
        return finding(Finding::Nothing, form);
    const std::optional<ReadValue> value = readComplex(typed);
    if (!value)
        return finding(Finding::Unreadable, form);
    const ReadValue right = valueOf(expected);
    if (*value == right) {
        Diagnosis diagnosis = finding(Finding::FormOnly, form);
        diagnosis.slip = formSlip(typed, form);
        return diagnosis;
    }
    if (jSquaredSlip && valueOf(*jSquaredSlip) != right && *value == valueOf(*jSquaredSlip))
        return finding(Finding::JSquaredAsPlusOne, form);
    if (expected.re != expected.im && *value == ReadValue{right.im, right.re})
        return finding(Finding::PartsSwapped, form);
    if (expected.re != 0 && *value == ReadValue{-right.re, right.im})
        return finding(Finding::SignTurned, form, {AnswerPart::Real});
    if (expected.im != 0 && *value == ReadValue{right.re, -right.im})
        return finding(Finding::SignTurned, form, {AnswerPart::Imaginary});
    std::vector<AnswerPart> wrong;
    if (value->re != right.re)
        wrong.push_back(AnswerPart::Real);
    if (value->im != right.im)
        wrong.push_back(AnswerPart::Imaginary);
    return finding(Finding::WrongParts, form, wrong);
}

Diagnosis diagnoseModulus(std::string_view typed, int modulus, int sumOfSquares) {
    const AnswerForm form = AnswerForm::WholeNumber;
    if (typed.empty())
        return finding(Finding::Nothing, form);
    const std::optional<ReadValue> value = readComplex(typed);
    if (!value)
        return finding(Finding::Unreadable, form);
    if (*value == ReadValue{double(modulus), 0}) {
        Diagnosis diagnosis = finding(Finding::FormOnly, form);
        diagnosis.slip = formSlip(typed, form);
        return diagnosis;
    }
    if (sumOfSquares != modulus && *value == ReadValue{double(sumOfSquares), 0}) {
        Diagnosis diagnosis = finding(Finding::RootMissing, form);
        diagnosis.detail = root(math(std::to_string(sumOfSquares))) + math(" = " + std::to_string(modulus));
        return diagnosis;
    }
    if (modulus != 0 && *value == ReadValue{double(-modulus), 0})
        return finding(Finding::SignTurned, form, {AnswerPart::Modulus});
    return finding(Finding::WrongParts, form, {AnswerPart::Modulus});
}

Diagnosis diagnoseFraction(const TypedAnswer& typed, FractionNumbers expected, FractionSlips slips) {
    const AnswerForm form = AnswerForm::Fraction;
    const std::array<std::string, 3> texts{typed.size() > 0 ? typed[0] : "", typed.size() > 1 ? typed[1] : "",
                                           typed.size() > 2 ? typed[2] : ""};
    if (texts[0].empty() && texts[1].empty() && texts[2].empty())
        return finding(Finding::Nothing, form);
    const std::optional<double> p = fieldValue(texts[0], false), q = fieldValue(texts[1], false),
                                r = fieldValue(texts[2], true);
    if (!p || !q || !r)
        return finding(Finding::Unreadable, form);
    const double P = expected.realNumerator, D = expected.denominator, R = expected.imagNumerator;
    if (*q != 0 && *p * D == P * *q && *r * D == R * *q) {
        Diagnosis diagnosis = finding(Finding::FormOnly, form);
        diagnosis.reducedFraction = *q != D;
        const std::array<std::string, 3> right{std::to_string(expected.realNumerator),
                                               std::to_string(expected.denominator),
                                               std::to_string(expected.imagNumerator)};
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (!diagnosis.reducedFraction && texts[i] != right[i]) {
                diagnosis.slip = formSlip(texts[i], AnswerForm::WholeNumber);
                break;
            }
        return diagnosis;
    }
    const ComplexValue unconjugated = slips.unconjugatedNumerator;
    if ((unconjugated.re != P || unconjugated.im != R) && *p == unconjugated.re && *r == unconjugated.im)
        return finding(Finding::DivisorNotConjugated, form);
    const bool realSlip = slips.realNumeratorWithJSquaredPlus != P && *p == slips.realNumeratorWithJSquaredPlus;
    const bool denominatorSlip = slips.denominatorWithJSquaredPlus != D && *q == slips.denominatorWithJSquaredPlus;
    if ((realSlip || denominatorSlip) && (realSlip || *p == P) && (denominatorSlip || *q == D) && *r == R)
        return finding(Finding::JSquaredAsPlusOne, form);
    if (P != R && *p == R && *r == P && *q == D)
        return finding(Finding::PartsSwapped, form);
    const std::array<std::pair<double, double>, 3> fields{{{*p, P}, {*r, R}, {*q, D}}};
    const std::array<AnswerPart, 3> names{AnswerPart::RealNumerator, AnswerPart::ImaginaryNumerator,
                                          AnswerPart::Denominator};
    std::vector<AnswerPart> wrong;
    std::vector<AnswerPart> turned;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto [value, right] = fields[i];
        if (value != right)
            wrong.push_back(names[i]);
        if (value != right && value == -right)
            turned.push_back(names[i]);
    }
    if (wrong.size() == 1 && turned.size() == 1)
        return finding(Finding::SignTurned, form, turned);
    return finding(Finding::WrongParts, form, wrong);
}

MathTerm shownTyped(std::string_view typed) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < typed.size(); ++characters) {
        if (characters == kShownTypedLength)
            return verbatim(std::string(typed.substr(0, end)) + "\u2026");
        ++end;
        while (end < typed.size() && (static_cast<unsigned char>(typed[end]) & 0xC0) == 0x80)
            ++end;  // the rest of a character of several bytes
    }
    return verbatim(std::string(typed));
}

}  // namespace tessaro
