// Runs the registered cases (all, or those whose "suite.name" contains one of
// the arguments) and ends with the summary line "N passed, N failed".
#include "tests/e2e/e2e.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace e2e {

namespace {

struct Case {
    std::string name;
    CaseFn fn;
};

std::vector<Case>& Cases() {
    static std::vector<Case> cases;
    return cases;
}

}  // namespace

// KEYVANE_E2E_SUITE, when set, keeps the run to one suite (the setup's
// suites each need a Wine prefix of their own).
bool Selected(const std::string& name, int argc, char** argv) {
    const char* suite = std::getenv("KEYVANE_E2E_SUITE");
    if (suite != nullptr && name.rfind(std::string(suite) + ".", 0) != 0) {
        return false;
    }
    if (argc < 2) {
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (name.find(argv[i]) != std::string::npos) {
            return true;
        }
    }
    return false;
}

bool RegisterCase(const char* suite, const char* name, CaseFn fn) {
    Cases().push_back(Case{std::string(suite) + "." + name, fn});
    return true;
}

void Fail(const std::string& message, const char* file, int line) {
    throw Failure(std::string(file) + ":" + std::to_string(line) + ": " + message);
}

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool WaitFor(const std::function<bool()>& condition, unsigned timeoutMs) {
    const double deadline = NowMs() + timeoutMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (NowMs() >= deadline) {
            return false;
        }
        ::Sleep(5);
    }
}

std::string Hex(unsigned long value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%02lX", value);
    return text;
}

std::string Bracketed(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += "[" + line + "] ";
    }
    return text;
}

}  // namespace e2e

int main(int argc, char** argv) {
    int passed = 0;
    int failed = 0;
    for (const auto& c : e2e::Cases()) {
        if (!e2e::Selected(c.name, argc, argv)) {
            continue;
        }
        std::printf("[ RUN      ] %s\n", c.name.c_str());
        std::fflush(stdout);
        const double start = e2e::NowMs();
        try {
            c.fn();
            ++passed;
            std::printf("[       OK ] %s (%.0f ms)\n", c.name.c_str(), e2e::NowMs() - start);
        } catch (const std::exception& e) {
            ++failed;
            std::printf("%s\n[  FAILED  ] %s (%.0f ms)\n", e.what(), c.name.c_str(), e2e::NowMs() - start);
        }
        std::fflush(stdout);
    }
    std::printf("e2e: %d passed, %d failed\n", passed, failed);
    return failed == 0 && passed > 0 ? 0 : 1;
}
