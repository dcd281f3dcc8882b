// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tessaro {

// What a screen reader says beyond the names of the controls; nothing of it is seen on screen. Orca, the screen
// reader of the Linux desktop, does not react to Qt's alerts, nor (with Qt 6.4) to a changed name or description.
// It does read the description of the control that takes the focus, and it reads a notification as soon as one
// shows up. So a screen that opens speaks through the description of the control that will have the focus, and
// an open screen speaks through a notification of its own, an empty widget of no size.

// Says `text` now, whichever control of `screen`'s window has the focus; when the window has not opened yet, as
// soon as it opens, with the control that has the focus then (whose own description comes back once the focus
// has left it).
void announce(QWidget& screen, const QString& text);

// Has the screen reader read `lines`, one after another, when `screen` opens, and again whenever the focus comes
// back to the control that has it first. For pages of text: a rule page, a worked solution.
void readWhenOpened(QWidget& screen, const QStringList& lines);

// Also hands every announcement to `observer` (none: nullptr), so that a test hears them without a screen reader.
using AnnouncementObserver = void (*)(const QString& text);
void observeAnnouncements(AnnouncementObserver observer);

}  // namespace tessaro
