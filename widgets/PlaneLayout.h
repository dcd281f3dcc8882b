// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/PlaneSketch.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>
#include <vector>

namespace tessaro {

// What a picture of the plane writes in the program's language.
struct PlaneWords {
    std::array<QString, 6> roleNames;  // in the order of PlaneRole
    QString decimalMark;
    const QString& nameOf(PlaneRole role) const { return roleNames.at(static_cast<std::size_t>(role)); }
};

// A text the picture writes, where it writes it, in logical pixels.
struct PlaneLabel {
    QString text;
    QRectF rect;
    QColor colour;
    QFont font;
};

// Where a sketch lies in a widget of a given size: one scale for both axes, the greatest at which every point,
// mark and label fits, with grid lines a whole number of pixels apart and the axes on pixel centres, so that they
// stay crisp at any device pixel ratio.
struct PlaneLayout {
    double scale = 1;                // pixels per unit
    QPointF origin;                  // the pixel of 0
    double step = 1;                 // between grid lines, in units
    double ringFactor = 1;           // below 1 where angle marks are drawn smaller round short arrows
    std::vector<PlaneLabel> labels;  // those of the sketch, the axes' names, then the tick labels
    QSizeF used;                     // what the picture needs of the widget at this scale, margins included

    QPointF pixelOf(PlanePoint point) const { return origin + QPointF(point.re, -point.im) * scale; }
};

PlaneLayout layOutPlane(const PlaneSketch& sketch, QSizeF size, const PlaneWords& words);

// The geometry the layout shares with the painting.
// The end of an axis, with its arrowhead, where no tick goes, in pixels.
inline constexpr double kAxisEnd = 14;
// The radius of an angle mark's arc, in pixels.
double ringRadius(int ring, double factor);
// A dimension line: on which side of its arrow it lies (a unit vector in the widget), how far from it in pixels,
// and where it ends in the plane.
QPointF lengthSide(const PlaneSketch& sketch, const PlaneLength& length);
double lengthOffset(const PlaneLength& length);
PlanePoint lengthEnd(const PlaneLength& length);
// The points of an arc round the origin, some 9° apart, at `radius`.
std::vector<PlanePoint> arcPoints(double radius, double from, double to);
// A direction in the widget (y grows downwards) at an angle of the plane.
QPointF directionAt(double radians);

}  // namespace tessaro
