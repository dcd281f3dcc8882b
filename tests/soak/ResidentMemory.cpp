// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResidentMemory.h"

#include <gtest/gtest.h>

#include <fstream>

#include <unistd.h>

namespace tessaro::soak {

std::size_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t totalPages = 0;
    std::size_t residentPages = 0;
    statm >> totalPages >> residentPages;
    return residentPages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

void expectFlatMemory(std::size_t steadyBytes, std::size_t finalBytes) {
    ::testing::Test::RecordProperty("steady_resident_kib", std::to_string(steadyBytes / 1024));
    ::testing::Test::RecordProperty("final_resident_kib", std::to_string(finalBytes / 1024));
    if (kFreedMemoryQuarantined)
        return;
    EXPECT_LE(finalBytes, steadyBytes + 8 * kMiB)
        << "the resident size grew from " << steadyBytes / kMiB << " MiB to " << finalBytes / kMiB << " MiB";
}

}  // namespace tessaro::soak
