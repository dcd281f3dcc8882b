// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include <utility>

namespace tessaro {

// Opens a screen above the topmost active one, which stays blocked until the screen closes; the result is not used.
// A screen that shows something of its opener's takes it first in its constructor, the parent last.
template <class Screen, class... Arguments>
void openScreen(Arguments&&... arguments) {
    Screen screen(std::forward<Arguments>(arguments)..., QApplication::activeModalWidget());
    screen.exec();
}

}  // namespace tessaro
