// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/Phrase.h"

#include <utility>

namespace tessaro {

Phrase phrase(const char* sentence, std::vector<Phrase> arguments) { return {sentence, std::move(arguments), {}}; }

Phrase literal(std::string text) { return {nullptr, {}, std::move(text)}; }

}  // namespace tessaro
