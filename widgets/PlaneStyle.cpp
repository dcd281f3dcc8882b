// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/PlaneStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessaro {

namespace {

const QString kMinus = QStringLiteral("\u2212");

double luminance(const QColor& colour) {
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

struct Run {
    QString text;
    bool subscript;
};

std::vector<Run> runsOf(const QString& text) {
    std::vector<Run> runs;
    for (const QChar c : text) {
        const bool subscript = c.unicode() >= 0x2080 && c.unicode() <= 0x2089;
        const QChar shown = subscript ? QChar(u'0' + (c.unicode() - 0x2080)) : c;
        if (runs.empty() || runs.back().subscript != subscript)
            runs.push_back({QString(), subscript});
        runs.back().text += shown;
    }
    return runs;
}

QFont subscriptFont(const QFont& font) {
    QFont smaller = font;
    smaller.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * 0.72))));
    return smaller;
}

double subscriptDrop(const QFont& font) { return font.pixelSize() * 0.24; }

}  // namespace

QColor planePaper() { return Qt::white; }
QColor planeInk() { return {0x60, 0x60, 0x60}; }

QColor roleColour(PlaneRole role) {
    switch (role) {
    case PlaneRole::Operand1:
        return {0x00, 0x72, 0xb2};  // blue
    case PlaneRole::Operand2:
        return {0xd5, 0x5e, 0x00};  // vermillion
    case PlaneRole::Result:
        return {0x00, 0x9e, 0x73};  // bluish green
    case PlaneRole::Typed:
        return {0xcc, 0x79, 0xa7};  // reddish purple
    case PlaneRole::Conjugate:
        return {0xe6, 0x9f, 0x00};  // orange
    case PlaneRole::Helper:
        break;
    }
    return {0x20, 0x20, 0x20};
}

QColor roleTextColour(PlaneRole role) {
    QColor colour = roleColour(role);
    while (1.05 / (luminance(colour) + 0.05) < 4.5)
        colour = colour.darker(108);
    return colour;
}

QPen roleLine(PlaneRole role, bool dashed) {
    double width = 1.8;
    QList<qreal> dashes;
    switch (role) {
    case PlaneRole::Result:
        width = 3;
        break;
    case PlaneRole::Operand1:
    case PlaneRole::Operand2:
        width = 2;
        break;
    case PlaneRole::Typed:
        width = 2.5;
        break;
    case PlaneRole::Conjugate:
        dashes = {1, 1.2};
        break;
    case PlaneRole::Helper:
        dashes = {4, 1.5, 1, 1.5};
        break;
    }
    if (dashed)
        dashes = {3, 2};
    QPen pen(roleColour(role), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (!dashes.isEmpty())
        pen.setDashPattern(dashes);
    return pen;
}

QFont planeFont(int pixels) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QSizeF labelSize(const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font), small(subscriptFont(font));
    double width = 0, descent = metrics.descent();
    for (const Run& run : runsOf(text)) {
        width += (run.subscript ? small : metrics).horizontalAdvance(run.text);
        if (run.subscript)
            descent = std::max(descent, subscriptDrop(font) + small.descent());
    }
    return {width + 2, metrics.ascent() + descent};
}

void drawLabelText(QPainter& painter, QPointF baseline, const QString& text, const QFont& font,
                   std::initializer_list<QPointF> copies) {
    const QFont small = subscriptFont(font);
    const QFontMetricsF metrics(font), smallMetrics(small);
    for (const Run& run : runsOf(text)) {
        const QFontMetricsF& runMetrics = run.subscript ? smallMetrics : metrics;
        painter.setFont(run.subscript ? small : font);
        // Laid out once, drawn at every place.
        QStaticText shaped(run.text);
        shaped.setTextFormat(Qt::PlainText);
        shaped.prepare(painter.transform(), painter.font());
        const QPointF topLeft = baseline + QPointF(0, (run.subscript ? subscriptDrop(font) : 0) - runMetrics.ascent());
        for (const QPointF& shift : copies)
            painter.drawStaticText(topLeft + shift, shaped);
        baseline.rx() += runMetrics.horizontalAdvance(run.text);
    }
}

QString planeNumber(double value, int decimals, const QString& decimalMark) {
    const double factor = std::pow(10.0, decimals), rounded = std::round(value * factor) / factor;
    QString text = QString::number(std::abs(rounded), 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    text.replace(QLatin1Char('.'), decimalMark);
    return (rounded < 0 ? kMinus : QString()) + text;
}

QString planeComplex(PlanePoint value, const QString& decimalMark) {
    const QString re = planeNumber(value.re, 2, decimalMark), im = planeNumber(std::abs(value.im), 2, decimalMark);
    if (im == QLatin1String("0"))
        return re;
    const bool negative = value.im < 0;
    if (re == QLatin1String("0"))
        return (negative ? kMinus : QString()) + QLatin1Char('j') + im;
    return re + (negative ? QStringLiteral(" \u2212 j") : QStringLiteral(" + j")) + im;
}

}  // namespace tessaro
