#pragma once

#include <cstdio>
#include <cstdlib>

// Stays on in every build; aborting makes libFuzzer keep the input.
[[noreturn]] inline void fuzzCheckFailed(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            fuzzCheckFailed(#condition, __FILE__, __LINE__);                                                           \
    } while (false)
