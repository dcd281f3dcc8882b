// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/PlaneSketch.h"
#include "widgets/PlaneLayout.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

namespace tessaro {

// The complex plane (Gaußsche Zahlenebene) with a task drawn in it: axes Re and Im with equal scales, a light grid,
// the sketch's arrows, lines, angles and lengths in colours that colour-blind eyes tell apart and in line styles of
// their own besides. The scale fits every point and label into the widget. A screen reader hears the name and, as
// the description, what the picture shows in words.
class ComplexPlane : public QWidget {
    Q_OBJECT
public:
    explicit ComplexPlane(QWidget* parent = nullptr);

    void setSketch(PlaneSketch sketch);
    const PlaneSketch& sketch() const { return sketch_; }

    // Where a point of the plane lies in the widget, in logical pixels; one unit is as long on both axes.
    QPointF pixelOf(PlanePoint point) const { return layout_.pixelOf(point); }
    double pixelsPerUnit() const { return layout_.scale; }
    double gridStep() const { return layout_.step; }  // in units of the plane
    // Every text the picture writes, where it writes it.
    const std::vector<PlaneLabel>& labels() const { return layout_.labels; }

    // The colour a role is drawn in, and its name in the program's language.
    static QColor colourOf(PlaneRole role);
    static QString nameOf(PlaneRole role);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    // The height at which the picture, at equal scales, fills the width.
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static PlaneWords words();
    void describe();

    PlaneSketch sketch_;
    PlaneLayout layout_;
    // A layout asks for the height of one width many times; each answer is a whole layout.
    mutable std::optional<std::pair<int, int>> heightOfWidth_;
};

}  // namespace tessaro
