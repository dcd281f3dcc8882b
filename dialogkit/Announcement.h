// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAccessibleEvent;
class QWidget;

namespace tessaro {

// Tells assistive technology that a field now shows a verdict, so that a screen reader speaks it at once.
void announce(QWidget& field);

// Also hands every announcement to `observer` (none: nullptr). Qt delivers accessibility events only while a
// screen reader listens, so this is how a headless test hears them.
using AnnouncementObserver = void (*)(QAccessibleEvent* event);
void observeAnnouncements(AnnouncementObserver observer);

}  // namespace tessaro
