// Writes a key log file the way the keyboard's filter driver does, for the
// key log writer and the latency benchmark.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CKeyLogFile {
public:
    explicit CKeyLogFile(std::string path) : m_strPath(std::move(path)) {}

    // Starts the key log afresh: every slot empty, the header at `slot` (1-19).
    bool Create(int slot);

    // Writes one record per report code, in order, each into the slot after
    // the header's, and advances the header past it. A missing key log, or a
    // file not in the driver's layout, is started afresh with these records
    // already in it, written at once; `startedAfresh` then says so.
    bool Press(const std::vector<std::uint32_t>& reportCodes, bool* startedAfresh = nullptr);

    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};
