// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/DialogMetrics.h"

#include <cmath>

namespace tessaro {

namespace {
constexpr double kUnitWidth = 1.5;
constexpr double kUnitHeight = 1.625;
constexpr int kDialogFontPixels = 10;
const char* const kSansFamily = "Liberation Sans";

int horizontalPixels(int units) { return static_cast<int>(std::lround(units * kUnitWidth)); }
int verticalPixels(int units) { return static_cast<int>(std::lround(units * kUnitHeight)); }

QFont sansFont(int pixelSize) {
    QFont font(kSansFamily);
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
}  // namespace

QRect toPixels(const DialogUnitRect& rect) {
    const int left = horizontalPixels(rect.x);
    const int top = verticalPixels(rect.y);
    const int right = horizontalPixels(rect.x + rect.width);
    const int bottom = verticalPixels(rect.y + rect.height);
    return {left, top, right - left, bottom - top};
}

QSize dialogSizeInPixels(int widthUnits, int heightUnits) {
    return {horizontalPixels(widthUnits), verticalPixels(heightUnits)};
}

QFont dialogFont() { return sansFont(kDialogFontPixels); }

QFont arialFont(int cellHeight, int weight) {
    // A cell height covers the em square plus Arial's internal leading (2288 units on 2048).
    QFont font = sansFont(static_cast<int>(std::lround(cellHeight * 2048.0 / 2288.0)));
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

QFont mathFont(int pixelSize) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::Serif);
    return font;
}

}  // namespace tessaro
