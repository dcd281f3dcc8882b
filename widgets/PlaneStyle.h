// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/PlaneSketch.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QSizeF>
#include <QString>

#include <initializer_list>

class QPainter;

namespace tessaro {

// How the complex plane looks and writes: its colours, lines, fonts and numbers.

// Paper, and the grey of axes, ticks and construction lines.
QColor planePaper();
QColor planeInk();

// Each role in one of the colours Okabe and Ito chose to be told apart by every kind of colour vision; its texts in
// the same colour darkened until they read as text must on paper (contrast 4.5 : 1).
QColor roleColour(PlaneRole role);
QColor roleTextColour(PlaneRole role);
// The line of an arrow: the result widest, the operands solid, the conjugate dotted, a helper dash-dotted; the
// typed answer dashed.
QPen roleLine(PlaneRole role, bool dashed);

// Liberation Sans by pixel size.
QFont planeFont(int pixels);

// A label's size, and the label drawn with the painter's pen from `baseline`, moved by each of `copies`. Subscript
// digits (z₁) are set as smaller digits below the baseline, larger than the font's own subscript glyphs, so that
// they read at the sizes of a picture.
QSizeF labelSize(const QString& text, const QFont& font);
void drawLabelText(QPainter& painter, QPointF baseline, const QString& text, const QFont& font,
                   std::initializer_list<QPointF> copies = {QPointF()});

// 0,5 or 0.5 by the decimal mark given, − for minus, at most `decimals` places, never −0.
QString planeNumber(double value, int decimals, const QString& decimalMark);
// x + jy as a teacher writes it: 3 − j4, 7, −j2; parts to two places.
QString planeComplex(PlanePoint value, const QString& decimalMark);

}  // namespace tessaro
