// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/WorkedSolution.h"

namespace tessaro {

// The diagnosis of an answer in the cartesian form in words, as a teacher says it under the calculation; `result` is
// the right answer as the verdict shows it, written out where only the form was wrong.
std::vector<ExplanationLine> explainCartesian(const Diagnosis& diagnosis, const MathTerm& result);

}  // namespace tessaro
