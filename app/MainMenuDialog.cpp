// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainMenuDialog.h"

#include "app/AboutDialog.h"
#include "dialogkit/PictureButtonSetup.h"
#include "dialogkit/ProgramState.h"
#include "dialogkit/ScreenOpener.h"
#include "resources/templates/MainMenuTemplate.h"
#include "screens/Rechnen1.h"
#include "screens/Rechnen2.h"
#include "screens/RulesMenu.h"
#include "widgets/PictureButton.h"

#include <QContextMenuEvent>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <ctime>

namespace tessaro {

MainMenuDialog::MainMenuDialog(QWidget* parent) : TemplateDialog(mainmenu::dialogTemplate(), parent) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/icon130.png")));
    setUpPictureButton(*control<PictureButton>(mainmenu::RulesButton), 150, QColor(204, 255, 255));
    setUpPictureButton(*control<PictureButton>(mainmenu::PractiseButton), 152, QColor(250, 255, 204));
    bindModeButton(mainmenu::AddSubtractRadio, ExerciseMode::AddSubtract);
    bindModeButton(mainmenu::ModulusRadio, ExerciseMode::Modulus);
    bindModeButton(mainmenu::MultiplyRadio, ExerciseMode::Multiply);
    bindModeButton(mainmenu::DivideRadio, ExerciseMode::Divide);
    connect(control<QPushButton>(mainmenu::PractiseButton), &QPushButton::clicked, this, &MainMenuDialog::practise);
    connect(control<QPushButton>(mainmenu::RulesButton), &QPushButton::clicked, this, [] { openScreen<Regeln>(); });
    connect(control<QPushButton>(mainmenu::AboutButton), &QPushButton::clicked, this,
            [] { openScreen<AboutDialog>(); });
    createSystemMenu();
}

void MainMenuDialog::bindModeButton(int id, ExerciseMode mode) {
    connect(control<QRadioButton>(id), &QRadioButton::clicked, this, [mode] { programState().currentMode = mode; });
}

// Window managers on Linux take no entries of a program, so the menu of the window is our own.
void MainMenuDialog::createSystemMenu() {
    systemMenu_ = new QMenu(this);
    systemMenu_->addAction(tr("Minimieren"), this, &QWidget::showMinimized);
    systemMenu_->addAction(tr("Schließen"), this, &QDialog::reject);
    systemMenu_->addSeparator();
    systemMenu_->addAction(tr("&Info über Tessaro..."), this, [] { openScreen<AboutDialog>(); });

    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(shortcut, &QShortcut::activated, this, [this] { systemMenu_->popup(mapToGlobal(QPoint(0, 0))); });
}

void MainMenuDialog::contextMenuEvent(QContextMenuEvent* event) { systemMenu_->popup(event->globalPos()); }

void MainMenuDialog::paintEvent(QPaintEvent* event) {
    TemplateDialog::paintEvent(event);
    ProgramState& state = programState();
    state.random.seed(static_cast<std::uint32_t>(std::time(nullptr)));
    if (state.currentMode == ExerciseMode::None)
        state.tally.reset();
}

void MainMenuDialog::practise() {
    ProgramState& state = programState();
    switch (state.currentMode) {
    case ExerciseMode::AddSubtract:
    case ExerciseMode::Modulus:
    case ExerciseMode::Multiply:
        openScreen<Rechnen1>();
        state.firstTaskShown = false;
        break;
    case ExerciseMode::Divide:
        openScreen<Rechnen2>();
        state.firstTaskShown = false;
        break;
    case ExerciseMode::None: {
        QMessageBox refusal(QMessageBox::Critical, QApplication::applicationName(), tr("Kein Übungsmodus gewählt!!"),
                            QMessageBox::Ok, this);
        refusal.exec();
        break;
    }
    }
}

}  // namespace tessaro
