// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tessaro {

// Marks a push button of default style, whether or not it is its dialog's default button: a dialog has one default,
// but several of its buttons may carry the style and its look.
inline constexpr char kDefaultStyleProperty[] = "defaultButtonStyle";

}  // namespace tessaro
