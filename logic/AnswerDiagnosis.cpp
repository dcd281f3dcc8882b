// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerDiagnosis.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tessaro {

namespace {

ExactValue exact(ComplexValue value) { return {exactNumber(value.re), exactNumber(value.im)}; }

Diagnosis finding(Finding found, AnswerForm form, std::vector<AnswerPart> parts = {}) {
    Diagnosis diagnosis;
    diagnosis.finding = found;
    diagnosis.form = form;
    diagnosis.parts = std::move(parts);
    return diagnosis;
}

Diagnosis formOnly(AnswerForm form, std::vector<FormSlip> slips) {
    Diagnosis diagnosis = finding(Finding::FormOnly, form);
    diagnosis.slip = slips.front();
    diagnosis.slips = std::move(slips);
    return diagnosis;
}

bool hasUnit(std::string_view typed) { return typed.find_first_of("jJiI") != std::string_view::npos; }

// A text without any j that reads as `expected` once a j stands before its last number: "18-25" for 18−j25, "-12" for
// 0−j12.
bool unitForgotten(std::string_view typed, ComplexValue expected) {
    if (expected.im == 0 || hasUnit(typed))
        return false;
    std::size_t start = typed.find_last_of("0123456789");
    if (start == std::string_view::npos)
        return false;
    while (start > 0 && std::string_view("0123456789.,").find(typed[start - 1]) != std::string_view::npos)
        --start;
    const std::string withUnit = std::string(typed.substr(0, start)) + "j" + std::string(typed.substr(start));
    return readExact(withUnit) == exact(expected);
}

}  // namespace

Diagnosis rightAnswer(AnswerForm form) { return finding(Finding::Right, form); }

Diagnosis diagnoseCartesian(std::string_view typed, ComplexValue expected, const std::vector<KnownSlip>& known) {
    const AnswerForm form = AnswerForm::Cartesian;
    if (typed.empty())
        return finding(Finding::Nothing, form);
    const bool forgotten = unitForgotten(typed, expected);
    const std::optional<ExactValue> value = readExact(typed);
    if (!value)
        return finding(forgotten ? Finding::UnitForgotten : Finding::Unreadable, form);
    const ExactValue right = exact(expected);
    if (*value == right)
        return formOnly(form, formSlips(typed, form));
    for (const KnownSlip& slip : known)
        if (slip.value != expected && *value == exact(slip.value)) {
            Diagnosis diagnosis = finding(slip.finding, form);
            diagnosis.operand = slip.operand;
            diagnosis.detail = slip.detail;
            return diagnosis;
        }
    if (forgotten)
        return finding(Finding::UnitForgotten, form);
    if (expected.re != 0 && expected.im != 0 && *value == exact({-expected.re, -expected.im}))
        return finding(Finding::Negated, form);
    if (expected.re != expected.im && *value == exact({expected.im, expected.re}))
        return finding(Finding::PartsSwapped, form);
    if (expected.re != 0 && *value == exact({-expected.re, expected.im}))
        return finding(Finding::SignTurned, form, {AnswerPart::Real});
    if (expected.im != 0 && *value == exact({expected.re, -expected.im}))
        return finding(Finding::SignTurned, form, {AnswerPart::Imaginary});
    std::vector<AnswerPart> wrong;
    if (value->re != right.re)
        wrong.push_back(AnswerPart::Real);
    if (value->im != right.im)
        wrong.push_back(AnswerPart::Imaginary);
    return finding(Finding::WrongParts, form, wrong);
}

Diagnosis diagnoseModulus(std::string_view typed, ComplexValue z, int modulus) {
    const AnswerForm form = AnswerForm::WholeNumber;
    const int x = z.re, y = z.im, sumOfSquares = x * x + y * y;
    if (typed.empty())
        return finding(Finding::Nothing, form);
    if (const std::optional<long long> radicand = readRoot(typed)) {
        if (*radicand == sumOfSquares) {
            Diagnosis diagnosis = finding(Finding::RootNotTaken, form);
            diagnosis.detail = root(math(std::to_string(sumOfSquares))) + math(" = " + std::to_string(modulus));
            return diagnosis;
        }
        if (*radicand == x * x - y * y)
            return finding(Finding::SquaresSubtracted, form);
        return finding(Finding::WrongParts, form, {AnswerPart::Modulus});
    }
    const std::optional<ExactValue> value = readExact(typed);
    if (!value)
        return finding(Finding::Unreadable, form);
    const auto is = [&value](int number) { return *value == ExactValue{exactNumber(number), {}}; };
    if (is(modulus))
        return formOnly(form, formSlips(typed, form));
    if (sumOfSquares != modulus && is(sumOfSquares)) {
        Diagnosis diagnosis = finding(Finding::RootMissing, form);
        diagnosis.detail = root(math(std::to_string(sumOfSquares))) + math(" = " + std::to_string(modulus));
        return diagnosis;
    }
    if (modulus != 0 && is(-modulus))
        return finding(Finding::SignTurned, form, {AnswerPart::Modulus});
    if (x + y != modulus && is(x + y))
        return finding(Finding::PartsAdded, form);
    if (std::abs(x) + std::abs(y) != modulus && is(std::abs(x) + std::abs(y)))
        return finding(Finding::ModulusOfPartsAdded, form);
    return finding(Finding::WrongParts, form, {AnswerPart::Modulus});
}

std::optional<ExactNumber> fieldNumber(std::string_view typed, bool imaginaryField) {
    const std::optional<ExactValue> value = readExact(typed);
    if (!value)
        return std::nullopt;
    if (value->im == 0)
        return value->re;
    if (imaginaryField && value->re == 0)
        return value->im;
    return std::nullopt;
}

Diagnosis diagnoseFraction(const TypedAnswer& typed, FractionNumbers expected, const FractionSlips& slips) {
    const AnswerForm form = AnswerForm::Fraction;
    // The fields in the order the page names them: the numerator's real and imaginary part, the denominator.
    const std::array<AnswerPart, 3> names{AnswerPart::RealNumerator, AnswerPart::ImaginaryNumerator,
                                          AnswerPart::Denominator};
    const std::array<std::string, 3> texts{typedField(typed, 0), typedField(typed, 2), typedField(typed, 1)};
    const std::array<int, 3> right{expected.realNumerator, expected.imagNumerator, expected.denominator};
    std::vector<AnswerPart> empty, unreadable;
    std::array<ExactNumber, 3> values{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::optional<ExactNumber> number = fieldNumber(texts[i], names[i] == AnswerPart::ImaginaryNumerator);
        if (texts[i].empty())
            empty.push_back(names[i]);
        else if (!number)
            unreadable.push_back(names[i]);
        else
            values[i] = *number;
    }
    if (empty.size() == texts.size())
        return finding(Finding::Nothing, form);
    if (!empty.empty())
        return finding(Finding::EmptyFields, form, empty);
    if (!unreadable.empty())
        return finding(Finding::Unreadable, form, unreadable);
    const ExactNumber p = values[0], r = values[1], q = values[2];
    const int P = expected.realNumerator, R = expected.imagNumerator, D = expected.denominator;

    if (q != 0 && sameRatio(p, q, P, D) && sameRatio(r, q, R, D)) {
        Diagnosis diagnosis = formOnly(form, {FormSlip::Other});
        diagnosis.reducedFraction = q != D;
        if (diagnosis.reducedFraction)
            return diagnosis;
        std::vector<FormSlip> all;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (texts[i] == std::to_string(right[i]))
                continue;
            for (FormSlip slip : formSlips(texts[i], AnswerForm::WholeNumber)) {
                // The imaginary part's field stands after its printed j.
                if (slip == FormSlip::ExtraPart && names[i] == AnswerPart::ImaginaryNumerator)
                    slip = FormSlip::UnitInField;
                if (std::ranges::find(all, slip) == all.end())
                    all.push_back(slip);
            }
        }
        if (all.size() > 1)
            std::erase(all, FormSlip::Other);
        return formOnly(form, all.empty() ? std::vector{FormSlip::Other} : all);
    }
    const ComplexValue unconjugated = slips.unconjugatedNumerator;
    if ((unconjugated.re != P || unconjugated.im != R) && p == unconjugated.re && r == unconjugated.im)
        return finding(Finding::DivisorNotConjugated, form);
    const bool realSlip = slips.realNumeratorWithJSquaredPlus != P && p == slips.realNumeratorWithJSquaredPlus;
    const bool denominatorSlip = slips.denominatorWithJSquaredPlus != D && q == slips.denominatorWithJSquaredPlus;
    if ((realSlip || denominatorSlip) && (realSlip || p == P) && (denominatorSlip || q == D) && r == R) {
        std::vector<AnswerPart> where;
        if (realSlip)
            where.push_back(AnswerPart::RealNumerator);
        if (denominatorSlip)
            where.push_back(AnswerPart::Denominator);
        return finding(Finding::JSquaredAsPlusOne, form, where);
    }
    if (slips.divisorModulus != 0 && slips.divisorModulus != D && p == P && r == R && q == slips.divisorModulus)
        return finding(Finding::DenominatorAsModulus, form);
    const ComplexValue misread = slips.misreadDividendNumerator;
    if ((misread.re != P || misread.im != R) && p == misread.re && r == misread.im && q == D) {
        Diagnosis diagnosis = finding(Finding::OperandSignMisread, form);
        diagnosis.operand = 1;
        diagnosis.detail = slips.dividendAsPrinted;
        return diagnosis;
    }
    if (P != R && p == R && r == P && q == D)
        return finding(Finding::PartsSwapped, form);
    std::vector<AnswerPart> wrong;
    std::vector<AnswerPart> turned;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] == right[i])
            continue;
        wrong.push_back(names[i]);
        if (values[i] == -right[i])
            turned.push_back(names[i]);
    }
    if (wrong.size() == 1 && turned.size() == 1)
        return finding(Finding::SignTurned, form, turned);
    // Another denominator, such as 1 under decimals: the part whose value is wrong.
    if (q != 0 && q != D && sameRatio(p, q, P, D) != sameRatio(r, q, R, D))
        return finding(Finding::WrongParts, form,
                       {sameRatio(p, q, P, D) ? AnswerPart::ImaginaryNumerator : AnswerPart::RealNumerator});
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
