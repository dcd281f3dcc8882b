// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

namespace tessaro {

// The application object: it runs the main menu, and the program ends when the main menu closes. The command line is
// answered before it starts (answerCommandLine).
class TrainerApp : public QApplication {
    Q_OBJECT
public:
    TrainerApp(int& argc, char** argv);

    int start();
};

}  // namespace tessaro
