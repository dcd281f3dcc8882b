// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TrainerApp.h"

#include "app/MainMenuDialog.h"
#include "dialogkit/ApplicationSetup.h"

namespace tessaro {

TrainerApp::TrainerApp(int& argc, char** argv) : QApplication(argc, argv) {}

int TrainerApp::start() {
    setUpApplication(*this);
    MainMenuDialog mainMenu;
    mainMenu.exec();
    return 0;
}

}  // namespace tessaro
