// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/AnswerReading.h"

#include <cctype>
#include <string>

namespace tessaro {

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

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

// A signed term: a product of at most one number and at most one j, each alone or in brackets with its sign.
class Reader {
public:
    explicit Reader(std::string text) : text_(std::move(text)) {}

    std::optional<ReadValue> answer() {
        stripOuterBrackets();
        ReadValue value;
        int realParts = 0, imaginaryParts = 0;
        bool first = true;
        while (pos_ < text_.size() || first) {
            const int sign = signs(!first);
            if (sign == 0)
                return std::nullopt;
            Term term;
            if (!readTerm(term))
                return std::nullopt;
            (term.imaginary ? value.im : value.re) += sign * term.factor;
            ++(term.imaginary ? imaginaryParts : realParts);
            first = false;
        }
        if (realParts > 1 || imaginaryParts > 1)
            return std::nullopt;
        return value;
    }

private:
    struct Term {
        double factor = 1;
        bool imaginary = false;
        int numbers = 0;
    };

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

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
        while (peek() == '+' || peek() == '-') {
            sign = peek() == '-' ? -sign : sign;
            any = true;
            ++pos_;
        }
        return (required && !any) ? 0 : sign;
    }

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
            if (peek() == '\0' || peek() == '+' || peek() == '-')
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
            return true;
        }
        if (c == '(' || c == '[') {
            const char close = c == '(' ? ')' : ']';
            ++pos_;
            const int sign = signs(false);
            term.factor *= sign;
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
            term.factor *= inner.factor;
            term.numbers += inner.numbers;
            return term.numbers <= 1;
        }
        if (isDigit(c)) {
            // Read digit by digit: std::stod would follow the locale, and a German one stops at the point.
            double number = 0, scale = 1;
            bool fraction = false;
            std::size_t digits = 0;
            for (; pos_ < text_.size(); ++pos_) {
                const char d = text_[pos_];
                if (d == '.' && !fraction && pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1])) {
                    fraction = true;
                    continue;
                }
                if (!isDigit(d))
                    break;
                if (++digits > 12)
                    return false;  // no number of a task is that long
                number = number * 10 + (d - '0');
                if (fraction)
                    scale *= 10;
            }
            term.factor *= number / scale;
            ++term.numbers;
            return term.numbers <= 1;
        }
        return false;
    }

    std::string text_;
    std::size_t pos_ = 0;
};

bool hasAny(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}

}  // namespace

std::optional<ReadValue> readComplex(std::string_view typed) {
    std::optional<std::string> text = normalised(typed);
    if (!text || text->empty())
        return std::nullopt;
    return Reader(std::move(*text)).answer();
}

FormSlip formSlip(std::string_view typed, AnswerForm form) {
    if (hasAny(typed, " \t") || typed.find("\u00A0") != std::string_view::npos)
        return FormSlip::Blanks;
    if (hasAny(typed, "()[]"))
        return FormSlip::Brackets;
    if (form == AnswerForm::Cartesian) {
        for (std::size_t i = 1; i < typed.size(); ++i)
            if (hasAny(typed.substr(i, 1), "jJiI") && isDigit(typed[i - 1]))
                return FormSlip::UnitAfterNumber;
        if (hasAny(typed, "iIJ"))
            return FormSlip::UnitLetter;
        // The real part is what is left with the unit, its sign and its digits taken out.
        std::string rest(typed);
        if (const std::size_t unitAt = rest.find('j'); unitAt != std::string::npos) {
            std::size_t from = unitAt, to = unitAt + 1;
            while (from > 0 && (rest[from - 1] == '+' || rest[from - 1] == '-'))
                --from;
            while (to < rest.size() && isDigit(rest[to]))
                ++to;
            rest.erase(from, to - from);
        }
        const bool unit = hasAny(typed, "j");
        const bool realPart = hasAny(rest, "0123456789");
        if (unit != realPart)
            return FormSlip::MissingPart;
    }
    if (typed.starts_with('+') || hasAny(typed, ".,"))
        return FormSlip::NumberForm;
    for (std::size_t i = 0; i + 1 < typed.size(); ++i)
        if (typed[i] == '0' && isDigit(typed[i + 1]) && (i == 0 || !isDigit(typed[i - 1])))
            return FormSlip::NumberForm;
    return FormSlip::Other;
}

}  // namespace tessaro
