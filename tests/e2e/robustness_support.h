// What the robustness cases share: the key log road driven as the filter
// driver drives it, the program's memory seen from outside, and a sweep that
// ends whatever the program started during a case.
#pragma once

#include "tests/e2e/keyvane_process.h"
#include "tools/key_log_file.h"

#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace e2e {

// The key log at its fixed place, absent before the case and after it.
class KeyLogRoad {
public:
    KeyLogRoad();
    ~KeyLogRoad();
    KeyLogRoad(const KeyLogRoad&) = delete;
    KeyLogRoad& operator=(const KeyLogRoad&) = delete;

    static const char* Path();
    // Starts the key log afresh at `slot` and waits until the poll thread of
    // `keyvane` has taken its place there.
    void StartFresh(const KeyvaneProcess& keyvane, int slot = 1);
    // Writes the records as the driver does (at most 18 at once: 19 would bring
    // the header round to the slot the reader stands on, which looks like no key).
    void Write(const std::vector<std::uint32_t>& reportCodes);

private:
    CKeyLogFile m_file;
};

// How many lines of `keyvane` from index `from` on contain `text`.
size_t CountLines(const KeyvaneProcess& keyvane, size_t from, const std::string& text);
// Waits until `count` such lines have arrived.
bool WaitForLines(const KeyvaneProcess& keyvane, size_t from, const std::string& text, size_t count,
                  unsigned timeoutMs);

// The working set of process `pid` in bytes, 0 when it cannot be read.
size_t WorkingSetBytes(DWORD pid);

// The ids of the running processes whose program file is named `exeName`
// (any letter case); all processes for an empty name.
std::set<DWORD> ProcessesNamed(const std::string& exeName);

// Notes the processes and the visible top-level windows of other processes
// that exist now; when it ends, closes the windows and ends the processes
// that came since, but for `keep`: what a case's commands started.
class LeftoverSweep {
public:
    explicit LeftoverSweep(std::set<DWORD> keep = {});
    ~LeftoverSweep();
    LeftoverSweep(const LeftoverSweep&) = delete;
    LeftoverSweep& operator=(const LeftoverSweep&) = delete;

    // Does the sweep now; the program files of the processes it had to end.
    std::vector<std::string> Sweep();
    void Keep(DWORD pid) { m_keep.insert(pid); }

private:
    std::set<DWORD> m_processes;
    std::set<HWND> m_windows;
    std::set<DWORD> m_keep;
};

}  // namespace e2e
