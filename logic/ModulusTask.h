// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/ExerciseTask.h"

namespace tessaro {

// Draws a number whose modulus is a whole number: a Pythagorean pair or a
// purely real or purely imaginary one.
ExerciseTask makeModulusTask(RawValueSource& source);

}  // namespace tessaro
