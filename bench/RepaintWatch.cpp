// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/RepaintWatch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace tessaro::bench {

RepaintWatch::RepaintWatch(QWidget& window) : window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

RepaintWatch::~RepaintWatch() { QCoreApplication::instance()->removeEventFilter(this); }

void RepaintWatch::waitForNextFrame() {
    painted_ = false;
    const QDeadlineTimer deadline(1000);
    // The paint events arrive inside one round of the event loop that also flushes the frame.
    while (!painted_) {
        if (deadline.hasExpired()) {
            std::fprintf(stderr, "no frame was painted within a second\n");
            std::exit(1);
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
}

bool RepaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_)
        painted_ = true;
    return QObject::eventFilter(watched, event);
}

}  // namespace tessaro::bench
