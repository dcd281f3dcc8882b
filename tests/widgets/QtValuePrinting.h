// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Readable failure messages for the Qt values the widget tests compare; gtest would print their bytes.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <ostream>

inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << "RGB(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}
inline void PrintTo(const QPoint& point, std::ostream* out) { *out << "(" << point.x() << ", " << point.y() << ")"; }
inline void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << " x " << size.height(); }
// Left, top, right, bottom with right and bottom exclusive.
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << "(" << rect.left() << ", " << rect.top() << ", " << rect.right() + 1 << ", " << rect.bottom() + 1 << ")";
}
