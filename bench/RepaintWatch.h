// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

namespace tessaro::bench {

// Waits for the next frame of a window: a change marks widgets for repainting, Qt paints them a few milliseconds
// later when its update timer fires, and the wait ends once that frame has been painted and flushed.
class RepaintWatch : public QObject {
    Q_OBJECT
public:
    explicit RepaintWatch(QWidget& window);
    ~RepaintWatch() override;

    // Exits the benchmark with a message if no frame comes within a second.
    void waitForNextFrame();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    bool painted_ = false;
};

}  // namespace tessaro::bench
