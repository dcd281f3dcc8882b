// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/ApplicationSetup.h"

#include "dialogkit/DialogMetrics.h"
#include "dialogkit/Language.h"
#include "generated/ProgramInfo.h"

#include <QApplication>
#include <QStyleFactory>

namespace tessaro {

void setUpApplication(QApplication& application) {
    QApplication::setApplicationName(QString::fromUtf8(kProgramName));
    QApplication::setApplicationVersion(QString::fromUtf8(kVersion));
    // Lets the desktop match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tessaro"));
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(dialogFont());
    useLanguage(desktopLanguages());
}

}  // namespace tessaro
