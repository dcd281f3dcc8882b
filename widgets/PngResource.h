// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

namespace tessaro {

// Every picture and icon of the program is a PNG, and these read it as one. An image reader left to guess the
// format asks every installed image plugin first, loading each of them: several milliseconds of start-up.

// The pixel size of a PNG, invalid if the path names none.
QSize pngResourceSize(const QString& path);

// An icon of a PNG and, on a high-density screen, of its "@2x" version, as QIcon(path) makes it. Null if the path
// names no readable PNG.
QIcon pngResourceIcon(const QString& path);

}  // namespace tessaro
