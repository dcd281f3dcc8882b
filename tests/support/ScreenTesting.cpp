// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenTesting.h"

#include "ProgramState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

namespace tessaro::testing {

void ScreenTest::SetUp() { resetProgramState(); }

void showAndPaint(QWidget& screen) {
    screen.setWindowModality(Qt::ApplicationModal);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    QApplication::processEvents();
}

void repaintNow(QWidget& screen) {
    screen.repaint();
    QApplication::processEvents();
}

void doubleClick(QWidget& control) {
    const QPoint centre = control.rect().center();
    QTest::mousePress(&control, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(&control, Qt::LeftButton, {}, centre);
    QMouseEvent secondPress(QEvent::MouseButtonDblClick, centre, control.mapToGlobal(centre), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &secondPress);
    QTest::mouseRelease(&control, Qt::LeftButton, {}, centre);
}

QString shownText(const QWidget& control) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (auto* box = qobject_cast<const QGroupBox*>(&control))
        return box->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(&control))
        return edit->text();
    return {};
}

QImage screenImage(QWidget& screen) {
    QImage image = screen.grab().toImage();
    if (image.devicePixelRatio() != 1.0)
        image = image.scaled(screen.size());
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tessaro::testing
