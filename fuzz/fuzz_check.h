#pragma once

// What the fuzz targets share: a check that stops the run with a message when a
// property does not hold, so that libFuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace corrolab::fuzz {

[[noreturn]] inline void Fail(const char* file, int line, const char* what)
{
    std::fprintf(stderr, "\n%s:%d: property does not hold: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

// True when a display text spells out infinity or not-a-number in any letter case.
inline bool ShowsNonFinite(std::string_view text)
{
    for (size_t i = 0; i + 3 <= text.size(); ++i) {
        const auto lower = [&](size_t k) { return static_cast<char>(text[i + k] | 0x20); };
        const bool inf = lower(0) == 'i' && lower(1) == 'n' && lower(2) == 'f';
        const bool nan = lower(0) == 'n' && lower(1) == 'a' && lower(2) == 'n';
        if (inf || nan)
            return true;
    }
    return false;
}

} // namespace corrolab::fuzz

// Checks a property of the code under test; not compiled away in release builds.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::corrolab::fuzz::Fail(__FILE__, __LINE__, #condition);                                \
    } while (false)
