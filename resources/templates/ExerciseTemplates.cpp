#include "Templates.h"

namespace tessaro::templates {
namespace {

using K = ControlKind;
using namespace style;

constexpr ControlTemplate kFirstExerciseControls[] = {
    {1002, K::PictureButton, "Berechnen", {354, 87, 72, 31}, DefaultButton | Group | TabStop},
    {1001, K::Edit, "", {37, 92, 155, 22}, ReadOnly | AlignRight, "Aufgabe"},
    {kOkId, K::PushButton, "Zurück zum Hauptmenü", {215, 239, 50, 28}, MultiLine | TabStop},
    {1012, K::Edit, "", {230, 92, 102, 17}, Border | TabStop, "Ergebnis"},
    {1013, K::Edit, "", {247, 65, 124, 19}, ReadOnly, "Meldung bei falscher Antwort"},
    {1005, K::Edit, "", {46, 217, 92, 14}, AlignCenter, "Prozentuale Auswertung"},
    {1006, K::Edit, "", {46, 173, 40, 14}, AlignCenter, "Richtig"},
    {1007, K::Edit, "", {98, 173, 40, 14}, AlignCenter, "Falsch"},
    {kNoId, K::StaticText, "Richtig", {54, 161, 22, 8}, 0},
    {kNoId, K::StaticText, "Falsch", {103, 161, 21, 8}, 0},
    {kNoId, K::StaticText, "Prozentuale Auswertung", {52, 204, 80, 8}, 0},
    {kNoId, K::GroupBox, "AUSWERTUNG", {39, 137, 109, 117}, 0},
    {1015, K::PushButton, "neue Aufgabe", {37, 28, 56, 14}, Group | TabStop},
    {1009, K::PushButton, "Auswertung zurücksetzen", {158, 178, 50, 27}, MultiLine | TabStop},
    {1014, K::Edit, "", {165, 65, 82, 19}, ReadOnly | AlignCenter, "Meldung bei richtiger Antwort"},
    {1028, K::PictureButton, "Rechenregel ansehen", {386, 7, 84, 28}, MultiLine | TabStop},
};

constexpr ControlTemplate kSecondExerciseControls[] = {
    {1021, K::PictureButton, "Berechnen", {292, 87, 74, 33}, DefaultButton},
    {kCancelId, K::PushButton, "Zurück zum Hauptmenü", {254, 288, 50, 27}, MultiLine},
    {1012, K::Edit, "", {153, 78, 36, 20}, Border | TabStop | Group, "Realteil des Zählers"},
    {1005, K::Edit, "", {419, 205, 92, 14}, AlignCenter, "Prozentuale Auswertung"},
    {1006, K::Edit, "", {419, 160, 40, 14}, AlignCenter, "Richtig"},
    {1007, K::Edit, "", {471, 160, 40, 14}, AlignCenter, "Falsch"},
    {kNoId, K::StaticText, "Richtig", {427, 149, 22, 8}, 0},
    {kNoId, K::StaticText, "Falsch", {479, 149, 21, 8}, 0},
    {kNoId, K::StaticText, "Prozentuale Auswertung", {425, 192, 80, 8}, 0},
    {kNoId, K::GroupBox, "AUSWERTUNG", {409, 128, 113, 117}, 0},
    {1010, K::PushButton, "neue Aufgabe", {21, 17, 54, 14}, Group},
    {1024, K::PushButton, "Auswertung zurücksetzen", {441, 258, 50, 27}, MultiLine},
    {1020, K::Edit, "", {188, 107, 36, 20}, Border | TabStop, "Nenner"},
    {1013, K::Edit, "", {223, 79, 36, 20}, Border | TabStop, "Imaginärteil des Zählers"},
    {1025, K::Edit, "", {31, 82, 72, 21}, ReadOnly | AlignCenter, "Dividend"},
    {1026, K::Edit, "", {31, 109, 72, 21}, ReadOnly | AlignCenter, "Divisor"},
    {1027, K::Edit, "", {42, 215, 106, 27}, ReadOnly, "Meldung bei falscher Antwort"},
    {1014, K::Edit, "", {167, 208, 44, 20}, ReadOnly | AlignRight | Group, "Richtiger Realteil des Zählers"},
    {1022, K::Edit, "", {210, 237, 21, 20}, ReadOnly | AlignCenter, "Richtiger Nenner"},
    {1028, K::Edit, "", {38, 166, 106, 27}, ReadOnly, "Meldung bei richtiger Antwort"},
    {1015, K::Edit, "", {213, 208, 57, 20}, ReadOnly | Group, "Richtiger Imaginärteil des Zählers"},
    {1029, K::PictureButton, "Rechenregel ansehen", {469, 7, 84, 28}, MultiLine},
};

constexpr DialogTemplate kFirstExercise{129, "Rechnen", 477, 274, FrameKind::Modal, kFirstExerciseControls};
constexpr DialogTemplate kSecondExercise{144, "Rechnen", 560, 322, FrameKind::Modal, kSecondExerciseControls};

}  // namespace

const DialogTemplate& firstExercise() { return kFirstExercise; }
const DialogTemplate& secondExercise() { return kSecondExercise; }

}  // namespace tessaro::templates
