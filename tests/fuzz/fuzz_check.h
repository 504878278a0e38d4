#pragma once

// A broken property ends the run with its message; libFuzzer keeps the input that did it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                      \
    do {                                                                           \
        if (!(condition)) {                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__,  \
                         #condition);                                              \
            std::abort();                                                          \
        }                                                                          \
    } while (false)
