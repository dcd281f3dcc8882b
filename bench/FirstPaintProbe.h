// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

namespace tessaro::bench {

// Calls back once the watched widget's first frame is on screen: its first paint event starts the frame, and the
// callback runs when the event loop is next free, after the children have painted and the frame has been flushed.
class FirstPaintProbe : public QObject {
    Q_OBJECT
public:
    FirstPaintProbe(QWidget& widget, std::function<void()> painted);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A timer object, not QTimer::singleShot(0): that one is a posted event, and while a posted event is being
    // handled, the events posted meanwhile (the repaints a callback waits for) are held back.
    QTimer frameDone_;
    bool seen_ = false;
};

}  // namespace tessaro::bench
