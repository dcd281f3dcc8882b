// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>

class QPainter;

namespace tessaro {

// Draws one line of text with its top-left corner at `topLeft`, on an opaque screen-coloured background.
void drawPaintedText(QPainter& painter, QPoint topLeft, const QString& text, const QFont& font, const QColor& colour);

}  // namespace tessaro
