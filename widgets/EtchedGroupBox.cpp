// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/EtchedGroupBox.h"

#include <QPainter>

namespace tessaro {

namespace {
constexpr int kCaptionIndent = 9;
constexpr int kCaptionPadding = 2;
}  // namespace

void EtchedGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int frameTop = metrics.height() / 2;
    const QRect frame(0, frameTop, width() - 2, height() - frameTop - 2);

    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));

    if (title().isEmpty())
        return;
    const QRect caption(kCaptionIndent - kCaptionPadding, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace tessaro
