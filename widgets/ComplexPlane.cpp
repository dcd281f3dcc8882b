// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/ComplexPlane.h"

#include "widgets/PlaneStyle.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessaro {

namespace {

constexpr double kAxisHead = 8;

const QColor kFrame(0xc8, 0xc8, 0xc8), kGrid(0xe6, 0xe6, 0xe6);
const QList<qreal> kGuideDashes{3, 2.5};

QPen thinPen(PlaneRole role, QList<qreal> dashes = {}) {
    QPen pen(role == PlaneRole::Helper ? planeInk() : roleColour(role), 1.2, Qt::SolidLine, Qt::FlatCap);
    if (!dashes.isEmpty())
        pen.setDashPattern(dashes);
    return pen;
}

// A filled arrowhead with its tip at `tip`, pointing in the unit direction `u`.
void drawHead(QPainter& painter, QPointF tip, QPointF u, double length, double halfWidth, const QColor& colour) {
    const QPointF base = tip - u * length, normal(-u.y(), u.x());
    const QPointF head[] = {tip, base + normal * halfWidth, base - normal * halfWidth};
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(head, 3);
    painter.setBrush(Qt::NoBrush);
}

void drawArrow(QPainter& painter, QPointF from, QPointF to, const QPen& pen) {
    const QLineF line(from, to);
    if (line.length() < 1) {  // the number 0: a dot
        painter.setPen(Qt::NoPen);
        painter.setBrush(pen.color());
        painter.drawEllipse(to, pen.widthF() + 1.5, pen.widthF() + 1.5);
        painter.setBrush(Qt::NoBrush);
        return;
    }
    const QPointF u = (to - from) / line.length();
    const double headLength = std::min(5 + 2.5 * pen.widthF(), line.length() * 0.6);
    painter.setPen(pen);
    // The shaft ends under the head, so that no dash shows beside its tip.
    painter.drawLine(from, to - u * headLength * 0.7);
    drawHead(painter, to, u, headLength, headLength * 0.42, pen.color());
}

// An arc round `centre` from angle `from` to `to` (radians, counter-clockwise where `to` is greater), with a head.
void drawArc(QPainter& painter, QPointF centre, double radius, double from, double to, const QPen& pen,
             double headLength) {
    if (radius < 1 || from == to)
        return;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const double toDegrees = 180 / std::numbers::pi, sign = to > from ? 1 : -1;
    // The arc stops where the head begins; an arc too short for a head has none.
    const double headAngle = radius * std::abs(to - from) > 2.5 * headLength ? headLength * 0.7 / radius : 0;
    QPainterPath path;
    path.arcMoveTo(circle, from * toDegrees);
    path.arcTo(circle, from * toDegrees, (to - from - sign * headAngle) * toDegrees);
    painter.setPen(pen);
    painter.drawPath(path);
    if (headAngle > 0) {
        // Aimed along the chord of the head's length, so that it sits on the arc.
        const QPointF tip = centre + directionAt(to) * radius;
        const QPointF base = centre + directionAt(to - sign * headLength / radius) * radius;
        drawHead(painter, tip, (tip - base) / QLineF(base, tip).length(), headLength, headLength * 0.45, pen.color());
    }
}

// A dimension line as on a technical drawing: thin, with a head at either end and extension lines from the arrow.
// Where the length reaches beyond the arrow, the arrow's line is continued, dotted, to meet it.
void drawLength(QPainter& painter, const PlaneLayout& layout, const PlaneLength& length, QPointF side) {
    const QPointF offset = side * lengthOffset(length), start = layout.origin;
    const QPointF end = layout.pixelOf(lengthEnd(length)), tip = layout.pixelOf(length.along);
    if (length.length > modulusOf(length.along) || length.length < 0) {
        painter.setPen(QPen(planeInk(), 1, Qt::DotLine));
        painter.drawLine(length.length < 0 ? start : tip, end);
    }
    painter.setPen(QPen(planeInk(), 0.8));
    painter.drawLine(start + side * 3, start + offset + side * 4);
    painter.drawLine(end + side * 3, end + offset + side * 4);
    const QLineF line(start + offset, end + offset);
    if (line.length() < 1)
        return;
    const QPointF u = (line.p2() - line.p1()) / line.length();
    const double head = std::min(7.0, line.length() / 3);
    QPen pen(roleColour(length.role), 1.5, Qt::SolidLine, Qt::FlatCap);
    if (length.dashed)
        pen.setDashPattern({3, 2});
    painter.setPen(pen);
    painter.drawLine(line.p1() + u * head * 0.7, line.p2() - u * head * 0.7);
    drawHead(painter, line.p1(), -u, head, head * 0.4, pen.color());
    drawHead(painter, line.p2(), u, head, head * 0.4, pen.color());
}

// The right angle as it is marked on a German board: a quarter circle with a dot.
void drawRightAngle(QPainter& painter, const PlaneLayout& layout, const PlaneRightAngle& right) {
    const QPointF corner = layout.pixelOf(right.corner);
    const QLineF first(corner, layout.pixelOf(right.first)), second(corner, layout.pixelOf(right.second));
    const double radius = 10;
    if (first.length() < 2 * radius || second.length() < 2 * radius)
        return;
    const QPointF u = (first.p2() - corner) / first.length(), v = (second.p2() - corner) / second.length();
    QPainterPath quarter;
    quarter.moveTo(corner + u * radius);
    quarter.quadTo(corner + (u + v) * radius, corner + v * radius);
    painter.setPen(thinPen(PlaneRole::Helper));
    painter.drawPath(quarter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(planeInk());
    painter.drawEllipse(corner + (u + v) * (radius * 0.4), 1.4, 1.4);
    painter.setBrush(Qt::NoBrush);
}

// A text with a halo of paper round it, so that it reads over grid and lines.
void drawLabel(QPainter& painter, const PlaneLabel& label) {
    const QPointF baseline(label.rect.left() + 1, label.rect.top() + QFontMetricsF(label.font).ascent());
    painter.setPen(planePaper());
    drawLabelText(painter, baseline, label.text, label.font,
                  {{-1.5, 0}, {1.5, 0}, {0, -1.5}, {0, 1.5}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}});
    painter.setPen(label.colour);
    drawLabelText(painter, baseline, label.text, label.font);
}

// The light grid, and the axes with their ticks and arrowheads.
void drawAxes(QPainter& painter, const PlaneLayout& layout, QSizeF size) {
    const double w = size.width(), h = size.height(), step = layout.scale * layout.step;
    const QPointF o = layout.origin;
    const double firstX = o.x() - std::floor(o.x() / step) * step, firstY = o.y() - std::floor(o.y() / step) * step;
    painter.setPen(QPen(kGrid, 1));
    for (double x = firstX; x < w; x += step)
        painter.drawLine(QPointF(x, 0), QPointF(x, h));
    for (double y = firstY; y < h; y += step)
        painter.drawLine(QPointF(0, y), QPointF(w, y));
    painter.setPen(QPen(planeInk(), 1));
    painter.drawLine(QPointF(0, o.y()), QPointF(w - 1, o.y()));
    painter.drawLine(QPointF(o.x(), h), QPointF(o.x(), 1));
    for (double x = firstX; x <= w - kAxisEnd; x += step)
        painter.drawLine(QPointF(x, o.y() - 3), QPointF(x, o.y() + 3));
    for (double y = firstY; y < h; y += step)
        if (y >= kAxisEnd)
            painter.drawLine(QPointF(o.x() - 3, y), QPointF(o.x() + 3, y));
    drawHead(painter, QPointF(w - 0.5, o.y()), {1, 0}, kAxisHead, 3.5, planeInk());
    drawHead(painter, QPointF(o.x(), 0.5), {0, -1}, kAxisHead, 3.5, planeInk());
}

}  // namespace

ComplexPlane::ComplexPlane(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    describe();
    layout_ = layOutPlane(sketch_, QSizeF(size()), words());
}

void ComplexPlane::setSketch(PlaneSketch sketch) {
    sketch_ = std::move(sketch);
    heightOfWidth_.reset();
    describe();
    layout_ = layOutPlane(sketch_, QSizeF(size()), words());
    updateGeometry();
    update();
}

QColor ComplexPlane::colourOf(PlaneRole role) { return roleColour(role); }

QString ComplexPlane::nameOf(PlaneRole role) {
    switch (role) {
    case PlaneRole::Operand1:
    case PlaneRole::Operand2:
        return tr("Zahl");
    case PlaneRole::Result:
        return tr("Ergebnis");
    case PlaneRole::Typed:
        return tr("Eingabe");
    case PlaneRole::Conjugate:
        return tr("konjugiert komplexe Zahl");
    case PlaneRole::Helper:
        break;
    }
    return tr("Hilfspfeil");
}

PlaneWords ComplexPlane::words() {
    PlaneWords words;
    for (PlaneRole role : {PlaneRole::Operand1, PlaneRole::Operand2, PlaneRole::Result, PlaneRole::Typed,
                           PlaneRole::Conjugate, PlaneRole::Helper})
        words.roleNames.at(static_cast<std::size_t>(role)) = nameOf(role);
    words.decimalMark = tr(",", "the decimal mark");
    return words;
}

QSize ComplexPlane::sizeHint() const { return {260, heightForWidth(260)}; }
QSize ComplexPlane::minimumSizeHint() const { return {120, 120}; }

int ComplexPlane::heightForWidth(int width) const {
    if (!heightOfWidth_ || heightOfWidth_->first != width) {
        const PlaneLayout layout = layOutPlane(sketch_, QSizeF(width, 4.0 * width), words());
        heightOfWidth_ = {width,
                          std::clamp(static_cast<int>(std::ceil(layout.used.height())), width / 2, width * 3 / 2)};
    }
    return heightOfWidth_->second;
}

void ComplexPlane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_ = layOutPlane(sketch_, QSizeF(size()), words());
}

void ComplexPlane::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        heightOfWidth_.reset();
        describe();
        layout_ = layOutPlane(sketch_, QSizeF(size()), words());
        updateGeometry();
        update();
    }
}

// "Zahl z₁ = 3 + j4; Zahl z₂ = 1 − j2; Ergebnis z₁ · z₂ = 11 − j2; Eingabe = 5 − j2; Winkel φ₁ = 53,1°; …"
void ComplexPlane::describe() {
    setAccessibleName(tr("Gaußsche Zahlenebene"));
    const QString mark = words().decimalMark;
    const auto named = [](const QString& name, const std::string& label, const QString& value) {
        return (label.empty() ? name : name + QLatin1Char(' ') + QString::fromStdString(label)) +
               QStringLiteral(" = ") + value;
    };
    const auto degrees = [&mark](double radians) {
        return planeNumber(radians * 180 / std::numbers::pi, 1, mark) + QStringLiteral("°");
    };
    QStringList parts;
    for (const PlaneArrow& arrow : sketch_.arrows)
        parts << named(nameOf(arrow.role), arrow.label,
                       planeComplex({arrow.to.re - arrow.from.re, arrow.to.im - arrow.from.im}, mark));
    for (const PlaneLength& length : sketch_.lengths)
        parts << named(nameOf(length.role), length.label, planeNumber(length.length, 2, mark));
    for (const PlaneGuide& guide : sketch_.guides)
        if (!guide.label.empty())
            parts << QString::fromStdString(guide.label);
    for (const PlaneAngle& angle : sketch_.angles)
        parts << tr("Winkel %1 = %2").arg(QString::fromStdString(angle.label), degrees(angle.to - angle.from));
    for (const PlaneTurn& turn : sketch_.turns)
        parts << tr("gedreht um %1 = %2").arg(QString::fromStdString(turn.label), degrees(turn.by));
    setAccessibleDescription(parts.join(QStringLiteral("; ")));
}

void ComplexPlane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), planePaper());
    drawAxes(painter, layout_, QSizeF(size()));
    for (const PlaneGuide& guide : sketch_.guides) {
        painter.setPen(thinPen(guide.role, kGuideDashes));
        painter.drawLine(pixelOf(guide.from), pixelOf(guide.to));
    }
    if (sketch_.rightAngle)
        drawRightAngle(painter, layout_, *sketch_.rightAngle);
    for (const PlaneAngle& angle : sketch_.angles)
        drawArc(painter, layout_.origin, ringRadius(angle.ring, layout_.ringFactor), angle.from, angle.to,
                QPen(roleColour(angle.role), 1.4), 6);
    for (const PlaneTurn& turn : sketch_.turns) {
        const double start = angleOf(turn.from);
        drawArc(painter, layout_.origin, modulusOf(turn.from) * layout_.scale, start, start + turn.by,
                thinPen(turn.role, kGuideDashes), 7);
    }
    for (const PlaneLength& length : sketch_.lengths)
        drawLength(painter, layout_, length, lengthSide(sketch_, length));
    for (const PlaneArrow& arrow : sketch_.arrows)
        drawArrow(painter, pixelOf(arrow.from), pixelOf(arrow.to), roleLine(arrow.role, arrow.dashed));
    for (const PlaneLabel& label : layout_.labels)
        drawLabel(painter, label);
    painter.setPen(QPen(kFrame, 1));
    painter.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
}

}  // namespace tessaro
