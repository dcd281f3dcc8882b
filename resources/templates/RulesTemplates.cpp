#include "Templates.h"

namespace tessaro::templates {
namespace {

using K = ControlKind;
using namespace style;

constexpr ControlTemplate kRulesMenuControls[] = {
    {kOkId, K::PushButton, "Zurück zum Hauptmenü", {151, 299, 50, 28}, DefaultButton | MultiLine | TabStop},
    {kNoId, K::StaticText, "Der Geschichte von den i´s und j´s", {32, 33, 113, 8}, 0},
    {kNoId, K::StaticText, "Definition und Darstellung einer komplexen Zahl", {32, 55, 152, 8}, 0},
    {kNoId, K::StaticText, "Der Betrag einer komplexen Zahl", {32, 77, 105, 8}, 0},
    {kNoId, K::StaticText, "Addition und Subtraktion von komplexen Zahlen", {32, 99, 153, 8}, 0},
    {kNoId, K::StaticText, "Multiplikation von komplexen Zahlen", {32, 121, 115, 8}, 0},
    {1003, K::PushButton, "Ansehen!", {204, 31, 50, 14}, TabStop},
    {1004, K::PushButton, "Ansehen!", {204, 53, 50, 14}, TabStop},
    {1005, K::PushButton, "Ansehen!", {204, 75, 50, 14}, TabStop},
    {1006, K::PushButton, "Ansehen!", {204, 97, 50, 14}, TabStop},
    {1007, K::PushButton, "Ansehen!", {204, 119, 50, 14}, TabStop},
    {kNoId, K::StaticPicture, ":/pictures/portrait133.png", {128, 175, 0, 0}, 0},
    {1008, K::PushButton, "Ansehen!", {203, 142, 50, 14}, TabStop},
    {kNoId, K::StaticText, "Division von komplexen Zahlen", {32, 146, 98, 8}, 0},
};

constexpr ControlTemplate closingPageButton(int x, int y) {
    return {kOkId, K::PushButton, "Zurück", {x, y, 60, 31}, DefaultButton | MultiLine | TabStop};
}

constexpr ControlTemplate kIundJControls[] = {
    closingPageButton(206, 160),
    {kNoId, K::StaticPicture, ":/pictures/page135.png", {65, 23, 0, 0}, 0},
};
constexpr ControlTemplate kDefinitionControls[] = {
    closingPageButton(250, 271),
    {kNoId, K::StaticPicture, ":/pictures/page139.png", {102, 7, 0, 0}, 0},
};
constexpr ControlTemplate kModulusControls[] = {
    closingPageButton(207, 205),
    {kNoId, K::StaticPicture, ":/pictures/page136.png", {70, 30, 0, 0}, 0},
};
constexpr ControlTemplate kAdditionControls[] = {
    closingPageButton(215, 216),
    {kNoId, K::StaticPicture, ":/pictures/page137.png", {82, 37, 0, 0}, 0},
};
constexpr ControlTemplate kMultiplyControls[] = {
    closingPageButton(256, 208),
    {kNoId, K::StaticPicture, ":/pictures/page138.png", {123, 44, 0, 0}, 0},
};
constexpr ControlTemplate kDivisionControls[] = {
    {kCancelId, K::PushButton, "Zurück", {224, 285, 59, 24}, TabStop},
    {kNoId, K::StaticPicture, ":/pictures/page151.png", {73, 17, 0, 0}, 0},
};

constexpr DialogTemplate kRulesMenu{131, "Rechenregeln für komplexe Zahlen", 352, 334, FrameKind::Modal,
                                    kRulesMenuControls};
constexpr DialogTemplate kIundJ{134, "REGELN Die Geschichte von den i´s und j´s", 487, 198, FrameKind::Modal,
                                kIundJControls};
constexpr DialogTemplate kDefinition{140, "REGELN Definition und Darstellung", 561, 310, FrameKind::Modal,
                                     kDefinitionControls};
constexpr DialogTemplate kModulus{141, "REGELN Betrag", 475, 243, FrameKind::Modal, kModulusControls};
constexpr DialogTemplate kAddition{142, "REGELN Addition", 492, 254, FrameKind::Modal, kAdditionControls};
constexpr DialogTemplate kMultiply{143, "REGELN Multiplikation", 574, 246, FrameKind::Modal, kMultiplyControls};
constexpr DialogTemplate kDivision{147, "REGELN Division", 508, 316, FrameKind::Modal, kDivisionControls};

}  // namespace

const DialogTemplate& rulesMenu() { return kRulesMenu; }
const DialogTemplate& pageIundJ() { return kIundJ; }
const DialogTemplate& pageDefinition() { return kDefinition; }
const DialogTemplate& pageModulus() { return kModulus; }
const DialogTemplate& pageAddition() { return kAddition; }
const DialogTemplate& pageMultiply() { return kMultiply; }
const DialogTemplate& pageDivision() { return kDivision; }

}  // namespace tessaro::templates
