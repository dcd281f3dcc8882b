// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/DoublePressGuard.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>

namespace tessaro {

DoublePressGuard::DoublePressGuard(QWidget& screen) : QObject(&screen) {
    for (QLineEdit* field : screen.findChildren<QLineEdit*>())
        if (!field->isReadOnly())
            connect(field, &QLineEdit::textChanged, this, [this] { inputsChanged_ = true; });
}

void DoublePressGuard::press(const std::function<void()>& check) {
    // A run of quick presses is one press: the interval counts from the last of them.
    const bool doubled = !inputsChanged_ && sincePress_.isValid() &&
                         sincePress_.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
    sincePress_.start();
    if (doubled)
        return;
    check();
    inputsChanged_ = false;  // what the check itself changed, a new task say, is as it left it
}

}  // namespace tessaro
