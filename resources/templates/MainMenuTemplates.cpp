#include "Templates.h"

#include "ProgramInfo.h"

namespace tessaro::templates {
namespace {

using K = ControlKind;
using namespace style;

constexpr ControlTemplate kMainMenuControls[] = {
    {1000, K::PictureButton, "Üben", {223, 107, 65, 26}, DefaultButton | TabStop},
    {kCancelId, K::PushButton, "Beenden", {409, 253, 50, 16}, TabStop},
    {kNoId, K::StaticText, "Rechenregeln und Definitionen für komplexe Zahlen ansehen:", {31, 28, 155, 22}, 0},
    {1001, K::PictureButton, "Regeln", {193, 26, 66, 25}, DefaultButton | TabStop},
    {1002, K::RadioButton, "Addition und Subtraktion komplexer Zahlen üben", {45, 87, 171, 10}, 0},
    {1003, K::RadioButton, "Betrag einer komplexen Zahl bilden üben", {45, 109, 145, 10}, 0},
    {1004, K::RadioButton, "Multiplikation üben", {45, 127, 75, 10}, 0},
    {1005, K::RadioButton, "Division üben", {45, 149, 58, 10}, 0},
    {1006, K::PushButton, "über Tessaro", {409, 215, 50, 37}, MultiLine | TabStop},
    {kNoId, K::StaticText, "In dieser Version wird nur das Rechnen in kartesischer Form trainiert!",
     {37, 178, 153, 21}, AlignCenter},
    {kNoId, K::GroupBox, "Übungsmodus wählen und Rechnen trainieren", {31, 66, 269, 103}, 0},
    {kNoId, K::StaticText, kProgramName, {381, 121, 55, 8}, 0},
    {kNoId, K::StaticText, kVersionLine, {381, 132, 37, 8}, 0},
    {kNoId, K::StaticText, kAuthor, {381, 158, 54, 8}, 0},
    {kNoId, K::StaticText, kShortCopyright, {381, 171, 62, 8}, 0},
};

constexpr ControlTemplate kAboutControls[] = {
    {kNoId, K::StaticText, kNameAndVersion, {53, 19, 119, 8}, 0},
    {kNoId, K::StaticText, kCopyright, {53, 46, 119, 8}, 0},
    {kOkId, K::PushButton, "OK", {224, 100, 50, 16}, DefaultButton | TabStop | Group},
    {kNoId, K::StaticIcon, ":/icons/icon130.png", {17, 19, 21, 20}, 0},
    {kNoId, K::StaticText, "Dieses Programm ist Freeware", {55, 70, 98, 8}, 0},
    {kNoId, K::StaticText, kAuthor, {53, 30, 54, 8}, 0},
    {kNoId, K::StaticText, "Feedback bitte an:", {191, 7, 61, 8}, 0},
    {kNoId, K::StaticText, kFeedbackAddress, {191, 22, 83, 8}, 0},
    {kNoId, K::StaticText, "Homepage:", {191, 47, 38, 8}, 0},
    {kNoId, K::StaticText, kHomepage, {191, 61, 83, 8}, 0},
};

constexpr DialogTemplate kMainMenu{102, "Tessaro", 466, 276, FrameKind::MainWindow, kMainMenuControls};
constexpr DialogTemplate kAbout{100, "Info über Tessaro", 281, 123, FrameKind::Modal, kAboutControls};

}  // namespace

const DialogTemplate& mainMenu() { return kMainMenu; }
const DialogTemplate& about() { return kAbout; }

}  // namespace tessaro::templates
