// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class QWidget;

namespace tessaro {

// Tells a check the student meant from the second press of a double click or of a doubled Enter: a press within the
// desktop's double-click interval of the press before it, while every input of the screen is as the last check left
// it, asks nothing new and is let pass. Any change to an input, typed, pasted or a new task's, makes the next press a
// check again, and so does a press after the interval.
class DoublePressGuard : public QObject {
    Q_OBJECT
public:
    // Watches every input of `screen`, the line edits that are not read-only.
    explicit DoublePressGuard(QWidget& screen);

    // Runs `check` unless this press only doubles the one before.
    void press(const std::function<void()>& check);

private:
    QElapsedTimer sincePress_;
    bool inputsChanged_ = true;
};

}  // namespace tessaro
