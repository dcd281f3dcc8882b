// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

namespace tessaro {

// Opens a screen above the topmost active one, which stays blocked until the screen closes; the result is not used.
template <class Screen>
void openScreen() {
    Screen screen(QApplication::activeModalWidget());
    screen.exec();
}

}  // namespace tessaro
