// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ModalDriver.h"
#include "ProgramState.h"
#include "ScreenTesting.h"

#include <QDialog>
#include <QPushButton>

#include <memory>

namespace tessaro::soak {

// An exercise screen opened, closed and reopened the way the main menu does it.
template <class Screen>
class ScreenSession {
public:
    void open() {
        screen_ = std::make_unique<Screen>();
        tessaro::testing::showAndPaint(*screen_);
    }

    // The main menu clears firstTaskShown once a screen has closed, so the next one starts with a new task.
    void reopen() {
        screen_->reject();
        screen_.reset();
        programState().firstTaskShown = false;
        open();
    }

    // Opens the rule page with the screen's button; a timer closes it as soon as it shows.
    void visitRulePage(int ruleButton) {
        tessaro::testing::whenModalOpens(screen_.get(), [](QWidget& page) { static_cast<QDialog&>(page).reject(); });
        click(ruleButton);
    }

    void click(int button) { screen_->template control<QPushButton>(button)->click(); }

    Screen& screen() { return *screen_; }

private:
    std::unique_ptr<Screen> screen_;
};

}  // namespace tessaro::soak
