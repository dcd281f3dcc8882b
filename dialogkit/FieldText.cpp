// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/FieldText.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tessaro {

namespace {

constexpr int kLineEditMargin = 2;  // QLineEdit's own gap left and right of its text

// QLineEdit's own rule for a text that needs no scrolling: its width and one pixel for the cursor inside the field's
// contents less its margins.
bool showsWhole(const QLineEdit& field, const QFont& font) {
    QStyleOptionFrame frame;
    frame.initFrom(&field);
    frame.lineWidth = field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &field) : 0;
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &frame, &field).marginsRemoved(field.textMargins());
    const int used = qRound(QFontMetricsF(font).horizontalAdvance(field.text())) + 1;
    return used <= contents.width() - 2 * kLineEditMargin;
}

void fitFont(QLineEdit& field, const QFont& normal) {
    QFont font = normal;
    while (font.pixelSize() > 1 && !showsWhole(field, font))
        font.setPixelSize(font.pixelSize() - 1);
    field.setFont(font);
}

}  // namespace

QString toQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

void showText(QLineEdit& field, const QString& text) {
    field.setText(text);
    field.home(false);
}

void showText(QLineEdit& field, std::string_view utf8) { showText(field, toQString(utf8)); }

void keepTextsWhole(QLineEdit& field, const QFont& font) {
    field.setFont(font);
    QObject::connect(&field, &QLineEdit::textChanged, &field, [&field, font] { fitFont(field, font); });
}

}  // namespace tessaro
