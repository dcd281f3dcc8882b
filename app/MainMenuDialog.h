// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/TemplateDialog.h"

class QMenu;

namespace tessaro {

// The hub of the program: choose an exercise mode, practise it, read the rules or the about box.
class MainMenuDialog : public TemplateDialog {
    Q_OBJECT
public:
    explicit MainMenuDialog(QWidget* parent = nullptr);

    QMenu* systemMenu() const { return systemMenu_; }

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createSystemMenu();
    // Seeds the random source from the clock, and resets the tally while no mode is chosen: whenever the menu is
    // shown, and again when a screen opened from it has closed.
    void startAfresh();
    void openAndReturn(void (*open)());
    void practise();

    QMenu* systemMenu_ = nullptr;
};

}  // namespace tessaro
