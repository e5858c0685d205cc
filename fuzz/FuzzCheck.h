#pragma once

#include <cstdio>
#include <cstdlib>

// A fuzz target's check: prints where it failed and aborts, which the fuzzer reports as a finding.
// It stays on in release builds, unlike assert.
#define FUZZ_CHECK(cond)                                                                  \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (false)
