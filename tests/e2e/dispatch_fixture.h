// What the dispatcher's end-to-end cases share: keyvane started for one case
// with a key press, and stand-in programs planted where keyvane may look for them.
#pragma once

#include "tests/e2e/keyvane_process.h"

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// keyvane as the Windows release `version` runs it, up and ready.
class DispatchSession : public KeyvaneProcess {
public:
    explicit DispatchSession(const char* version);
    // Hands the key command code to the view as the hook library does; returns
    // once the command has run (its input may still be on its way).
    void Press(unsigned code) const;
    // Presses the key and returns the diagnostics lines the command wrote (the
    // tray icon's lines left out).
    std::vector<std::string> LinesOfPress(unsigned code) const;
};

// A copy of the stub program at `path`, removed when the case ends.
class PlantedProgram {
public:
    explicit PlantedProgram(std::string path);
    ~PlantedProgram();
    PlantedProgram(const PlantedProgram&) = delete;
    PlantedProgram& operator=(const PlantedProgram&) = delete;

    // The command line of the first start of this copy reported at or after
    // diagnostics line `from`, or nothing after `timeoutMs`.
    std::optional<std::string> WaitStarted(size_t from, unsigned timeoutMs = 5000) const;

private:
    std::string m_path;
};

// A folder made for one case and removed when it ends (what the case put
// there must be gone by then).
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, ending in a backslash.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// Makes `folder` the test program's current directory until the scope ends;
// the programs it starts meanwhile start there.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string& folder);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    char m_saved[MAX_PATH] = {};
};

}  // namespace e2e
