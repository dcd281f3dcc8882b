// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/templates/DialogTemplate.h"

#include <QFont>
#include <QRect>

namespace tessaro {

// One dialog unit is 1.5 pixels wide and 1.625 pixels high.
QRect toPixels(const DialogUnitRect& rect);
QSize dialogSizeInPixels(int widthUnits, int heightUnits);

// The template font, "MS Shell Dlg" at 8 points, stood in for by Liberation Sans.
QFont dialogFont();

// "Arial" with a character-cell height in pixels, stood in for by the metric-compatible Liberation Sans.
QFont arialFont(int cellHeight, int weight = QFont::Normal);

// Mathematics on a page: Liberation Serif, as the rule pages' typeset formulas are set in a serif face.
QFont mathFont(int pixelSize);

}  // namespace tessaro
