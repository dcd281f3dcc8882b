// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/PictureButtonLayout.h"

namespace tessaro {

namespace {
constexpr QPoint kPressedShift(1, 1);

// C++ division truncates, which is the rounding toward zero that keeps an oversized icon centred.
int centredOffset(int space, int extent) { return (space - extent) / 2; }
}  // namespace

QPoint iconTopLeft(const QRect& button, const QSize& icon, bool hasCaption, bool shifted) {
    const int left = hasCaption ? kIconInset : centredOffset(button.width(), icon.width());
    const QPoint topLeft = button.topLeft() + QPoint(left, centredOffset(button.height(), icon.height()));
    return shifted ? topLeft + kPressedShift : topLeft;
}

QRect captionRect(const QRect& button, const QSize& icon, bool shifted) {
    QRect space = button;
    if (!icon.isEmpty())
        space.setLeft(button.left() + kIconInset + icon.width());
    return shifted ? space.translated(kPressedShift) : space;
}

QRect centredBlock(const QRect& space, const QSize& measured) {
    const QPoint offset(centredOffset(space.width(), measured.width()),
                        centredOffset(space.height(), measured.height()));
    return QRect(space.topLeft() + offset, measured);
}

}  // namespace tessaro
