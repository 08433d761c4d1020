#pragma once

#include <gtest/gtest.h>

// File systems differ in what names mean and what an open file allows: such a test runs where
// its rule holds and is skipped elsewhere.
#ifdef _WIN32
inline constexpr bool kOnWindows = true;
#else
inline constexpr bool kOnWindows = false;
#endif

#define ONLY_ON_WINDOWS()                                                                          \
    do {                                                                                           \
        if (!kOnWindows) {                                                                         \
            GTEST_SKIP() << "a rule of Windows";                                                   \
        }                                                                                          \
    } while (false)

#define NOT_ON_WINDOWS()                                                                           \
    do {                                                                                           \
        if (kOnWindows) {                                                                          \
            GTEST_SKIP() << "a rule of POSIX systems";                                             \
        }                                                                                          \
    } while (false)
