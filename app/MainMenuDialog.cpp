// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainMenuDialog.h"

#include "app/AboutDialog.h"
#include "dialogkit/PictureButtonSetup.h"
#include "dialogkit/ProgramState.h"
#include "dialogkit/ScreenOpener.h"
#include "resources/templates/MainMenuTemplate.h"
#include "screens/ExerciseModes.h"
#include "screens/RulesMenu.h"
#include "widgets/PictureButton.h"
#include "widgets/PngResource.h"
#include "widgets/RadioGroup.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <ctime>

namespace tessaro {

MainMenuDialog::MainMenuDialog(QWidget* parent) : TemplateDialog(mainmenu::dialogTemplate(), parent) {
    setWindowIcon(pngResourceIcon(QStringLiteral(":/icons/icon130.png")));
    setUpPictureButton(*control<PictureButton>(mainmenu::RulesButton), 150, QColor(204, 255, 255));
    setUpPictureButton(*control<PictureButton>(mainmenu::PractiseButton), 152, QColor(250, 255, 204));
    // Every mode's radio joins one group, whichever box frames it, so that a keyboard chooses among all of them.
    auto* modes = new RadioGroup(this);
    for (const ExerciseModeRow& row : exerciseModes()) {
        auto* radio = control<QRadioButton>(row.menuRadio);
        modes->addRadio(radio);
        connect(radio, &QRadioButton::clicked, this, [mode = row.mode] { programState().currentMode = mode; });
    }
    connect(control<QPushButton>(mainmenu::PractiseButton), &QPushButton::clicked, this, &MainMenuDialog::practise);
    connect(control<QPushButton>(mainmenu::RulesButton), &QPushButton::clicked, this,
            [this] { openAndReturn(openScreen<Regeln>); });
    connect(control<QPushButton>(mainmenu::AboutButton), &QPushButton::clicked, this,
            [this] { openAndReturn(openScreen<AboutDialog>); });
    createSystemMenu();
}

// Window managers on Linux take no entries of a program, so the menu of the window is our own.
void MainMenuDialog::createSystemMenu() {
    systemMenu_ = new QMenu(this);
    systemMenu_->addAction(tr("Minimieren"), this, &QWidget::showMinimized);
    systemMenu_->addAction(tr("Schließen"), this, &QDialog::reject);
    systemMenu_->addSeparator();
    systemMenu_->addAction(tr("&Info über Tessaro..."), this, [this] { openAndReturn(openScreen<AboutDialog>); });

    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(shortcut, &QShortcut::activated, this, [this] { systemMenu_->popup(mapToGlobal(QPoint(0, 0))); });
}

void MainMenuDialog::contextMenuEvent(QContextMenuEvent* event) { systemMenu_->popup(event->globalPos()); }

void MainMenuDialog::showEvent(QShowEvent* event) {
    TemplateDialog::showEvent(event);
    startAfresh();
}

void MainMenuDialog::startAfresh() {
    ProgramState& state = programState();
    state.random.seed(static_cast<std::uint32_t>(std::time(nullptr)));
    if (state.currentMode == ExerciseMode::None)
        state.tally.reset();
}

void MainMenuDialog::openAndReturn(void (*open)()) {
    open();
    startAfresh();
}

void MainMenuDialog::practise() {
    if (exerciseModeRow(programState().currentMode)) {
        openAndReturn(openExerciseScreen);
        return;
    }
    QMessageBox refusal(QMessageBox::Critical, QApplication::applicationName(), tr("Kein Übungsmodus gewählt!!"),
                        QMessageBox::Ok, this);
    refusal.exec();
}

}  // namespace tessaro
