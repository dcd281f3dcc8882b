// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast the page "Lösungsweg" opens after a wrong answer: from the press of the button, through working the task
// out and laying the page out, to the page's first painted frame. Each mode's screen is opened from the main menu,
// answered wrongly and asked for the page several times.

#include "app/MainMenuDialog.h"
#include "app/TrainerApp.h"
#include "bench/BenchClock.h"
#include "bench/FirstPaintProbe.h"
#include "dialogkit/ApplicationSetup.h"
#include "dialogkit/ProgramState.h"
#include "screens/ExerciseModes.h"
#include "screens/ExerciseScreen.h"
#include "screens/Loesungsweg.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

using namespace tessaro;
using namespace tessaro::bench;

namespace {

constexpr int kOpeningsPerMode = 10;

// Attaches a first-paint probe to every page "Lösungsweg" as it is shown; the probe reports the time since the
// press and closes the page.
class PageWatch : public QObject {
public:
    double pressed = 0;
    double total = 0;
    int openings = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<Loesungsweg*>(watched)) {
            auto* page = static_cast<Loesungsweg*>(watched);
            new FirstPaintProbe(*page, [this, page] {
                total += monotonicMilliseconds() - pressed;
                ++openings;
                page->done(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

void openPages(const ExerciseModeRow& row, PageWatch& watch) {
    programState().currentMode = row.mode;
    const std::unique_ptr<ExerciseScreen> screen = row.makeScreen(QApplication::activeModalWidget());
    new FirstPaintProbe(*screen, [&screen, &watch] {
        screen->evaluateAnswer();  // every input is empty: a wrong answer
        auto* button = screen->control<QPushButton>(screen->controls().workedSolution);
        for (int i = 0; i < kOpeningsPerMode; ++i) {
            watch.pressed = monotonicMilliseconds();
            button->click();
        }
        screen->done(0);
    });
    screen->exec();
}

}  // namespace

int main(int argc, char** argv) {
    TrainerApp application(argc, argv);
    setUpApplication(application);
    PageWatch watch;
    application.installEventFilter(&watch);
    MainMenuDialog mainMenu;
    new FirstPaintProbe(mainMenu, [&mainMenu, &watch] {
        for (const ExerciseModeRow& row : exerciseModes())
            openPages(row, watch);
        report("loesungsweg_open_ms", watch.total / watch.openings);
        mainMenu.done(0);
    });
    mainMenu.exec();
    return 0;
}
