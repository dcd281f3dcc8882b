#include "Templates.h"

namespace tessaro::templates {
namespace {

using K = ControlKind;
using namespace style;

constexpr ControlTemplate kFirstExerciseControls[] = {
    {1002, K::PictureButton, "Berechnen", {354, 87, 72, 31}, DefaultButton | Group | TabStop},
    {1001, K::Edit, "", {37, 92, 155, 22}, ReadOnly | AlignRight},
    {kOkId, K::PushButton, "Zurück zum Hauptmenü", {215, 239, 50, 28}, MultiLine | TabStop},
    {1012, K::Edit, "", {230, 92, 102, 17}, Border | TabStop},
    {1013, K::Edit, "", {247, 65, 124, 19}, ReadOnly},
    {1005, K::Edit, "", {46, 217, 92, 14}, AlignCenter},
    {1006, K::Edit, "", {46, 173, 40, 14}, AlignCenter},
    {1007, K::Edit, "", {98, 173, 40, 14}, AlignCenter},
    {kNoId, K::StaticText, "Richtig", {54, 161, 22, 8}, 0},
    {kNoId, K::StaticText, "Falsch", {103, 161, 21, 8}, 0},
    {kNoId, K::StaticText, "Prozentuale Auswertung", {52, 204, 80, 8}, 0},
    {kNoId, K::GroupBox, "AUSWERTUNG", {39, 137, 109, 117}, 0},
    {1015, K::PushButton, "neue Aufgabe", {37, 28, 56, 14}, Group | TabStop},
    {1009, K::PushButton, "Auswertung zurücksetzen", {158, 178, 50, 27}, MultiLine | TabStop},
    {1014, K::Edit, "", {165, 65, 82, 19}, ReadOnly | AlignCenter},
    {1028, K::PictureButton, "Rechenregel ansehen", {386, 7, 84, 28}, MultiLine | TabStop},
};

constexpr ControlTemplate kSecondExerciseControls[] = {
    {1021, K::PictureButton, "Berechnen", {292, 87, 74, 33}, DefaultButton},
    {kCancelId, K::PushButton, "Zurück zum Hauptmenü", {254, 288, 50, 27}, MultiLine},
    {1012, K::Edit, "", {153, 78, 36, 20}, Border | TabStop | Group},
    {1005, K::Edit, "", {419, 205, 92, 14}, AlignCenter},
    {1006, K::Edit, "", {419, 160, 40, 14}, AlignCenter},
    {1007, K::Edit, "", {471, 160, 40, 14}, AlignCenter},
    {kNoId, K::StaticText, "Richtig", {427, 149, 22, 8}, 0},
    {kNoId, K::StaticText, "Falsch", {479, 149, 21, 8}, 0},
    {kNoId, K::StaticText, "Prozentuale Auswertung", {425, 192, 80, 8}, 0},
    {kNoId, K::GroupBox, "AUSWERTUNG", {409, 128, 113, 117}, 0},
    {1010, K::PushButton, "neue Aufgabe", {21, 17, 54, 14}, Group},
    {1024, K::PushButton, "Auswertung zurücksetzen", {441, 258, 50, 27}, MultiLine},
    {1020, K::Edit, "", {188, 107, 36, 20}, Border | TabStop},
    {1013, K::Edit, "", {223, 79, 36, 20}, Border | TabStop},
    {1025, K::Edit, "", {31, 82, 72, 21}, ReadOnly | AlignCenter},
    {1026, K::Edit, "", {31, 109, 72, 21}, ReadOnly | AlignCenter},
    {1027, K::Edit, "", {42, 215, 106, 27}, ReadOnly},
    {1014, K::Edit, "", {167, 208, 44, 20}, ReadOnly | AlignRight | Group},
    {1022, K::Edit, "", {210, 237, 21, 20}, ReadOnly | AlignCenter},
    {1028, K::Edit, "", {38, 166, 106, 27}, ReadOnly},
    {1015, K::Edit, "", {213, 208, 57, 20}, ReadOnly | Group},
    {1029, K::PictureButton, "Rechenregel ansehen", {469, 7, 84, 28}, MultiLine},
};

constexpr DialogTemplate kFirstExercise{129, "Rechnen", 477, 274, FrameKind::Modal, kFirstExerciseControls};
constexpr DialogTemplate kSecondExercise{144, "Rechnen", 560, 322, FrameKind::Modal, kSecondExerciseControls};

}  // namespace

const DialogTemplate& firstExercise() { return kFirstExercise; }
const DialogTemplate& secondExercise() { return kSecondExercise; }

}  // namespace tessaro::templates
