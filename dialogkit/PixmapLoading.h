// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QString>

namespace tessaro {

// Loads an image resource at its own size, taking its @2x version on high-density screens.
QPixmap loadCrispPixmap(const QString& resourcePath);

}  // namespace tessaro
