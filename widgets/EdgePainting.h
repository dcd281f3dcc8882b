// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/SystemColours.h"

#include <QColor>
#include <QPainter>
#include <QRect>

namespace tessaro {

// Pixel-exact button edges. Each draws the border pixels of `area` and nothing inside it.

// Outer left column and top row highlight, inner ones light 3-D; outer bottom row and right column
// dark shadow, inner ones shadow.
void drawRaisedEdge(QPainter& canvas, const QRect& area, const SystemColours& colours);

// Top row and left column in `topLeft`, then right column and bottom row (corners included) in `bottomRight`.
void drawTwoColourFrame(QPainter& canvas, const QRect& area, const QColor& topLeft, const QColor& bottomRight);

void drawFrame(QPainter& canvas, const QRect& area, const QColor& colour);

// Every other border pixel, on a checkerboard anchored at the canvas origin, as the system focus rectangle.
void drawDottedFrame(QPainter& canvas, const QRect& area, const QColor& colour);

}  // namespace tessaro
