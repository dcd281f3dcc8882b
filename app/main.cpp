// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TrainerApp.h"

int main(int argc, char** argv) {
    tessaro::TrainerApp app(argc, argv);
    return app.start();
}
