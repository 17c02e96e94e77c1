#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

// A property that must hold for every input. A broken one aborts like a crash, so that
// libFuzzer keeps the input that broke it and scripts/test fails.
#define FUZZ_CHECK(condition, what)                                                        \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "property broken: %s\n  (%s) at %s:%d\n", what, #condition, \
                         __FILE__, __LINE__);                                              \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

// Whether text lies inside the input: the parsers hand out pieces of what they were given,
// never bytes from elsewhere.
inline bool IsPartOf(const std::string& text, const std::string& input)
{
    return input.find(text) != std::string::npos;
}
