// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/ScreenColours.h"

#include <QPalette>
#include <QWidget>

namespace tessaro {

namespace {
void setForAllGroups(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
}
}  // namespace

void applyScreenColours(QWidget& widget) {
    QPalette palette = widget.palette();
    setForAllGroups(palette, QPalette::Window, kScreenBackground);
    setForAllGroups(palette, QPalette::Base, kScreenBackground);
    setForAllGroups(palette, QPalette::WindowText, Qt::black);
    setForAllGroups(palette, QPalette::Text, Qt::black);
    widget.setPalette(palette);
}

void setTextColour(QWidget& field, const QColor& colour) {
    QPalette palette = field.palette();
    setForAllGroups(palette, QPalette::Text, colour);
    setForAllGroups(palette, QPalette::WindowText, colour);
    field.setPalette(palette);
}

}  // namespace tessaro
