// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/BenchClock.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tessaro::bench {

namespace {

double secondsSinceEpoch(std::chrono::system_clock::time_point at) {
    return std::chrono::duration<double>(at.time_since_epoch()).count();
}

// EPOCHREALTIME is written with the locale's decimal separator, so a comma is read as a point.
double launchSeconds() {
    const char* given = std::getenv("TESSARO_BENCH_FIRST_PAINT");
    if (!given || !*given) {
        std::fprintf(stderr, "TESSARO_BENCH_FIRST_PAINT is not set: run this through scripts/bench.sh\n");
        std::exit(2);
    }
    std::string text = given;
    for (char& c : text)
        if (c == ',')
            c = '.';
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace

double millisecondsSinceLaunch() {
    return (secondsSinceEpoch(std::chrono::system_clock::now()) - launchSeconds()) * 1000.0;
}

double monotonicMilliseconds() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void report(const char* name, double value) {
    std::printf("%s=%.3f\n", name, value);
    std::fflush(stdout);
}

}  // namespace tessaro::bench
