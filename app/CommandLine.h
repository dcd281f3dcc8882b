// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace tessaro {

// Answers the command line before anything of the window system starts, so that it needs no display, whatever it
// holds. Qt's own options (-platform NAME, -style NAME, -reverse ...) are left to Qt wherever they stand. --help and
// --version print their text on standard output; any other option or argument is refused on standard error, shown
// shortened and with its control characters made visible. Returns the exit status when the program ends there,
// without opening a window, and nothing when the main menu is to open.
std::optional<int> answerCommandLine(int argc, char** argv);

}  // namespace tessaro
