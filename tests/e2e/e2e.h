// A small end-to-end test runner for programs under Wine: cases register
// themselves, a failed check ends its case with a message, and waits poll
// their condition until a deadline instead of sleeping a fixed time.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

using CaseFn = void (*)();

// Registers a case; used through E2E_CASE.
bool RegisterCase(const char* suite, const char* name, CaseFn fn);

[[noreturn]] void Fail(const std::string& message, const char* file, int line);

// Polls `condition` every few milliseconds until it holds or `timeoutMs` passes.
bool WaitFor(const std::function<bool()>& condition, unsigned timeoutMs);

// Milliseconds from a fixed start, with sub-millisecond resolution.
double NowMs();

std::string Hex(unsigned long value);

// Lines in a failure's message, each in brackets: "[a] [b] ".
std::string Bracketed(const std::vector<std::string>& lines);

}  // namespace e2e

#define E2E_CASE(suite, name)                                                            \
    static void suite##_##name();                                                        \
    static const bool suite##_##name##_registered = ::e2e::RegisterCase(#suite, #name, &suite##_##name); \
    static void suite##_##name()

#define E2E_CHECK(condition, message)                                      \
    do {                                                                   \
        if (!(condition)) {                                                \
            ::e2e::Fail(std::string(#condition) + ": " + (message), __FILE__, __LINE__); \
        }                                                                  \
    } while (0)

#define E2E_CHECK_EQ(actual, expected, message)                                                  \
    do {                                                                                         \
        const auto actualValue = (actual);                                                       \
        const auto expectedValue = (expected);                                                   \
        if (!(actualValue == expectedValue)) {                                                   \
            ::e2e::Fail(std::string(#actual " == " #expected ": ") + (message) + " (got " +      \
                            std::to_string(actualValue) + ", expected " + std::to_string(expectedValue) + ")", \
                        __FILE__, __LINE__);                                                     \
        }                                                                                        \
    } while (0)
