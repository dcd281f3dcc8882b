// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalDriver.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace tessaro::testing {

namespace {
constexpr int kPollMilliseconds = 5;
constexpr int kGiveUpMilliseconds = 5000;
}  // namespace

void whenModalOpens(QWidget* below, std::function<void(QWidget& screen)> action) {
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QPointer<QWidget> guardBelow(below);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, guardBelow, action] {
        QWidget* top = QApplication::activeModalWidget();
        if (top && top != guardBelow.data() && top->isVisible()) {
            timer->deleteLater();
            timer->stop();
            action(*top);
            return;
        }
        *waited += kPollMilliseconds;
        if (*waited >= kGiveUpMilliseconds) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal screen opened";
            if (auto* dialog = qobject_cast<QDialog*>(top))
                dialog->reject();
        }
    });
    timer->start(kPollMilliseconds);
}

void recordAndCloseNextModal(QWidget* below, OpenedScreen& record) {
    whenModalOpens(below, [&record](QWidget& screen) {
        record.className = QString::fromLatin1(screen.metaObject()->className());
        record.title = screen.windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(&screen))
            dialog->reject();
        else
            screen.close();
    });
}

}  // namespace tessaro::testing
