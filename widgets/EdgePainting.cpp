// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/EdgePainting.h"

#include <QPolygon>

#include <algorithm>
#include <initializer_list>

namespace tessaro {

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

// An axis-parallel line from `from` towards `to`, with `to` itself left out, as the system line drawing does;
// the raised edge's corners come out right only with this rule.
void drawLineWithoutEnd(QPainter& canvas, QPoint from, QPoint to, const QColor& colour) {
    if (from == to)
        return;
    const QPoint last = to - QPoint(sign(to.x() - from.x()), sign(to.y() - from.y()));
    // Not QRect::normalized(): it treats a reversed rectangle as one of negative size and loses both ends.
    const QPoint topLeft(std::min(from.x(), last.x()), std::min(from.y(), last.y()));
    const QPoint bottomRight(std::max(from.x(), last.x()), std::max(from.y(), last.y()));
    canvas.fillRect(QRect(topLeft, bottomRight), colour);
}

void drawPolyline(QPainter& canvas, const QColor& colour, std::initializer_list<QPoint> points) {
    for (auto point = points.begin(); point + 1 != points.end(); ++point)
        drawLineWithoutEnd(canvas, *point, *(point + 1), colour);
}

}  // namespace

void drawRaisedEdge(QPainter& canvas, const QRect& area, const SystemColours& colours) {
    // Exclusive right and bottom; later lines overwrite earlier ones at the corners.
    const int l = area.left(), t = area.top(), r = area.right() + 1, b = area.bottom() + 1;
    drawPolyline(canvas, colours.highlight, {{l, b - 1}, {l, t}, {r, t}});
    drawPolyline(canvas, colours.light3d, {{l + 1, b - 1}, {l + 1, t + 1}, {r, t + 1}});
    drawPolyline(canvas, colours.darkShadow, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1}});
    drawPolyline(canvas, colours.shadow, {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t}});
}

void drawTwoColourFrame(QPainter& canvas, const QRect& area, const QColor& topLeft, const QColor& bottomRight) {
    canvas.fillRect(QRect(area.left(), area.top(), area.width() - 1, 1), topLeft);
    canvas.fillRect(QRect(area.left(), area.top(), 1, area.height() - 1), topLeft);
    canvas.fillRect(QRect(area.right(), area.top(), 1, area.height()), bottomRight);
    canvas.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), bottomRight);
}

void drawFrame(QPainter& canvas, const QRect& area, const QColor& colour) {
    drawTwoColourFrame(canvas, area, colour, colour);
}

void drawDottedFrame(QPainter& canvas, const QRect& area, const QColor& colour) {
    QPolygon dots;
    const auto addIfOnPattern = [&dots](int x, int y) {
        if ((x + y) % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = area.left(); x <= area.right(); ++x) {
        addIfOnPattern(x, area.top());
        addIfOnPattern(x, area.bottom());
    }
    for (int y = area.top() + 1; y < area.bottom(); ++y) {
        addIfOnPattern(area.left(), y);
        addIfOnPattern(area.right(), y);
    }
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QPen(colour, 1));
    canvas.drawPoints(dots);
    canvas.restore();
}

}  // namespace tessaro
