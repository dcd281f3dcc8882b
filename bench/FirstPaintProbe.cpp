// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/FirstPaintProbe.h"

#include <QEvent>
#include <QWidget>

namespace tessaro::bench {

FirstPaintProbe::FirstPaintProbe(QWidget& widget, std::function<void()> painted) : QObject(&widget) {
    frameDone_.setSingleShot(true);
    frameDone_.setInterval(0);
    connect(&frameDone_, &QTimer::timeout, this, std::move(painted));
    widget.installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !seen_) {
        seen_ = true;
        frameDone_.start();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tessaro::bench
