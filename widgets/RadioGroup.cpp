// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/RadioGroup.h"

#include <QKeyEvent>
#include <QRadioButton>

namespace tessaro {

RadioGroup::RadioGroup(QObject* parent) : QButtonGroup(parent) {
    setExclusive(true);
    connect(this, &QButtonGroup::buttonToggled, this, &RadioGroup::placeTabStop);
}

void RadioGroup::addRadio(QRadioButton* radio) {
    addButton(radio);
    radio->installEventFilter(this);
    placeTabStop();
}

// Tab and Shift+Tab pass the group's other radios by; a click still gives any of them the focus.
void RadioGroup::placeTabStop() {
    const QList<QAbstractButton*> radios = buttons();
    const QAbstractButton* stop = checkedButton() ? checkedButton() : radios.first();
    for (QAbstractButton* radio : radios)
        radio->setFocusPolicy(radio == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    // Left and right go the way of reading: on a mirrored screen the right arrow goes back.
    const int forward = static_cast<QWidget*>(watched)->isRightToLeft() ? -1 : 1;
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Left:
        step = -forward;
        break;
    case Qt::Key_Right:
        step = forward;
        break;
    default:
        return false;
    }
    const QList<QAbstractButton*> radios = buttons();
    const auto count = radios.size();
    QAbstractButton* next = radios[(radios.indexOf(static_cast<QAbstractButton*>(watched)) + step + count) % count];
    next->click();
    next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}

}  // namespace tessaro
