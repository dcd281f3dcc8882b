// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLineEdit;

namespace tessaro {

// The rule of an input a student types an answer into. A change that would make it longer than `limit` characters,
// typed, pasted or dropped, is refused whole: a maximum length would cut a pasted "-1500" to "-150", which might then
// be judged right. A line break or another control character, which a field shows as a blank, becomes a blank, so
// that the answer judged and worked through is the one the field shows.
void limitInput(QLineEdit& field, int limit);

}  // namespace tessaro
