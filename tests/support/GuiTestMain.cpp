// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/ApplicationSetup.h"
#include "dialogkit/Language.h"

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tessaro::setUpApplication(application);
    // The screens are tested and their references written in German, whatever the machine's own language.
    tessaro::useLanguage({QStringLiteral("de")});
    // A text cursor that does not blink looks the same in every picture taken of a screen.
    QApplication::setCursorFlashTime(0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
