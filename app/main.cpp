// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"
#include "app/TrainerApp.h"

int main(int argc, char** argv) {
    // The command line is answered before the window system starts: --help, --version and a wrong option come on a
    // terminal without a display too (over ssh, or for help2man).
    if (const std::optional<int> status = tessaro::answerCommandLine(argc, argv))
        return *status;
    tessaro::TrainerApp app(argc, argv);
    return app.start();
}
