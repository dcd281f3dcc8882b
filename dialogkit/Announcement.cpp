// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/Announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace tessaro {

namespace {

AnnouncementObserver announcementObserver = nullptr;

const QString kNoticeName = QStringLiteral("tessaroSpokenNotice");

// The description a control had before it carried an announcement, to be given back when the focus leaves it.
constexpr const char* kOwnDescription = "tessaroOwnDescription";

QAccessibleInterface* noticeAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->objectName() == kNoticeName)
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

// The window's notification: no size, no focus, no pixels; a screen reader speaks its name when it shows.
QWidget& noticeOf(QWidget& window) {
    if (auto* notice = window.findChild<QWidget*>(kNoticeName, Qt::FindDirectChildrenOnly))
        return *notice;
    static const bool factoryInstalled = (QAccessible::installFactory(noticeAccessible), true);
    Q_UNUSED(factoryInstalled);
    auto* notice = new QWidget(&window);
    notice->setObjectName(kNoticeName);
    notice->setFocusPolicy(Qt::NoFocus);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice->setGeometry(0, 0, 0, 0);
    notice->hide();
    return *notice;
}

void giveBackOwnDescriptionOnFocusLoss() {
    static bool watching = false;
    if (watching)
        return;
    watching = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* old, QWidget*) {
        if (!old || !old->property(kOwnDescription).isValid())
            return;
        // Later, once the reader has heard of the new focus and no longer listens to the old control.
        QMetaObject::invokeMethod(
            qApp,
            [old = QPointer<QWidget>(old)] {
                if (!old || old == QApplication::focusWidget())
                    return;
                old->setAccessibleDescription(old->property(kOwnDescription).toString());
                old->setProperty(kOwnDescription, QVariant());
            },
            Qt::QueuedConnection);
    });
}

void describeUntilFocusLeaves(QWidget& control, const QString& text) {
    giveBackOwnDescriptionOnFocusLoss();
    if (!control.property(kOwnDescription).isValid())
        control.setProperty(kOwnDescription, control.accessibleDescription());
    control.setAccessibleDescription(text);
}

}  // namespace

void announce(QWidget& screen, const QString& text) {
    if (announcementObserver)
        announcementObserver(text);
    QWidget& window = *screen.window();
    if (!window.isActiveWindow()) {
        if (QWidget* focused = window.focusWidget())
            describeUntilFocusLeaves(*focused, text);
        return;
    }
    QWidget& notice = noticeOf(window);
    notice.hide();
    notice.setAccessibleName(text);
    notice.show();
}

void readWhenOpened(QWidget& screen, const QStringList& lines) {
    const QString text = lines.join(QLatin1Char('\n'));
    if (announcementObserver)
        announcementObserver(text);
    if (QWidget* focused = screen.window()->focusWidget())
        focused->setAccessibleDescription(text);
}

void observeAnnouncements(AnnouncementObserver observer) { announcementObserver = observer; }

}  // namespace tessaro
