// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tessaro::soak {

// How many checks one soak run plays: TESSARO_SOAK_CHECKS, or 100,000 when it is unset.
int plannedChecks();

// What a student does besides answering, and how often: each happens before every n-th check.
inline constexpr int kNewTaskEvery = 37;
inline constexpr int kHugeAnswerEvery = 250;
inline constexpr int kResetEvery = 700;
inline constexpr int kReopenEvery = 500;
inline constexpr int kRulePageEvery = 1500;
// Paints and other queued events are handled this often, as an idle event loop would between keystrokes.
inline constexpr int kEventsEvery = 16;

// The check after which the memory in use is taken as the steady state: by then every kind of
// action has happened at least once.
int warmUpChecks(int plannedChecks);

// Whether something that happens every `every` checks happens before check `check` (counted from 0).
inline bool dueBefore(int check, int every) { return check > 0 && check % every == 0; }

}  // namespace tessaro::soak
