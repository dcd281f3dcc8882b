// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerReading.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <numeric>
#include <string>

namespace tessaro {

namespace {

constexpr std::size_t kMostDigits = 12;  // no number of a task is that long

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool isSign(char c) { return c == '+' || c == '-'; }

bool hasAny(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}
bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Blanks dropped, every way of writing the unit made 'j', dashes made '-', the dot of multiplication made '*', the
// decimal comma made a point. nullopt for a character that has no place in a number.
std::optional<std::string> normalised(std::string_view typed) {
    std::string text;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const std::string_view rest = typed.substr(i);
        const auto starts = [&rest](std::string_view prefix) { return rest.substr(0, prefix.size()) == prefix; };
        if (starts("\u2212") || starts("\u2013")) {  // minus sign, en dash
            text += '-';
            i += 2;
        } else if (starts("\u00B7")) {
            text += '*';
            i += 1;
        } else if (starts("\u00A0")) {
            i += 1;
        } else {
            const char c = typed[i];
            if (c == ' ' || c == '\t')
                continue;
            if (c == 'i' || c == 'I' || c == 'J')
                text += 'j';
            else if (c == ',')
                text += '.';
            else if (isDigit(c) || std::string_view("+-*.j()[]").find(c) != std::string_view::npos)
                text += c;
            else
                return std::nullopt;
        }
    }
    return text;
}

// A sum of at most one real and one imaginary term; a term is a product of at most one number and at most one j,
// each alone or in brackets with its sign, and a sign may follow the j.
class Reader {
public:
    explicit Reader(std::string text) : text_(std::move(text)) {}

    std::optional<ExactValue> answer() {
        stripOuterBrackets();
        std::optional<ExactNumber> re, im;
        bool first = true;
        while (pos_ < text_.size() || first) {
            const int sign = signs(!first);
            if (sign == 0)
                return std::nullopt;
            Term term;
            if (!readTerm(term))
                return std::nullopt;
            std::optional<ExactNumber>& part = term.imaginary ? im : re;
            if (part)
                return std::nullopt;
            part = exactNumber(sign * term.sign * term.number.numerator, term.number.denominator);
            first = false;
        }
        return ExactValue{re.value_or(ExactNumber{}), im.value_or(ExactNumber{})};
    }

private:
    struct Term {
        int sign = 1;
        ExactNumber number{1, 1};
        bool imaginary = false;
        int numbers = 0;
    };

    char peek(std::size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    void stripOuterBrackets() {
        if (text_.size() < 2)
            return;
        const char close = text_.front() == '(' ? ')' : text_.front() == '[' ? ']' : '\0';
        if (close == '\0' || text_.back() != close)
            return;
        int depth = 0;
        for (std::size_t i = 0; i < text_.size(); ++i) {
            depth += (text_[i] == '(' || text_[i] == '[') ? 1 : (text_[i] == ')' || text_[i] == ']') ? -1 : 0;
            if (depth == 0 && i + 1 < text_.size())
                return;  // the first bracket closes before the end: "(3)+j(4)"
        }
        text_ = text_.substr(1, text_.size() - 2);
    }

    // The product of a run of signs; 0 when a sign is required and there is none.
    int signs(bool required) {
        int sign = 1;
        bool any = false;
        while (isSign(peek())) {
            sign = peek() == '-' ? -sign : sign;
            any = true;
            ++pos_;
        }
        return (required && !any) ? 0 : sign;
    }

    bool startsNumber() const { return isDigit(peek()) || (peek() == '.' && isDigit(peek(1))); }

    bool readTerm(Term& term) {
        bool any = false;
        while (true) {
            if (peek() == '*') {
                if (!any)
                    return false;
                ++pos_;
                if (!readAtom(term))
                    return false;
                continue;
            }
            if (peek() == '\0' || isSign(peek()))
                return any && term.numbers <= 1;
            if (!readAtom(term))
                return false;
            any = true;
        }
    }

    bool readAtom(Term& term) {
        const char c = peek();
        if (c == 'j') {
            if (term.imaginary)
                return false;
            term.imaginary = true;
            ++pos_;
            // "j-25": the sign of the part written after its unit.
            if (term.numbers == 0 && isSign(peek())) {
                std::size_t after = pos_;
                while (after < text_.size() && isSign(text_[after]))
                    ++after;
                if (after < text_.size() && (isDigit(text_[after]) || text_[after] == '.' || text_[after] == '('))
                    term.sign *= signs(false);
            }
            return true;
        }
        if (c == '(' || c == '[') {
            const char close = c == '(' ? ')' : ']';
            ++pos_;
            term.sign *= signs(false);
            Term inner;
            while (peek() != close) {
                if (peek() == '\0' || !readAtom(inner))
                    return false;
                if (peek() == '*')
                    ++pos_;
            }
            ++pos_;
            if (inner.numbers == 0 && !inner.imaginary)
                return false;
            if (inner.imaginary && term.imaginary)
                return false;
            term.imaginary = term.imaginary || inner.imaginary;
            term.sign *= inner.sign;
            if (inner.numbers > 0)
                term.number = inner.number;
            term.numbers += inner.numbers;
            return term.numbers <= 1;
        }
        if (startsNumber()) {
            // Read digit by digit: std::stod would follow the locale, and a German one stops at the point.
            long long digits = 0, scale = 1;
            bool fraction = false;
            std::size_t count = 0;
            for (; pos_ < text_.size(); ++pos_) {
                const char d = text_[pos_];
                if (d == '.' && !fraction && isDigit(peek(1))) {
                    fraction = true;
                    continue;
                }
                if (!isDigit(d))
                    break;
                if (++count > kMostDigits)
                    return false;
                digits = digits * 10 + (d - '0');
                if (fraction)
                    scale *= 10;
            }
            term.number = exactNumber(digits, scale);
            ++term.numbers;
            return term.numbers <= 1;
        }
        return false;
    }

    std::string text_;
    std::size_t pos_ = 0;
};

// The terms of a normalised text without brackets: each with its leading signs, split where a sign follows anything
// but another sign or the unit.
std::vector<std::string> termsOf(std::string_view text) {
    std::vector<std::string> terms;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsTerm = isSign(text[i]) && i > 0 && !isSign(text[i - 1]) && text[i - 1] != 'j';
        if (terms.empty() || startsTerm)
            terms.emplace_back();
        terms.back() += text[i];
    }
    return terms;
}

bool isZeroTerm(std::string_view term) {
    const std::size_t first = term.find_first_not_of("+-j");
    return first != std::string_view::npos && term.substr(first).find_first_not_of("0.") == std::string_view::npos;
}

// Leading zeros, a decimal point or a plus sign at the start.
bool numberFormSlips(std::string_view text) {
    if (text.starts_with('+') || hasAny(text, "."))
        return true;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '0' && isDigit(text[i + 1]) && (i == 0 || !isDigit(text[i - 1])))
            return true;
    return false;
}

}  // namespace

ExactNumber exactNumber(long long numerator, long long denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const long long divisor = std::gcd(numerator, denominator);
    return divisor > 1 ? ExactNumber{numerator / divisor, denominator / divisor} : ExactNumber{numerator, denominator};
}

bool sameRatio(ExactNumber numerator, ExactNumber denominator, long long top, long long bottom) {
    // numerator · bottom = top · denominator, each side a fraction in lowest terms.
    return exactNumber(numerator.numerator * bottom, numerator.denominator) ==
           exactNumber(top * denominator.numerator, denominator.denominator);
}

std::optional<ExactValue> readExact(std::string_view typed) {
    std::optional<std::string> text = normalised(typed);
    if (!text || text->empty())
        return std::nullopt;
    return Reader(std::move(*text)).answer();
}

std::optional<ReadValue> readComplex(std::string_view typed) {
    const std::optional<ExactValue> value = readExact(typed);
    if (!value)
        return std::nullopt;
    const auto real = [](ExactNumber n) { return double(n.numerator) / double(n.denominator); };
    return ReadValue{real(value->re), real(value->im)};
}

std::optional<long long> readRoot(std::string_view typed) {
    std::string text;
    for (const char c : typed)
        if (c != ' ')
            text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string_view rest = text;
    bool root = false;
    for (std::string_view sign : {"\u221A", "sqrt", "wurzel"})
        if (rest.starts_with(sign)) {
            rest.remove_prefix(sign.size());
            root = true;
            break;
        }
    if (!root)
        return std::nullopt;
    if (rest.starts_with('(') && rest.ends_with(')'))
        rest = rest.substr(1, rest.size() - 2);
    if (rest.empty() || rest.size() > kMostDigits || !std::ranges::all_of(rest, isDigit))
        return std::nullopt;
    return std::stoll(std::string(rest));
}

std::vector<FormSlip> formSlips(std::string_view typed, AnswerForm form) {
    std::vector<FormSlip> slips;
    const auto note = [&slips](bool shows, FormSlip slip) {
        if (shows)
            slips.push_back(slip);
    };
    const std::string text = normalised(typed).value_or(std::string(typed));
    std::string bare;  // without brackets
    std::ranges::copy_if(text, std::back_inserter(bare), [](char c) { return !contains("()[]", std::string(1, c)); });
    const std::vector<std::string> terms = termsOf(bare);
    const auto imaginary = [](const std::string& term) { return contains(term, "j"); };
    const bool unit = contains(bare, "j");

    note(hasAny(typed, " \t") || contains(typed, "\u00A0"), FormSlip::Blanks);
    note(hasAny(typed, "()[]"), FormSlip::Brackets);
    note(contains(typed, "\u2212") || contains(typed, "\u2013"), FormSlip::TypographicMinus);
    if (form == AnswerForm::WholeNumber) {
        note(unit, FormSlip::ExtraPart);
    } else {
        note(hasAny(typed, "iIJ"), FormSlip::UnitLetter);
        bool after = false, signAfter = false;
        for (std::size_t i = 1; i < bare.size(); ++i) {
            after = after || (bare[i] == 'j' && (isDigit(bare[i - 1]) || bare[i - 1] == '.'));
            signAfter = signAfter || (bare[i - 1] == 'j' && isSign(bare[i]));
        }
        note(after, FormSlip::UnitAfterNumber);
        note(signAfter, FormSlip::SignAfterUnit);
    }
    bool doubled = false;
    for (std::size_t i = 1; i < bare.size(); ++i)
        doubled = doubled || (isSign(bare[i]) && isSign(bare[i - 1]));
    note(doubled, FormSlip::DoubleSign);
    note(contains(bare, "*"), FormSlip::TimesSign);
    if (form == AnswerForm::Cartesian) {
        note(terms.size() == 2 && imaginary(terms[0]) && !imaginary(terms[1]), FormSlip::ImaginaryFirst);
        note(terms.size() == 1, FormSlip::MissingPart);
    }
    note(std::ranges::any_of(terms, [](const std::string& term) { return contains(term, "-") && isZeroTerm(term); }),
         FormSlip::NegativeZero);
    // A plus sign before a minus is a doubled sign, not a form of the number.
    const bool doubledAtStart = bare.size() > 1 && isSign(bare[0]) && isSign(bare[1]);
    const std::size_t number = doubledAtStart ? std::min(bare.find_first_not_of("+-"), bare.size()) : 0;
    note(numberFormSlips(std::string_view(bare).substr(number)), FormSlip::NumberForm);
    if (slips.empty())
        slips.push_back(FormSlip::Other);
    return slips;
}

}  // namespace tessaro
