// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/FormulaLine.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tessaro {

namespace {

constexpr qreal kRowGap = 4;
constexpr qreal kFractionGap = 2;  // between a fraction's bar and its numerator or denominator
constexpr qreal kFractionOverhang = 3;
constexpr qreal kRootGap = 2;    // between the root's bar and its radicand
constexpr int kMarkPadding = 4;  // between a mark's frame and the formula

struct Extent {
    qreal width = 0;
    qreal ascent = 0;
    qreal descent = 0;
};

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Measures and, with a painter, draws a term with its baseline at y = 0 from x = 0.
class Setter {
public:
    explicit Setter(const FormulaFonts& fonts) : fonts_(fonts), math_(fonts.math), verbatim_(fonts.verbatim) {}

    Extent term(const MathTerm& term, QPainter* painter, QPointF origin) const {
        Extent extent;
        for (const MathPiece& piece : term) {
            const Extent part = this->piece(piece, painter, origin + QPointF(extent.width, 0));
            extent.width += part.width;
            extent.ascent = std::max(extent.ascent, part.ascent);
            extent.descent = std::max(extent.descent, part.descent);
        }
        return extent;
    }

    Extent plain(const QString& shown, QPainter* painter, QPointF origin) const {
        if (painter) {
            painter->setFont(fonts_.math);
            painter->drawText(origin, shown);
        }
        return {math_.horizontalAdvance(shown), math_.ascent(), math_.descent()};
    }

private:
    Extent piece(const MathPiece& piece, QPainter* painter, QPointF origin) const {
        switch (piece.kind) {
        case MathPiece::Kind::Math:
            return plain(text(piece.text), painter, origin);
        case MathPiece::Kind::Verbatim:
            return verbatim(text(piece.text), painter, origin);
        case MathPiece::Kind::Root:
            return root(piece.parts.at(0), painter, origin);
        case MathPiece::Kind::Fraction:
            return fraction(piece.parts.at(0), piece.parts.at(1), painter, origin);
        }
        return {};
    }

    // An empty field shows as an empty box, as on the exercise screen.
    Extent verbatim(const QString& shown, QPainter* painter, QPointF origin) const {
        if (shown.isEmpty()) {
            const qreal side = verbatim_.capHeight();
            if (painter)
                painter->drawRect(QRectF(origin.x() + 1.5, origin.y() - side + 0.5, side, side));
            return {side + 3, side + 1, 0};
        }
        if (painter) {
            painter->setFont(fonts_.verbatim);
            painter->drawText(origin, shown);
        }
        return {verbatim_.horizontalAdvance(shown), verbatim_.ascent(), verbatim_.descent()};
    }

    // The root sign drawn as lines: a short rise, a long fall below the baseline, the climb and the bar.
    Extent root(const MathTerm& radicand, QPainter* painter, QPointF origin) const {
        const Extent inner = term(radicand, nullptr, {});
        const qreal sign = math_.height() * 0.55;
        const qreal barY = -(inner.ascent + kRootGap);
        if (painter) {
            const qreal x = origin.x(), y = origin.y();
            QPainterPath path;
            path.moveTo(x + 1, y - inner.ascent * 0.45);
            path.lineTo(x + sign * 0.3, y - inner.ascent * 0.55);
            path.lineTo(x + sign * 0.55, y + inner.descent * 0.8);
            path.lineTo(x + sign, y + barY);
            path.lineTo(x + sign + inner.width + 2, y + barY);
            painter->drawPath(path);
            term(radicand, painter, {x + sign + 1, y});
        }
        return {sign + inner.width + 3, -barY + 1, inner.descent + 1};
    }

    // Built up around the height of the minus sign, so that it stands level with the signs beside it.
    Extent fraction(const MathTerm& numerator, const MathTerm& denominator, QPainter* painter, QPointF origin) const {
        const Extent top = term(numerator, nullptr, {});
        const Extent bottom = term(denominator, nullptr, {});
        const qreal width = std::max(top.width, bottom.width) + 2 * kFractionOverhang;
        const qreal axis = math_.strikeOutPos();
        if (painter) {
            const qreal barY = origin.y() - axis;
            painter->drawLine(QPointF(origin.x() + 1, barY), QPointF(origin.x() + width - 1, barY));
            term(numerator, painter, {origin.x() + (width - top.width) / 2, barY - kFractionGap - top.descent});
            term(denominator, painter, {origin.x() + (width - bottom.width) / 2, barY + kFractionGap + bottom.ascent});
        }
        return {width, axis + kFractionGap + top.descent + top.ascent,
                -axis + kFractionGap + bottom.ascent + bottom.descent};
    }

    const FormulaFonts& fonts_;
    QFontMetricsF math_;
    QFontMetricsF verbatim_;
};

QString readingOf(const std::vector<MathTerm>& sides, bool continues) {
    QString reading = continues ? QStringLiteral("= ") : QString();
    for (std::size_t i = 0; i < sides.size(); ++i)
        reading += (i ? QStringLiteral(" = ") : QString()) + text(readAloud(sides[i]));
    return reading;
}

}  // namespace

FormulaLine::FormulaLine(std::vector<MathTerm> sides, bool continues, int width, const FormulaFonts& fonts,
                         QWidget* parent)
    : QLabel(parent), sides_(std::move(sides)), continues_(continues), width_(width), fonts_(fonts) {
    setText(readingOf(sides_, continues_));
    setAccessibleName(text());
    layOut(width);
}

void FormulaLine::setMarked(const QColor& colour) {
    mark_ = colour;
    layOut(width_);
    update();
}

void FormulaLine::layOut(int width) {
    const int padding = mark_.isValid() ? kMarkPadding : 0;
    width -= 2 * padding;
    const Setter setter(fonts_);
    const QString equals = QStringLiteral(" = "), startEquals = QStringLiteral("= ");
    const qreal indent = setter.plain(QStringLiteral("    "), nullptr, {}).width;
    struct Row {
        std::vector<Placed> items;
        qreal width = 0, ascent = 0, descent = 0;
    };
    std::vector<Row> rows(1);
    if (continues_)
        rows.back().width = indent;
    markLeft_ = continues_ ? static_cast<int>(std::lround(indent)) : 0;
    for (std::size_t i = 0; i < sides_.size(); ++i) {
        const bool firstOfLine = i == 0;
        QString prefix = firstOfLine ? (continues_ ? startEquals : QString()) : equals;
        const Extent side = setter.term(sides_[i], nullptr, {});
        qreal start = rows.back().width;
        if (!firstOfLine && start + setter.plain(prefix, nullptr, {}).width + side.width > width) {
            rows.emplace_back();
            prefix = startEquals;
            start = indent;
        }
        const qreal prefixWidth = setter.plain(prefix, nullptr, {}).width;
        Row& row = rows.back();
        row.items.push_back({&sides_[i], prefix, QPoint(static_cast<int>(std::lround(start)), 0)});
        row.width = start + prefixWidth + side.width;
        row.ascent = std::max({row.ascent, side.ascent, setter.plain(prefix, nullptr, {}).ascent});
        row.descent = std::max({row.descent, side.descent, setter.plain(prefix, nullptr, {}).descent});
    }
    qreal y = padding, widest = 0;
    placed_.clear();
    for (Row& row : rows) {
        y += row.ascent;
        for (Placed& item : row.items) {
            item.origin += QPoint(padding, 0);
            item.origin.setY(static_cast<int>(std::lround(y)));
            placed_.push_back(item);
        }
        y += row.descent + kRowGap;
        widest = std::max(widest, row.width);
    }
    naturalWidth_ = static_cast<int>(std::ceil(widest)) + 2 * padding;
    setFixedSize(std::max(naturalWidth_, 1), static_cast<int>(std::ceil(y - kRowGap)) + 1 + padding);
}

void FormulaLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setLayoutDirection(Qt::LeftToRight);  // mathematics reads left to right in every layout direction
    painter.setBrush(Qt::NoBrush);
    if (mark_.isValid()) {
        painter.setPen(QPen(mark_, 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1 + markLeft_, 1, -1, -1), 4, 4);
    }
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const Setter setter(fonts_);
    for (const Placed& item : placed_) {
        const qreal prefixWidth = setter.plain(item.prefix, &painter, item.origin).width;
        setter.term(*item.term, &painter, QPointF(item.origin) + QPointF(prefixWidth, 0));
    }
}

}  // namespace tessaro
