// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define TESSARO_UNDER_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSARO_UNDER_ADDRESS_SANITIZER 1
#endif
#endif

namespace tessaro::soak {

// The process's resident set size in bytes, from /proc/self/statm.
std::size_t residentBytes();

inline constexpr std::size_t kMiB = 1024 * 1024;

// AddressSanitizer holds freed memory back in quarantine, so the resident size grows by design under
// it; its leak checker watches the memory there instead.
#ifdef TESSARO_UNDER_ADDRESS_SANITIZER
inline constexpr bool kFreedMemoryQuarantined = true;
#else
inline constexpr bool kFreedMemoryQuarantined = false;
#endif

// Fails the current test if the resident size grew by more than 8 MiB from the steady state to the end of the
// run, and records both sizes in the test's output.
void expectFlatMemory(std::size_t steadyBytes, std::size_t finalBytes);

}  // namespace tessaro::soak
