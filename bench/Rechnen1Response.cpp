// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast the first exercise screen opens from the main menu, and how fast it answers "Berechnen".

#include "app/MainMenuDialog.h"
#include "app/TrainerApp.h"
#include "bench/BenchClock.h"
#include "bench/FirstPaintProbe.h"
#include "bench/RepaintWatch.h"
#include "dialogkit/ApplicationSetup.h"
#include "dialogkit/ProgramState.h"
#include "resources/templates/Rechnen1Template.h"
#include "screens/ExerciseModes.h"
#include "screens/Rechnen1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

using namespace tessaro;
using namespace tessaro::bench;

namespace {

constexpr int kChecks = 500;

// Right and wrong answers in turn: a right one draws and shows the next task, a wrong one shows the correction.
// A check takes from the click until the frame that shows its verdict has been painted; the part before that is
// the evaluation itself, and the rest is mostly Qt's wait before it repaints (5 ms by default).
void reportCheckTimes(Rechnen1& screen) {
    auto* answer = screen.control<QLineEdit>(rechnen1::AnswerField);
    auto* compute = screen.control<QPushButton>(rechnen1::ComputeButton);
    RepaintWatch repaints(screen);
    double evaluation = 0;
    double toFrame = 0;
    for (int check = 0; check < kChecks; ++check) {
        answer->setText(check % 2 == 0 ? QString::fromStdString(screen.task().fields.front().expected)
                                       : QStringLiteral("?"));
        repaints.waitForNextFrame();
        const double start = monotonicMilliseconds();
        compute->click();
        evaluation += monotonicMilliseconds() - start;
        repaints.waitForNextFrame();
        toFrame += monotonicMilliseconds() - start;
    }
    report("check_evaluation_ms", evaluation / kChecks);
    report("check_ms", toFrame / kChecks);
}

// As the main menu's "Üben" does it in the add/subtract mode.
void openFirstExerciseScreen() {
    programState().currentMode = ExerciseMode::AddSubtract;
    const double opening = monotonicMilliseconds();
    Rechnen1 screen(QApplication::activeModalWidget());
    new FirstPaintProbe(screen, [&screen, opening] {
        report("rechnen1_open_ms", monotonicMilliseconds() - opening);
        reportCheckTimes(screen);
        screen.done(0);
    });
    screen.exec();
}

// As "Üben" does it in the conversion to the polar form: the screen of the polar form, whose complex plane is drawn
// only after a check.
void openPolarScreen() {
    programState().currentMode = ExerciseMode::ToPolar;
    const double opening = monotonicMilliseconds();
    const std::unique_ptr<ExerciseScreen> screen =
        exerciseModeRow(ExerciseMode::ToPolar)->makeScreen(QApplication::activeModalWidget());
    new FirstPaintProbe(*screen, [&screen, opening] {
        report("rechnen3_open_ms", monotonicMilliseconds() - opening);
        screen->done(0);
    });
    screen->exec();
}

}  // namespace

int main(int argc, char** argv) {
    TrainerApp application(argc, argv);
    setUpApplication(application);
    MainMenuDialog mainMenu;
    new FirstPaintProbe(mainMenu, [&mainMenu] {
        openFirstExerciseScreen();
        openPolarScreen();
        mainMenu.done(0);
    });
    mainMenu.exec();
    return 0;
}
