// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/logic/StepCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace tessaro::stepcheck {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

struct Token {
    enum class Kind { Number, Name, Function, Sign } kind;
    std::string text;  // a name, a function or a sign: + - * / ( ) | ^ j e, S for ², R for √, A for ∠, D for °, C for
                       // the star of the conjugate
    double number = 0;
    int places = 0;  // decimals written
};

std::optional<std::vector<Token>> tokens(const std::string& utf8) {
    const std::pair<std::string, std::string> signs[] = {{"\u2212", "-"}, {"\u00B7", "*"}, {"\u00B2", "S"},
                                                         {"\u221A", "R"}, {"\u2220", "A"}, {"\u00B0", "D"}};
    const std::string greek[] = {"\u03B1", "\u03C6"};
    const std::string subscripts[] = {"\u2081", "\u2082"};
    const auto at = [&utf8](std::size_t i, const std::string& s) { return utf8.compare(i, s.size(), s) == 0; };
    std::vector<Token> list;
    for (std::size_t i = 0; i < utf8.size();) {
        bool matched = false;
        for (const auto& [sign, ascii] : signs)
            if (!matched && at(i, sign)) {
                list.push_back({Token::Kind::Sign, ascii});
                i += sign.size();
                matched = true;
            }
        for (const std::string& letter : greek)
            if (!matched && at(i, letter)) {
                list.push_back({Token::Kind::Name, letter});
                i += letter.size();
                matched = true;
            }
        for (const std::string& subscript : subscripts)
            if (!matched && at(i, subscript) && !list.empty() && list.back().kind == Token::Kind::Name) {
                list.back().text += subscript;
                i += subscript.size();
                matched = true;
            }
        for (const std::string word : {"arctan", "cos", "sin"})
            if (!matched && at(i, word)) {
                list.push_back({Token::Kind::Function, word});
                i += word.size();
                matched = true;
            }
        if (matched)
            continue;
        const char c = utf8[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            Token number{Token::Kind::Number, {}};
            for (; i < utf8.size() && std::isdigit(static_cast<unsigned char>(utf8[i])); ++i)
                number.number = number.number * 10 + (utf8[i] - '0');
            if (i + 1 < utf8.size() && utf8[i] == '.' && std::isdigit(static_cast<unsigned char>(utf8[i + 1])))
                for (++i; i < utf8.size() && std::isdigit(static_cast<unsigned char>(utf8[i])); ++i)
                    number.number += (utf8[i] - '0') * std::pow(10.0, -++number.places);
            list.push_back(number);
        } else if (c == ' ') {
            ++i;
        } else if (c == '*') {  // the star of the conjugate: the printed times sign is ·
            list.push_back({Token::Kind::Sign, "C"});
            ++i;
        } else if (std::string_view("+-/()|^je").find(c) != std::string_view::npos) {
            list.push_back({Token::Kind::Sign, std::string(1, c)});
            ++i;
        } else if (std::isalpha(static_cast<unsigned char>(c))) {
            list.push_back({Token::Kind::Name, std::string(1, c)});
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return list;
}

// Recursive descent over the tokens; `bumped` is the number token moved by `bump` (to find what its rounding does).
class Evaluator {
public:
    Evaluator(const std::vector<Token>& list, const std::map<std::string, Value>& names, std::size_t bumped = SIZE_MAX,
              double bump = 0)
        : list_(list), names_(names), bumped_(bumped), bump_(bump) {}

    std::optional<Value> value() {
        const Value result = expression();
        return ok_ && pos_ == list_.size() ? std::optional(result) : std::nullopt;
    }

private:
    bool is(const char* sign) const {
        return pos_ < list_.size() && list_[pos_].kind == Token::Kind::Sign && list_[pos_].text == sign;
    }
    bool startsFactor() const {
        if (pos_ >= list_.size())
            return false;
        const Token& token = list_[pos_];
        return token.kind != Token::Kind::Sign || token.text == "(" || token.text == "j" || token.text == "e" ||
               token.text == "R";
    }
    void expect(const char* sign) {
        ok_ = ok_ && is(sign);
        ++pos_;
    }

    Value expression() {
        Value sum = term();
        while (is("+") || is("-"))
            sum = list_[pos_++].text == "+" ? sum + term() : sum - term();
        return sum;
    }
    Value term() {
        Value product = unary();
        while (ok_) {
            if (is("*") || is("/")) {
                const bool times = list_[pos_++].text == "*";
                const Value factor = unary();
                product = times ? product * factor : product / factor;
            } else if (startsFactor()) {
                product *= unary();
            } else {
                break;
            }
        }
        return product;
    }
    Value unary() {
        if (is("-") || is("+"))
            return list_[pos_++].text == "-" ? -unary() : unary();
        const Value base = postfix();
        if (!is("A"))
            return base;
        ++pos_;
        const double sign = is("-") ? -1 : 1;
        if (is("-") || is("+"))
            ++pos_;
        return base * std::exp(Value(0, 1) * (sign * postfix()));
    }
    Value postfix() {
        Value value = primary();
        while (is("S") || is("D") || is("C")) {
            const std::string& sign = list_[pos_++].text;
            value = sign == "S" ? value * value : sign == "D" ? value * kDegree : std::conj(value);
        }
        return value;
    }
    Value primary() {
        if (pos_ >= list_.size()) {
            ok_ = false;
            return 0;
        }
        const Token& token = list_[pos_++];
        switch (token.kind) {
        case Token::Kind::Number:
            return token.number + (pos_ - 1 == bumped_ ? bump_ : 0);
        case Token::Kind::Name: {
            const auto found = names_.find(token.text);
            ok_ = ok_ && found != names_.end();
            return ok_ ? found->second : 0;
        }
        case Token::Kind::Function: {
            const Value argument = primary();
            if (token.text == "arctan")
                return std::atan(argument.real());
            return token.text == "cos" ? std::cos(argument) : std::sin(argument);
        }
        case Token::Kind::Sign:
            break;
        }
        if (token.text == "j")
            return Value(0, 1);
        if (token.text == "R")
            return std::sqrt(primary());
        if (token.text == "e") {
            expect("^");
            return std::exp(primary());
        }
        if (token.text == "(" || token.text == "|") {
            const Value inner = expression();
            expect(token.text == "(" ? ")" : "|");
            return token.text == "(" ? inner : std::abs(inner);
        }
        ok_ = false;
        return 0;
    }

    const std::vector<Token>& list_;
    const std::map<std::string, Value>& names_;
    std::size_t bumped_;
    double bump_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace

std::optional<SideValue> evaluateSide(const std::string& text, const std::map<std::string, Value>& names) {
    const std::optional<std::vector<Token>> list = tokens(text);
    if (!list)
        return std::nullopt;
    const std::optional<Value> value = Evaluator(*list, names).value();
    if (!value)
        return std::nullopt;
    SideValue side{*value, 0};
    for (std::size_t i = 0; i < list->size(); ++i)
        if ((*list)[i].kind == Token::Kind::Number && (*list)[i].places > 0) {
            const double half = 0.5 * std::pow(10.0, -(*list)[i].places);
            side.rounding += std::abs(*Evaluator(*list, names, i, half).value() - *value);
        }
    return side;
}

std::string line(const Step& step) {
    std::string text = step.continues ? "= " : "";
    for (std::size_t i = 0; i < step.sides.size(); ++i)
        text += (i ? " = " : "") + readAloud(step.sides[i]);
    return text;
}

Value expectEveryStepHolds(const WorkedSolution& solution, const std::string& task) {
    std::map<int, Value> chainEnd;
    std::map<std::string, Value> names;
    for (const Step& step : solution.steps) {
        std::vector<Value> values;
        if (step.continues) {
            EXPECT_TRUE(chainEnd.count(step.chain)) << task << ": " << line(step);
            values.push_back(chainEnd[step.chain]);
        }
        std::string defined;
        for (std::size_t i = 0; i < step.sides.size(); ++i) {
            const std::string text = readAloud(step.sides[i]);
            const std::optional<std::vector<Token>> list = tokens(text);
            if (i == 0 && !step.continues && list && list->size() == 1 && list->front().kind == Token::Kind::Name &&
                !names.count(text)) {
                defined = text;
                continue;
            }
            const std::optional<SideValue> side = evaluateSide(text, names);
            if (!side) {
                ADD_FAILURE() << task << ": cannot read " << text;
                return {};
            }
            if (!values.empty()) {
                EXPECT_LE(std::abs(side->value - values.back()), side->rounding + 1e-9)
                    << task << ": " << line(step) << " at " << text;
            }
            values.push_back(side->value);
        }
        EXPECT_GE(values.size() + (defined.empty() ? 0 : 1), 2u) << task << ": " << line(step);
        if (values.empty())
            continue;
        if (!defined.empty())
            names[defined] = values.back();
        chainEnd[step.chain] = values.back();
    }
    return chainEnd[0];
}

}  // namespace tessaro::stepcheck
