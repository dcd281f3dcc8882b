// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <optional>

namespace tessaro {

// Answers the command line, with the program's name first and Qt's own options (-platform, -style, -reverse ...)
// already taken by the application object. --help and --version print their text on standard output, any other
// option or argument what was wrong on standard error. Returns the exit status when the program ends there,
// without opening a window, and nothing when the main menu is to open.
std::optional<int> answerCommandLine(const QStringList& arguments);

}  // namespace tessaro
