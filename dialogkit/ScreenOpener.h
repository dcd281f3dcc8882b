// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/EarlyEscape.h"

#include <QApplication>
#include <QPixmapCache>

#include <utility>

namespace tessaro {

// Opens a screen above the topmost active one, which stays blocked until the screen closes; the result is not used.
// A screen that shows something of its opener's takes it first in its constructor, the parent last.
template <class Screen, class... Arguments>
void openScreen(Arguments&&... arguments) {
    {
        Screen screen(std::forward<Arguments>(arguments)..., QApplication::activeModalWidget());
        closeOnEarlyEscape(screen);
        screen.exec();
    }
    // The style keeps the pictures it paints of a screen's buttons under that screen's own palette, which no later
    // screen shares: once the screen is gone they would only fill the pixmap cache, up to its limit of 10 MB. What the
    // screens still open need is painted anew.
    QPixmapCache::clear();
}

}  // namespace tessaro
