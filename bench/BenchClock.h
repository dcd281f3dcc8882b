// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tessaro::bench {

// Milliseconds since the moment scripts/bench.sh took, right before it started this process, and handed over in
// TESSARO_BENCH_FIRST_PAINT as seconds since the epoch (bash's EPOCHREALTIME). So the figure covers loading the
// program and its libraries too. Exits with a message if the variable is missing.
double millisecondsSinceLaunch();

// A monotonic clock in milliseconds, for spans measured inside the process.
double monotonicMilliseconds();

// Prints one measurement as "name=value" on standard output, the form scripts/bench.sh reads.
void report(const char* name, double value);

}  // namespace tessaro::bench
