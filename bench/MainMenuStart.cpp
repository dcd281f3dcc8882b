// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Tessaro's start as TrainerApp::start does it, up to the main menu's first painted frame.

#include "app/MainMenuDialog.h"
#include "app/TrainerApp.h"
#include "bench/BenchClock.h"
#include "bench/FirstPaintProbe.h"
#include "dialogkit/ApplicationSetup.h"

using namespace tessaro::bench;

int main(int argc, char** argv) {
    tessaro::TrainerApp application(argc, argv);
    tessaro::setUpApplication(application);
    tessaro::MainMenuDialog mainMenu;
    new FirstPaintProbe(mainMenu, [&mainMenu] {
        report("first_paint_ms", millisecondsSinceLaunch());
        mainMenu.done(0);
    });
    mainMenu.exec();
    return 0;
}
