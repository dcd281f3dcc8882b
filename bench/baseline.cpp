// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The fastest a Qt Widgets program of Tessaro's kind can be: a bare dialog of the main menu's size with one button,
// in the Fusion style, that reports its first painted frame the way the Tessaro benchmarks do.

#include "bench/BenchClock.h"
#include "bench/FirstPaintProbe.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QStyleFactory>

using namespace tessaro::bench;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QDialog dialog;
    dialog.setFixedSize(699, 449);
    auto* button = new QPushButton(QStringLiteral("Üben"), &dialog);
    button->setGeometry(40, 40, 120, 30);
    new FirstPaintProbe(dialog, [&dialog] {
        report("first_paint_ms", millisecondsSinceLaunch());
        dialog.done(0);
    });
    dialog.exec();
    return 0;
}
