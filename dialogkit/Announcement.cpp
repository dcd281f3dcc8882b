// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/Announcement.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QWidget>

namespace tessaro {

namespace {
AnnouncementObserver announcementObserver = nullptr;
}  // namespace

void announce(QWidget& field) {
    QAccessibleEvent alert(&field, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    if (announcementObserver)
        announcementObserver(&alert);
}

void observeAnnouncements(AnnouncementObserver observer) { announcementObserver = observer; }

}  // namespace tessaro
