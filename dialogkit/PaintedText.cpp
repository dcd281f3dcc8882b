// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/PaintedText.h"

#include "dialogkit/ScreenColours.h"

#include <QPainter>

namespace tessaro {

void drawPaintedText(QPainter& painter, QPoint topLeft, const QString& text, const QFont& font, const QColor& colour) {
    painter.save();
    // The screens place their painted texts as their fields, which never mirror; and the signs and hints among them are
    // mathematics, which reads left to right in every layout direction.
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setFont(font);
    painter.setPen(colour);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(kScreenBackground);
    const int width = painter.fontMetrics().horizontalAdvance(text);
    const int height = painter.fontMetrics().height();
    painter.drawText(QRect(topLeft, QSize(width, height)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    painter.restore();
}

}  // namespace tessaro
