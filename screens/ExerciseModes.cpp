// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/ExerciseModes.h"

#include "dialogkit/ProgramState.h"
#include "dialogkit/ScreenOpener.h"
#include "resources/templates/MainMenuTemplate.h"
#include "screens/Rechnen1.h"
#include "screens/Rechnen2.h"
#include "screens/Rechnen3.h"
#include "screens/RulePages.h"

#include <QApplication>

#include <algorithm>
#include <memory>

namespace tessaro {

namespace {

template <class Screen>
std::unique_ptr<ExerciseScreen> make(QWidget* parent) {
    return std::make_unique<Screen>(parent);
}

const std::vector<const char*> kFormHint = {
    QT_TRANSLATE_NOOP("ExerciseModes", "Eingabe muss in der Form x+jy, bzw. x-jy erfolgen,"),
    QT_TRANSLATE_NOOP("ExerciseModes", "also ohne jegliche Leerzeichen oder Klammern.")};

const std::vector<const char*> kPolarHint = {
    QT_TRANSLATE_NOOP("ExerciseModes", "Taschenrechner erlaubt. Den Betrag auf zwei"),
    QT_TRANSLATE_NOOP("ExerciseModes", "Nachkommastellen runden, den Winkel in Grad"),
    QT_TRANSLATE_NOOP("ExerciseModes", "(von -180° bis 180°) auf eine.")};

// clang-format off
const ExerciseModeRow kModes[] = {
    {ExerciseMode::AddSubtract, mainmenu::AddSubtractRadio, make<Rechnen1>,
     {{200, 40}, QT_TRANSLATE_NOOP("ExerciseModes", "Additions - / Subtraktions - Modus"), kFormHint}, {},
     openScreen<Addition>},
    {ExerciseMode::Modulus, mainmenu::ModulusRadio, make<Rechnen1>,
     {{250, 40}, QT_TRANSLATE_NOOP("ExerciseModes", "Betrags - Modus        "),
      {QT_TRANSLATE_NOOP("ExerciseModes", "Aus Grund der Berechenbarkeit ohne Taschenrechner"),
       QT_TRANSLATE_NOOP("ExerciseModes", "treten nur ganzzahlige Ergebnisse auf."),
       QT_TRANSLATE_NOOP("ExerciseModes", "Deshalb ist die Anzahl der möglichen Übungsaufgaben"),
       QT_TRANSLATE_NOOP("ExerciseModes", "dementsprechend beschränkt.")}}, {},
     openScreen<Betrag>},
    {ExerciseMode::Multiply, mainmenu::MultiplyRadio, make<Rechnen1>,
     {{250, 40}, QT_TRANSLATE_NOOP("ExerciseModes", "Multiplikations - Modus"), kFormHint}, {},
     openScreen<Multiplikatioin>},
    {ExerciseMode::Divide, mainmenu::DivideRadio, make<Rechnen2>,
     {{250, 40}, QT_TRANSLATE_NOOP("ExerciseModes", "Divisions - Modus"), {}},
     {QT_TRANSLATE_NOOP("ExerciseModes", "Die Antwort ist ein ungekürzter Bruch. Mit Tab geht es vom Realteil des "
                                         "Zählers zum Nenner und zum Imaginärteil des Zählers.")},
     openScreen<Division>},
    {ExerciseMode::ToPolar, mainmenu::ToPolarRadio, Rechnen3::polar,
     {{150, 40}, QT_TRANSLATE_NOOP("ExerciseModes", "Umrechnen in die Polarform"), kPolarHint}, {},
     openScreen<Polarform>},
    {ExerciseMode::ToCartesian, mainmenu::ToCartesianRadio, Rechnen3::cartesian,
     {{150, 40}, QT_TRANSLATE_NOOP("ExerciseModes", "Umrechnen in die kartesische Form"),
      {QT_TRANSLATE_NOOP("ExerciseModes", "Taschenrechner erlaubt. Eingabe als x+jy,"),
       QT_TRANSLATE_NOOP("ExerciseModes", "Realteil und Imaginärteil auf zwei"),
       QT_TRANSLATE_NOOP("ExerciseModes", "Nachkommastellen gerundet.")}}, {},
     openScreen<Polarform>},
    {ExerciseMode::PolarMultiplyDivide, mainmenu::PolarMultiplyDivideRadio, Rechnen3::polar,
     {{150, 40}, QT_TRANSLATE_NOOP("ExerciseModes", "Multiplikation und Division"), kPolarHint}, {},
     openScreen<Polarform>},
    {ExerciseMode::AddPhasors, mainmenu::AddPhasorsRadio, Rechnen3::polar,
     {{150, 40}, QT_TRANSLATE_NOOP("ExerciseModes", "Zeiger addieren"), kPolarHint}, {},
     openScreen<Polarform>},
};
// clang-format on

}  // namespace

std::span<const ExerciseModeRow> exerciseModes() { return kModes; }

QString translatedModeText(const char* text) { return QCoreApplication::translate("ExerciseModes", text); }

const ExerciseModeRow* exerciseModeRow(ExerciseMode mode) {
    const auto row = std::ranges::find(kModes, mode, &ExerciseModeRow::mode);
    return row == std::end(kModes) ? nullptr : row;
}

void openExerciseScreen() {
    if (const ExerciseModeRow* row = exerciseModeRow(programState().currentMode)) {
        const std::unique_ptr<ExerciseScreen> screen = row->makeScreen(QApplication::activeModalWidget());
        closeOnEarlyEscape(*screen);
        screen->exec();
    }
}

}  // namespace tessaro
