// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/PlaneLayout.h"

#include "widgets/PlaneStyle.h"

#include <QFontMetricsF>
#include <QLineF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace tessaro {

namespace {

constexpr double kMargin = 4;              // between the widget's edge and what is drawn nearest to it
constexpr double kMinimumGridPixels = 30;  // between grid lines: room for a tick label
constexpr double kRingRadius = 22, kRingSpacing = 14;
constexpr double kLengthOffset = 11, kLengthSpacing = 19;
constexpr int kLabelPixels = 13, kMarkPixels = 12, kSmallPixels = 11, kTickPixels = 10;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

PlanePoint operator-(PlanePoint a, PlanePoint b) { return {a.re - b.re, a.im - b.im}; }
PlanePoint scaled(PlanePoint p, double by) { return {p.re * by, p.im * by}; }
PlanePoint unitOf(PlanePoint p) {
    const double length = modulusOf(p);
    return length > 0 ? scaled(p, 1 / length) : PlanePoint{1, 0};
}
QPointF screenDirection(PlanePoint vector, QPointF otherwise) {
    const double length = modulusOf(vector);
    return length > 0 ? QPointF(vector.re / length, -vector.im / length) : otherwise;
}
QPointF turned(QPointF v, double degrees) {
    const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    return {v.x() * c - v.y() * s, v.x() * s + v.y() * c};
}
QPointF pixelAt(PlanePoint p, double scale, QPointF origin) { return origin + QPointF(p.re, -p.im) * scale; }

// The centre of a box of `size` whose nearest edge lies `distance` away from a point in the direction `v`.
QPointF boxCentre(QPointF v, double distance, QSizeF size) {
    const double toEdgeX = std::abs(v.x()) > 1e-9 ? size.width() / 2 / std::abs(v.x()) : kInfinity;
    const double toEdgeY = std::abs(v.y()) > 1e-9 ? size.height() / 2 / std::abs(v.y()) : kInfinity;
    return v * (distance + std::min(toEdgeX, toEdgeY));
}
QRectF boxAround(QPointF centre, QSizeF size) {
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

// The middle of everything drawn: labels and dimension lines go on the side of a line away from it.
PlanePoint centroidOf(const PlaneSketch& sketch) {
    PlanePoint sum{};
    int count = 1;  // the origin
    const auto add = [&sum, &count](PlanePoint p) {
        sum = {sum.re + p.re, sum.im + p.im};
        ++count;
    };
    for (const PlaneArrow& arrow : sketch.arrows) {
        add(arrow.from);
        add(arrow.to);
    }
    for (const PlaneGuide& guide : sketch.guides) {
        add(guide.from);
        add(guide.to);
    }
    return scaled(sum, 1.0 / count);
}

// The perpendicular of the line through `point` in direction `direction` that points away from `centroid`; for a
// line through the centroid, upwards (or to the left).
QPointF sideAway(PlanePoint centroid, PlanePoint point, PlanePoint direction) {
    PlanePoint normal{-direction.im, direction.re};
    const PlanePoint away = point - centroid;
    const double dot = normal.re * away.re + normal.im * away.im;
    const double size = std::max({std::abs(away.re), std::abs(away.im), 1.0}) * modulusOf(direction);
    if (std::abs(dot) <= 1e-9 * size ? (normal.im < 0 || (normal.im == 0 && normal.re > 0)) : dot < 0)
        normal = scaled(normal, -1);
    return screenDirection(normal, {0, -1});
}

// Something that must fit into the widget: a box in pixels around the pixel of a point of the plane.
struct Item {
    PlanePoint anchor;
    QRectF box;
};

// A label and the places it may go, best first: each a box centre relative to the pixel of a point of the plane.
struct LabelPlan {
    QString text;
    QFont font;
    QColor colour;
    QSizeF size;
    struct Place {
        PlanePoint anchor;
        QPointF centre;
    };
    std::vector<Place> places;
};

// A line drawn in the picture that labels keep off, the more the heavier it is.
struct Stroke {
    QLineF line;
    double weight;
};
constexpr double kArrowWeight = 40, kLengthWeight = 20, kGuideWeight = 8, kArcWeight = 6, kAxisWeight = 3;

// What of a sketch is placed by pixels rather than by the plane: its labels with their possible places, and the
// boxes round its points, marks and lines that must fit.
class Scene {
public:
    Scene(const PlaneSketch& sketch, const PlaneWords& words, double ringFactor)
        : sketch_(sketch), words_(words), ringFactor_(ringFactor), centroid_(centroidOf(sketch)) {
        for (const PlaneArrow& arrow : sketch.arrows)
            addArrowLabel(arrow);
        for (const PlaneLength& length : sketch.lengths)
            addLengthLabel(length);
        for (const PlaneGuide& guide : sketch.guides)
            addGuideLabel(guide);
        for (const PlaneAngle& angle : sketch.angles)
            addAngleLabel(angle);
        for (const PlaneTurn& turn : sketch.turns)
            addTurnLabel(turn);
    }

    const std::vector<LabelPlan>& labels() const { return labels_; }

    std::vector<Item> items(const std::vector<std::size_t>& choice) const {
        std::vector<Item> items{{{}, QRectF(-3, -3, 6, 6)}};
        const QRectF tip(-7, -7, 14, 14), end(-2, -2, 4, 4);
        for (const PlaneArrow& arrow : sketch_.arrows) {
            items.push_back({arrow.from, tip});
            items.push_back({arrow.to, tip});
        }
        for (const PlaneGuide& guide : sketch_.guides) {
            items.push_back({guide.from, end});
            items.push_back({guide.to, end});
        }
        for (const PlaneAngle& angle : sketch_.angles)
            for (const PlanePoint& p : arcPoints(ringRadius(angle.ring, ringFactor_), angle.from, angle.to))
                items.push_back({{}, QRectF(p.re - 3, -p.im - 3, 6, 6)});
        for (const PlaneTurn& turn : sketch_.turns) {
            const double start = angleOf(turn.from);
            for (const PlanePoint& p : arcPoints(modulusOf(turn.from), start, start + turn.by))
                items.push_back({p, end});
        }
        for (const PlaneLength& length : sketch_.lengths) {
            const QPointF offset = sideOf(length) * lengthOffset(length);
            const QRectF bar(offset.x() - 5, offset.y() - 5, 10, 10);
            items.push_back({{}, bar});
            items.push_back({lengthEnd(length), bar});
        }
        for (std::size_t i = 0; i < labels_.size(); ++i) {
            const LabelPlan::Place& place = labels_[i].places[choice[i]];
            items.push_back({place.anchor, boxAround(place.centre, labels_[i].size).adjusted(-1, -1, 1, 1)});
        }
        return items;
    }

    std::vector<Stroke> strokes(double scale, QPointF origin) const {
        std::vector<Stroke> strokes;
        const auto at = [&](PlanePoint p) { return pixelAt(p, scale, origin); };
        const auto polyline = [&strokes](const std::vector<QPointF>& points) {
            for (std::size_t i = 1; i < points.size(); ++i)
                strokes.push_back({{points[i - 1], points[i]}, kArcWeight});
        };
        for (const PlaneArrow& arrow : sketch_.arrows)
            strokes.push_back({{at(arrow.from), at(arrow.to)}, kArrowWeight});
        const double far = 1e5;  // the axes cross the whole widget
        strokes.push_back({{origin - QPointF(far, 0), origin + QPointF(far, 0)}, kAxisWeight});
        strokes.push_back({{origin - QPointF(0, far), origin + QPointF(0, far)}, kAxisWeight});
        for (const PlaneGuide& guide : sketch_.guides)
            strokes.push_back({{at(guide.from), at(guide.to)}, kGuideWeight});
        for (const PlaneLength& length : sketch_.lengths) {
            const QPointF offset = sideOf(length) * lengthOffset(length);
            strokes.push_back({{origin + offset, at(lengthEnd(length)) + offset}, kLengthWeight});
        }
        for (const PlaneAngle& angle : sketch_.angles) {
            std::vector<QPointF> points;
            for (const PlanePoint& p : arcPoints(ringRadius(angle.ring, ringFactor_), angle.from, angle.to))
                points.push_back(origin + QPointF(p.re, -p.im));
            polyline(points);
        }
        for (const PlaneTurn& turn : sketch_.turns) {
            std::vector<QPointF> points;
            const double start = angleOf(turn.from);
            for (const PlanePoint& p : arcPoints(modulusOf(turn.from), start, start + turn.by))
                points.push_back(at(p));
            polyline(points);
        }
        return strokes;
    }

private:
    QPointF sideOf(const PlaneLength& length) const {
        return sideAway(centroid_, scaled(length.along, 0.5), length.along);
    }

    void add(const QString& text, int pixels, PlaneRole role, std::vector<LabelPlan::Place> places) {
        const QFont font = planeFont(pixels);
        labels_.push_back({text, font, roleTextColour(role), labelSize(text, font), std::move(places)});
    }

    // Beyond the tip first, then round it, near and farther, then beside the middle.
    void addArrowLabel(const PlaneArrow& arrow) {
        const QString text = arrow.label.empty() ? words_.nameOf(arrow.role) : QString::fromStdString(arrow.label);
        const QSizeF size = labelSize(text, planeFont(kLabelPixels));
        const QPointF u = screenDirection(arrow.to - arrow.from, QPointF(1, -1) / std::sqrt(2.0));
        std::vector<LabelPlan::Place> places;
        for (double distance : {5, 20})
            for (double degrees : {0, -45, 45, -90, 90, -135, 135})
                places.push_back({arrow.to, boxCentre(turned(u, degrees), distance, size)});
        const PlanePoint middle = scaled({arrow.from.re + arrow.to.re, arrow.from.im + arrow.to.im}, 0.5);
        for (double degrees : {-90, 90})
            places.push_back({middle, boxCentre(turned(u, degrees), 5, size)});
        add(text, kLabelPixels, arrow.role, std::move(places));
    }

    // On the dimension line, where it is free, as on a technical drawing; else beside it or beyond its end.
    void addLengthLabel(const PlaneLength& length) {
        const QString name = length.label.empty() ? words_.nameOf(length.role) : QString::fromStdString(length.label);
        const QString text = name + QStringLiteral(" = ") + planeNumber(length.length, 2, words_.decimalMark);
        const QSizeF size = labelSize(text, planeFont(kSmallPixels));
        const QPointF side = sideOf(length), onLine = side * lengthOffset(length);
        const PlanePoint end = lengthEnd(length);
        std::vector<LabelPlan::Place> places;
        for (double t : {0.5, 0.35, 0.65, 0.2, 0.8})
            places.push_back({scaled(end, t), onLine});
        places.push_back({scaled(end, 0.5), onLine + boxCentre(side, 4, size)});
        places.push_back({end, onLine + boxCentre(screenDirection(end, {1, 0}), 6, size)});
        add(text, kSmallPixels, length.role, std::move(places));
    }

    void addGuideLabel(const PlaneGuide& guide) {
        if (guide.label.empty())
            return;
        const QString text = QString::fromStdString(guide.label);
        const QSizeF size = labelSize(text, planeFont(kSmallPixels));
        const PlanePoint direction = guide.to - guide.from;
        std::vector<LabelPlan::Place> places;
        for (double t : {0.5, 0.3, 0.7}) {
            const PlanePoint at{guide.from.re + direction.re * t, guide.from.im + direction.im * t};
            const QPointF side = sideAway(centroid_, at, direction);
            places.push_back({at, boxCentre(side, 4, size)});
            places.push_back({at, boxCentre(-side, 4, size)});
        }
        add(text, kSmallPixels, guide.role, std::move(places));
    }

    void addAngleLabel(const PlaneAngle& angle) {
        const QString text = QString::fromStdString(angle.label);
        const QSizeF size = labelSize(text, planeFont(kMarkPixels));
        const double radius = ringRadius(angle.ring, ringFactor_);
        std::vector<LabelPlan::Place> places;
        for (double t : {0.5, 0.8, 0.2})
            for (double gap : {3.0, 14.0, 26.0, 40.0})
                places.push_back(
                    {{}, boxCentre(directionAt(angle.from + (angle.to - angle.from) * t), radius + gap, size)});
        add(text, kMarkPixels, angle.role, std::move(places));
    }

    void addTurnLabel(const PlaneTurn& turn) {
        const QString text = QString::fromStdString(turn.label);
        const QSizeF size = labelSize(text, planeFont(kMarkPixels));
        const double radius = modulusOf(turn.from), start = angleOf(turn.from);
        std::vector<LabelPlan::Place> places;
        for (double t : {0.5, 0.3, 0.7}) {
            const double a = start + turn.by * t;
            const PlanePoint at{radius * std::cos(a), radius * std::sin(a)};
            places.push_back({at, boxCentre(directionAt(a), 4, size)});
            places.push_back({at, boxCentre(-directionAt(a), 4, size)});
        }
        add(text, kMarkPixels, turn.role, std::move(places));
    }

    const PlaneSketch& sketch_;
    const PlaneWords& words_;
    double ringFactor_;
    PlanePoint centroid_;
    std::vector<LabelPlan> labels_;
};

// On one axis: a point's coordinate in the widget's direction and its box's extent.
struct Span {
    double value, low, high;
};

double greatestScale(const std::vector<Span>& spans, double room) {
    double best = kInfinity;
    for (const Span& a : spans)
        for (const Span& b : spans)
            if (b.value > a.value)
                best = std::min(best, (room - b.high + a.low) / (b.value - a.value));
    return best;
}

// The offset that centres the items at this scale between the margins.
double centredOffset(const std::vector<Span>& spans, double scale, double length) {
    double low = -kInfinity, high = kInfinity;
    for (const Span& s : spans) {
        low = std::max(low, kMargin - s.low - scale * s.value);
        high = std::min(high, length - kMargin - s.high - scale * s.value);
    }
    return (low + high) / 2;
}

double extent(const std::vector<Span>& spans, double scale) {
    double low = kInfinity, high = -kInfinity;
    for (const Span& s : spans) {
        low = std::min(low, scale * s.value + s.low);
        high = std::max(high, scale * s.value + s.high);
    }
    return high - low + 2 * kMargin;
}

// The smallest of 1, 2, 5 times a power of ten that is at least `least`.
double niceStep(double least) {
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= least * (1 - 1e-9))
            return factor * power;
    return 10 * power;
}

int decimalsOf(double step) { return std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9))); }

// Whether any part of the segment lies in the rectangle (Liang and Barsky's clipping).
bool crosses(const QLineF& line, const QRectF& rect) {
    const double p[] = {-line.dx(), line.dx(), -line.dy(), line.dy()};
    const double q[] = {line.x1() - rect.left(), rect.right() - line.x1(), line.y1() - rect.top(),
                        rect.bottom() - line.y1()};
    double enter = 0, leave = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return false;
    }
    return true;
}

double overlap(const QRectF& a, const QRectF& b) {
    const QRectF common = a.intersected(b);
    return common.isValid() ? common.width() * common.height() : 0;
}

// The scale and origin at which the items fit, and what they need at that scale.
void fit(std::vector<Item> items, QSizeF size, QSizeF reName, QSizeF imName, PlaneLayout& layout) {
    // The axes reach beyond everything drawn, with room at their ends for their names.
    double right = 0, top = 0;
    for (const Item& item : items) {
        right = std::max(right, item.anchor.re);
        top = std::max(top, item.anchor.im);
    }
    items.push_back({{right, 0}, QRectF(12, -reName.height() - 3, reName.width(), reName.height())});
    items.push_back({{0, top}, QRectF(5, -imName.height() - 12, imName.width(), imName.height())});

    std::vector<Span> xs, ys;
    for (const Item& item : items) {
        xs.push_back({item.anchor.re, item.box.left(), item.box.right()});
        ys.push_back({-item.anchor.im, item.box.top(), item.box.bottom()});
    }
    // At least one unit across the widget, should everything lie at the origin.
    double scale = std::min({greatestScale(xs, size.width() - 2 * kMargin),
                             greatestScale(ys, size.height() - 2 * kMargin), std::max(size.width(), size.height())});
    scale = std::max(scale, 1e-3);
    layout.step = niceStep(kMinimumGridPixels / scale);
    scale = std::max(std::floor(scale * layout.step), 1.0) / layout.step;
    layout.scale = scale;
    const auto onPixelCentre = [](double offset) { return std::floor(offset) + 0.5; };
    layout.origin = {onPixelCentre(centredOffset(xs, scale, size.width())),
                     onPixelCentre(centredOffset(ys, scale, size.height()))};
    layout.used = QSizeF(extent(xs, scale), extent(ys, scale));
}

// For each label the place, of the boxes it may take, where it covers least: no other label, no arrow, as few other
// lines as may be, inside the widget. Placed one after the other first; then each again among all the others, which
// settles most crowds.
std::vector<std::size_t> chooseLabelPlaces(const std::vector<std::vector<QRectF>>& candidates,
                                           const std::vector<Stroke>& strokes, QSizeF size) {
    const QRectF inside = QRectF(QPointF(), size).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    std::vector<std::size_t> choice(candidates.size(), 0);
    std::vector<std::optional<QRectF>> placed(candidates.size());
    for (int pass = 0; pass < 3; ++pass)
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            double least = kInfinity;
            for (std::size_t k = 0; k < candidates[i].size(); ++k) {
                const QRectF& box = candidates[i][k];
                double cost = 0.5 * static_cast<double>(k);
                for (std::size_t j = 0; j < placed.size(); ++j)
                    if (j != i && placed[j])
                        cost += 4 * overlap(box, placed[j]->adjusted(-2, -2, 2, 2));
                for (const Stroke& stroke : strokes)
                    if (crosses(stroke.line, box))
                        cost += stroke.weight;
                cost += 2 * (box.width() * box.height() - overlap(box, inside));
                if (cost < least) {
                    least = cost;
                    choice[i] = k;
                }
            }
            placed[i] = candidates[i][choice[i]];
        }
    return choice;
}

// Tick labels below the real axis and left of the imaginary one, across the axis where the edge is too near; none
// at the axes' arrowheads, and none where a line runs through it or so near a label that it might be read as part
// of it.
void addTickLabels(PlaneLayout& layout, const std::vector<Stroke>& strokes, QSizeF size, const QString& mark) {
    const QFont font = planeFont(kTickPixels);
    const QFontMetricsF metrics(font);
    const QRectF inside = QRectF(QPointF(), size).adjusted(kMargin / 2, kMargin / 2, -kMargin / 2, -kMargin / 2);
    const auto tryTick = [&](const QString& text, const QRectF& usual, const QRectF& across) {
        const QRectF box = inside.contains(usual) ? usual : across;
        const bool free = inside.contains(box) &&
                          std::none_of(layout.labels.begin(), layout.labels.end(),
                                       [&box](const PlaneLabel& label) {
                                           return label.rect.adjusted(-12, -3, 12, 3).intersects(box);
                                       }) &&
                          std::none_of(strokes.begin(), strokes.end(), [&box](const Stroke& stroke) {
                              return stroke.weight >= kLengthWeight && crosses(stroke.line, box);
                          });
        if (free)
            layout.labels.push_back({text, box, planeInk(), font});
    };
    const double height = metrics.ascent() + metrics.descent(), pixelStep = layout.scale * layout.step;
    const int decimals = decimalsOf(layout.step);
    const QPointF o = layout.origin;
    for (int k = static_cast<int>(std::ceil(-o.x() / pixelStep)); o.x() + k * pixelStep <= size.width() - kAxisEnd;
         ++k) {
        const QString text = planeNumber(k * layout.step, decimals, mark);
        const double width = metrics.horizontalAdvance(text) + 2, x = o.x() + k * pixelStep - width / 2;
        if (k != 0)
            tryTick(text, QRectF(x, o.y() + 4, width, height), QRectF(x, o.y() - 4 - height, width, height));
    }
    for (int k = static_cast<int>(std::ceil(-(size.height() - o.y()) / pixelStep)); o.y() - k * pixelStep >= kAxisEnd;
         ++k) {
        const QString text = planeNumber(k * layout.step, decimals, mark);
        const double width = metrics.horizontalAdvance(text) + 2, y = o.y() - k * pixelStep - height / 2;
        if (k != 0)
            tryTick(text, QRectF(o.x() - 4 - width, y, width, height), QRectF(o.x() + 4, y, width, height));
    }
    const double zeroWidth = metrics.horizontalAdvance(QStringLiteral("0")) + 2;
    const QRectF zero(o.x() - 3 - zeroWidth, o.y() + 3, zeroWidth, height);
    tryTick(QStringLiteral("0"), zero, zero);
}

PlaneLayout layOutWithRings(const PlaneSketch& sketch, QSizeF size, const PlaneWords& words, double ringFactor) {
    const Scene scene(sketch, words, ringFactor);
    const std::vector<LabelPlan>& plans = scene.labels();
    const QFont axisFont = planeFont(kMarkPixels);
    const QString re = QStringLiteral("Re"), im = QStringLiteral("Im");
    const QSizeF reSize = labelSize(re, axisFont), imSize = labelSize(im, axisFont);

    PlaneLayout layout;
    layout.ringFactor = ringFactor;
    // Every label's possible boxes in the widget as it is laid out now; last the axes' names: at the end of their
    // axis, across it, or farther back along it.
    const auto candidates = [&] {
        std::vector<std::vector<QRectF>> boxes;
        for (const LabelPlan& plan : plans) {
            boxes.emplace_back();
            for (const LabelPlan::Place& place : plan.places)
                boxes.back().push_back(boxAround(layout.pixelOf(place.anchor) + place.centre, plan.size));
        }
        const QRectF reBox(QPointF(size.width() - kMargin - reSize.width(), layout.origin.y() - reSize.height() - 3),
                           reSize);
        const QRectF imBox(QPointF(layout.origin.x() + 5, kMargin), imSize);
        const QPointF below(0, reSize.height() + 6), back(-reSize.width() - 16, 0);
        const QPointF left(-imSize.width() - 10, 0), down(0, imSize.height() + 16);
        boxes.push_back({reBox, reBox.translated(below), reBox.translated(back), reBox.translated(below + back)});
        boxes.push_back({imBox, imBox.translated(left), imBox.translated(down), imBox.translated(left + down)});
        return boxes;
    };
    std::vector<std::size_t> choice(plans.size() + 2, 0);
    // Placing labels changes the scale a little, which may move a label's best place: a few rounds settle it.
    for (int round = 0;; ++round) {
        fit(scene.items(choice), size, reSize, imSize, layout);
        if (round == 3)
            break;
        const std::vector<std::size_t> better =
            chooseLabelPlaces(candidates(), scene.strokes(layout.scale, layout.origin), size);
        if (better == choice)
            break;
        choice = better;
    }
    const std::vector<std::vector<QRectF>> boxes = candidates();
    for (std::size_t i = 0; i < plans.size(); ++i)
        layout.labels.push_back({plans[i].text, boxes[i][choice[i]], plans[i].colour, plans[i].font});
    layout.labels.push_back({re, boxes[plans.size()][choice[plans.size()]], planeInk(), axisFont});
    layout.labels.push_back({im, boxes[plans.size() + 1][choice[plans.size() + 1]], planeInk(), axisFont});
    addTickLabels(layout, scene.strokes(layout.scale, layout.origin), size, words.decimalMark);
    return layout;
}

// An angle mark should lie within the arrow it ends on: round short arrows the marks are drawn smaller.
double ringFactorFor(const PlaneSketch& sketch, double scale) {
    double shortest = kInfinity;
    int outerRing = 1;
    for (const PlaneAngle& angle : sketch.angles) {
        outerRing = std::max(outerRing, angle.ring);
        for (const PlaneArrow& arrow : sketch.arrows) {
            const PlanePoint vector = arrow.to - arrow.from;
            const double apart = std::remainder(angleOf(vector) - angle.to, 2 * std::numbers::pi);
            if (arrow.from == PlanePoint{} && modulusOf(vector) > 0 && std::abs(apart) < 1e-6)
                shortest = std::min(shortest, modulusOf(vector) * scale);
        }
    }
    return std::clamp(0.8 * shortest / ringRadius(outerRing, 1), 0.5, 1.0);
}

}  // namespace

PlaneLayout layOutPlane(const PlaneSketch& sketch, QSizeF size, const PlaneWords& words) {
    PlaneLayout layout = layOutWithRings(sketch, size, words, 1);
    if (const double factor = ringFactorFor(sketch, layout.scale); factor < 1)
        layout = layOutWithRings(sketch, size, words, factor);
    return layout;
}

double ringRadius(int ring, double factor) { return (kRingRadius + kRingSpacing * (std::max(ring, 1) - 1)) * factor; }

QPointF lengthSide(const PlaneSketch& sketch, const PlaneLength& length) {
    return sideAway(centroidOf(sketch), scaled(length.along, 0.5), length.along);
}

double lengthOffset(const PlaneLength& length) {
    return kLengthOffset + kLengthSpacing * (std::max(length.ring, 1) - 1);
}

PlanePoint lengthEnd(const PlaneLength& length) { return scaled(unitOf(length.along), length.length); }

std::vector<PlanePoint> arcPoints(double radius, double from, double to) {
    const int steps = std::max(2, static_cast<int>(std::ceil(std::abs(to - from) / 0.15)));
    std::vector<PlanePoint> points;
    for (int i = 0; i <= steps; ++i) {
        const double a = from + (to - from) * i / steps;
        points.push_back({radius * std::cos(a), radius * std::sin(a)});
    }
    return points;
}

QPointF directionAt(double radians) { return {std::cos(radians), -std::sin(radians)}; }

}  // namespace tessaro
