#include "tests/e2e/dispatch_fixture.h"

#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"

namespace e2e {

namespace {

const UINT g_keyCommand = ::RegisterWindowMessageA("KeyCommand");
constexpr char kStubStarted[] = "stub started ";
constexpr unsigned kStubGoneMs = 5000;

}  // namespace

DispatchSession::DispatchSession(const char* version) : KeyvaneProcess(version) {
    E2E_CHECK(WaitReady(), std::string("keyvane came up as ") + version);
    E2E_CHECK(Sync() >= 0, "keyvane runs its message loop");
    // Its start-up is over once the start-up picture, which lies over the
    // windows in the middle of the screen, has gone.
    E2E_CHECK(WaitStartupPictureGone(), "the start-up picture went");
}

void DispatchSession::Press(unsigned code) const {
    SendToView(g_keyCommand, 0, code);
}

std::vector<std::string> DispatchSession::LinesOfPress(unsigned code) const {
    const size_t from = Mark();
    Press(code);
    // Once the marker's line is in, every line the command wrote before it is too.
    E2E_CHECK(Sync() >= 0, "keyvane answers after the key");
    std::vector<std::string> lines;
    for (const std::string& line : LinesSince(from)) {
        if (line.rfind("keyvane: icon ", 0) != 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

PlantedProgram::PlantedProgram(std::string path) : m_path(std::move(path)) {
    if (!::CopyFileA((TestDirectory() + "e2e_stub_program.exe").c_str(), m_path.c_str(), FALSE)) {
        throw Failure("cannot plant a program at " + m_path);
    }
}

PlantedProgram::~PlantedProgram() {
    // The stub may still be ending; its file goes once it has.
    WaitFor([this] { return ::DeleteFileA(m_path.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND; }, kStubGoneMs);
}

std::optional<std::string> PlantedProgram::WaitStarted(size_t from, unsigned timeoutMs) const {
    const std::string prefix = kStubStarted + m_path + " with ";
    std::optional<std::string> commandLine;
    WaitFor(
        [&] {
            for (const DebugLine& line : Monitor().Lines(from)) {
                // The system may spell the path in another letter case.
                if (line.text.size() >= prefix.size() &&
                    ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, line.text.c_str(),
                                     static_cast<int>(prefix.size()), prefix.c_str(),
                                     static_cast<int>(prefix.size())) == CSTR_EQUAL) {
                    commandLine = line.text.substr(prefix.size());
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return commandLine;
}

ScratchFolder::ScratchFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    m_path = std::string(temp) + name + "\\";
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    ::RemoveDirectoryA(m_path.c_str());
}

CurrentDirectory::CurrentDirectory(const std::string& folder) {
    ::GetCurrentDirectoryA(sizeof m_saved, m_saved);
    if (!::SetCurrentDirectoryA(folder.c_str())) {
        throw Failure("cannot make " + folder + " the current directory");
    }
}

CurrentDirectory::~CurrentDirectory() {
    ::SetCurrentDirectoryA(m_saved);
}

}  // namespace e2e
