#pragma once

#include "DialogTemplate.h"

#include <span>

namespace tessaro::templates {

const DialogTemplate& mainMenu();       // 102
const DialogTemplate& about();          // 100
const DialogTemplate& firstExercise();  // 129
const DialogTemplate& secondExercise(); // 144
const DialogTemplate& rulesMenu();      // 131
const DialogTemplate& pageIundJ();      // 134
const DialogTemplate& pageDefinition(); // 140
const DialogTemplate& pageModulus();    // 141
const DialogTemplate& pageAddition();   // 142
const DialogTemplate& pageMultiply();   // 143
const DialogTemplate& pageDivision();   // 147

std::span<const DialogTemplate* const> all();

}  // namespace tessaro::templates
