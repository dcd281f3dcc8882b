// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QDialog;

namespace tessaro {

// Closes a screen that opens above another on Escape, also on an Escape typed right after the key that opened it.
// Such an Escape may come before the window system has made the new screen the active window: it goes to the screen
// below, which the new one blocks, and Qt drops it there. As a shortcut of the whole program it comes to the new
// screen, the one not blocked. An open menu still takes its Escape first.
void closeOnEarlyEscape(QDialog& screen);

}  // namespace tessaro
