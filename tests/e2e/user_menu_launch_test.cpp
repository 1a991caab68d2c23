// What the user menu starts: a stored shortcut, and the help file beside the program.
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/registry_fixture.h"

#include <cctype>
#include <fstream>
#include <utility>

using e2e::KeyvaneProcess;

namespace {

constexpr UINT kShortCut1 = 32786;
constexpr UINT kHelp = 57670;

// The current folder the stub reported after diagnostics line `from`.
std::string StubFolder(size_t from) {
    const std::string prefix = "stub current folder ";
    std::string folder;
    e2e::WaitFor(
        [&] {
            for (const e2e::DebugLine& line : e2e::Monitor().Lines(from)) {
                if (line.text.rfind(prefix, 0) == 0) {
                    folder = line.text.substr(prefix.size());
                    return true;
                }
            }
            return false;
        },
        5000);
    return folder;
}

// Makes the shell open ".chm" files with `program` while it lives (Wine takes
// its file types from the machine's classes).
class ChmHandler {
public:
    explicit ChmHandler(const std::string& program)
        : m_extension(HKEY_LOCAL_MACHINE, "Software\\Classes\\.chm", ""),
          m_handler(HKEY_LOCAL_MACHINE, "Software\\Classes\\Keyvane.TestHelp") {
        m_extension.Set("Keyvane.TestHelp");
        m_handler.CreateSubkey("shell\\open\\command");
        e2e::WriteRawValue(HKEY_LOCAL_MACHINE, m_handler.Path() + "\\shell\\open\\command", "", REG_SZ,
                           "\"" + program + "\" \"%1\"" + '\0');
    }

private:
    e2e::ValueOverride m_extension;
    e2e::ScratchKey m_handler;
};

// An empty help file beside the program for one case.
struct HelpFile {
    explicit HelpFile(std::string file) : path(std::move(file)) { std::ofstream(path).put('\n'); }
    ~HelpFile() { ::DeleteFileA(path.c_str()); }
    HelpFile(const HelpFile&) = delete;
    HelpFile& operator=(const HelpFile&) = delete;
    std::string path;
};

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

E2E_CASE(UserMenu, ShortcutStartsItsProgramWithParametersInItsFolder) {
    const e2e::ScratchFolder folder("keyvane tools");
    const std::string program = folder.Path() + "tool.exe";
    const e2e::PlantedProgram tool(program);
    const e2e::ScratchKey settings(HKEY_LOCAL_MACHINE, "Software\\Corvale");
    settings.Write("ShortCut1Path", REG_SZ, program + " -x" + '\0');
    KeyvaneProcess& keyvane = e2e::SharedKeyvane("winxp");
    const size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), WM_COMMAND, kShortCut1, 0);
    const auto commandLine = tool.WaitStarted(from);
    E2E_CHECK(commandLine.has_value(), "the shortcut's program started");
    E2E_CHECK(commandLine->size() >= 3 && commandLine->compare(commandLine->size() - 3, 3, " -x") == 0,
              "with the parameters -x: " + *commandLine);
    const std::string started = StubFolder(from);
    E2E_CHECK(::lstrcmpiA((started + "\\").c_str(), folder.Path().c_str()) == 0,
              "in the program's own folder, not " + started);
}

E2E_CASE(UserMenu, HelpOpensTheHelpFileBesideTheProgramWhateverTheCurrentFolder) {
    const e2e::ScratchFolder elsewhere("keyvane elsewhere");
    const e2e::ScratchFolder viewer("keyvane viewer");
    const e2e::PlantedProgram helpViewer(viewer.Path() + "viewer.exe");
    const ChmHandler handler(viewer.Path() + "viewer.exe");
    const HelpFile help(e2e::TestDirectory() + "help.chm");
    // keyvane starts with another current folder than its own.
    const e2e::CurrentDirectory current(elsewhere.Path());
    KeyvaneProcess keyvane("winxp");
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    const size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), WM_COMMAND, kHelp, 0);
    const auto commandLine = helpViewer.WaitStarted(from);
    E2E_CHECK(commandLine.has_value(), "the help viewer started");
    E2E_CHECK(Lower(*commandLine).find(Lower(help.path)) != std::string::npos,
              "on the help file beside the program: " + *commandLine);
}
