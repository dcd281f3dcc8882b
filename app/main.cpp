// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TrainerApp.h"

#include <QByteArrayView>

namespace {

// True when every argument asks only for the usage or the version: such a command line opens no window.
bool asksOnlyForText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument != "-h" && argument != "--help" && argument != "-v" && argument != "--version")
            return false;
    }
    return argc > 1;
}

}  // namespace

int main(int argc, char** argv) {
    // The usage and the version come on a terminal without a display too (over ssh, or for help2man): Qt's
    // offscreen platform needs none.
    if (asksOnlyForText(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    tessaro::TrainerApp app(argc, argv);
    return app.start();
}
