// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace tessaro::fuzz {

// Reads a text strictly from left to right; any mismatch leaves the reader failed.
class TextReader {
public:
    explicit TextReader(std::string_view text) : rest_(text) {}

    void expect(std::string_view literal) {
        if (ok_ && rest_.substr(0, literal.size()) == literal)
            rest_.remove_prefix(literal.size());
        else
            ok_ = false;
    }

    // A whole number in its plain decimal form: an optional minus sign and digits, no
    // leading zero, no "-0".
    int readWhole() {
        int value = 0;
        if (!ok_)
            return value;
        const bool negative = rest_.starts_with('-');
        const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        if (error != std::errc{}) {
            ok_ = false;
            return value;
        }
        const auto length = static_cast<std::size_t>(end - rest_.data());
        const bool leadingZero = length > (negative ? 2u : 1u) && rest_[negative ? 1 : 0] == '0';
        if (leadingZero || (negative && value == 0)) {
            ok_ = false;
            return value;
        }
        rest_.remove_prefix(length);
        return value;
    }

    // One of the given characters, or nullopt (and failed) if the next character is none of them.
    std::optional<char> readOneOf(std::string_view choices) {
        if (ok_ && !rest_.empty() && choices.find(rest_.front()) != std::string_view::npos) {
            const char found = rest_.front();
            rest_.remove_prefix(1);
            return found;
        }
        ok_ = false;
        return std::nullopt;
    }

    // Whether everything so far matched and nothing is left over.
    bool readAll() const { return ok_ && rest_.empty(); }

private:
    std::string_view rest_;
    bool ok_ = true;
};

}  // namespace tessaro::fuzz
