// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/WorkedSolution.h"

#include <string>
#include <string_view>

namespace tessaro {

// The logic writes decimals with a point; a screen shows them with its language's mark: the comma in German, the
// point in English. Only a point between two digits is a decimal point.
std::string withDecimalMark(std::string_view text, char mark);
MathTerm withDecimalMark(MathTerm term, char mark);
// Every number of a worked solution but the answer as typed, which stays as the student typed it.
WorkedSolution withDecimalMark(WorkedSolution solution, char mark);

}  // namespace tessaro
