// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/TemplateDialog.h"
#include "logic/ExerciseMode.h"

class QMenu;

namespace tessaro {

// The hub of the program: choose an exercise mode, practise it, read the rules or the about box.
class MainMenuDialog : public TemplateDialog {
    Q_OBJECT
public:
    explicit MainMenuDialog(QWidget* parent = nullptr);

    QMenu* systemMenu() const { return systemMenu_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void bindModeButton(int id, ExerciseMode mode);
    void createSystemMenu();
    void practise();

    QMenu* systemMenu_ = nullptr;
};

}  // namespace tessaro
