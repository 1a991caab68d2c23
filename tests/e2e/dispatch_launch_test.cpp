// Programs the dispatcher starts by bare name: found in the program's folder
// and the system's, never in the current directory.
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/registry_fixture.h"

#include <algorithm>
#include <optional>
#include <cwchar>

using e2e::DispatchSession;
using e2e::PlantedProgram;

E2E_CASE(DispatchLaunch, ProgramsStartFromTheProgramFolder) {
    const PlantedProgram magnifier(e2e::TestDirectory() + "magnify.exe");
    const PlantedProgram reboot(e2e::TestDirectory() + "Reboot.exe");
    const PlantedProgram mail(e2e::TestDirectory() + "MSIMN.EXE");
    DispatchSession keyvane("winxp");
    size_t from = keyvane.Mark();
    keyvane.Press(0x58);
    const auto magnifierLine = magnifier.WaitStarted(from);
    E2E_CHECK(magnifierLine.has_value() && *magnifierLine == "magnify.exe", "magnify.exe started by its name");
    from = keyvane.Mark();
    keyvane.Press(0x4C);
    const auto rebootLine = reboot.WaitStarted(from);
    E2E_CHECK(rebootLine.has_value() && *rebootLine == "Reboot.exe 0", "Reboot.exe started with 0");
    from = keyvane.Mark();
    keyvane.Press(0x03);
    E2E_CHECK(mail.WaitStarted(from).has_value(), "the shell found the mail program in the program folder");
}

E2E_CASE(DispatchLaunch, ProgramsPlantedInTheCurrentDirectoryAreNeverStarted) {
    const e2e::ScratchFolder current("keyvane-current");
    const e2e::ScratchFolder officeFolder("keyvane-current\\Office12");
    const PlantedProgram planted[] = {PlantedProgram(current.Path() + "soundrecorder.exe"),
                                      PlantedProgram(current.Path() + "sndrec32.exe"),
                                      PlantedProgram(current.Path() + "sndrec33.exe"),
                                      PlantedProgram(current.Path() + "Reboot.exe"),
                                      PlantedProgram(current.Path() + "MSIMN.EXE"),
                                      PlantedProgram(officeFolder.Path() + "WINWORD.EXE")};
    const PlantedProgram reboot(e2e::TestDirectory() + "Reboot.exe");
    // An Office install root that is no full path.
    const e2e::ScratchKey office(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Office\\12.0");
    office.CreateSubkey("Word\\InstallRoot");
    e2e::WriteRawValue(HKEY_LOCAL_MACHINE, office.Path() + "\\Word\\InstallRoot", "Path", REG_SZ,
                       std::string("Office12\\", sizeof "Office12\\"));
    std::optional<DispatchSession> started;
    {
        // keyvane starts in the test program's current directory.
        const e2e::CurrentDirectory inFolder(current.Path());
        started.emplace("winxp");
    }
    const DispatchSession& keyvane = *started;
    const size_t from = keyvane.Mark();
    const auto lines = keyvane.LinesOfPress(0x57);
    const auto failed = [&](const std::string& program) {
        return std::find(lines.begin(), lines.end(), "keyvane: run " + program + ": failed 2") != lines.end();
    };
    // Which recorder is looked for depends on the architecture Wine reports.
    E2E_CHECK(failed("soundrecorder.exe") || (failed("sndrec32.exe") && failed("sndrec33.exe")),
              "the sound recorder was looked for and not found");
    // The current directory's mail program does not count as installed: the
    // key opens the mail handler instead.
    const auto mail = keyvane.LinesOfPress(0x03);
    E2E_CHECK(std::any_of(mail.begin(), mail.end(),
                          [](const std::string& line) { return line.rfind("keyvane: open mailto: ", 0) == 0; }),
              "the mail program was not found, the mail handler opened");
    keyvane.Press(0x32);
    // The program folder's Reboot.exe starts; once its start is seen, a start from
    // the current directory before it would have been seen as well.
    keyvane.Press(0x4C);
    E2E_CHECK(reboot.WaitStarted(from).has_value(), "Reboot.exe started from the program folder");
    for (const PlantedProgram& program : planted) {
        E2E_CHECK(!program.WaitStarted(from, 0).has_value(), "nothing started from the current directory");
    }
}

namespace {

struct TitleSearch {
    const wchar_t* part;
    HWND found;
};

BOOL CALLBACK FindTitle(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<TitleSearch*>(param);
    wchar_t title[256] = {};
    ::GetWindowTextW(hwnd, title, 256);
    if (std::wcsstr(title, search->part) != nullptr) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The top-level window whose title holds `part`, or null.
HWND WindowTitled(const wchar_t* part) {
    TitleSearch search{part, nullptr};
    ::EnumWindows(&FindTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

E2E_CASE(DispatchLaunch, TheChineseGamesFolderOpensWhateverTheAnsiCodePage) {
    // The Games folder of a Chinese-language system; Wine's prefix has no English one.
    const std::wstring root = L"C:\\ProgramData\\Microsoft\\Windows\\";
    const std::wstring parts[] = {root + L"\u300c\u5f00\u59cb\u300d\u83dc\u5355",
                                  root + L"\u300c\u5f00\u59cb\u300d\u83dc\u5355\\\u7a0b\u5e8f",
                                  root + L"\u300c\u5f00\u59cb\u300d\u83dc\u5355\\\u7a0b\u5e8f\\\u6e38\u620f"};
    for (const std::wstring& folder : parts) {
        ::CreateDirectoryW(folder.c_str(), nullptr);
    }
    DispatchSession keyvane("winxp");
    const auto lines = keyvane.LinesOfPress(0x5C);
    E2E_CHECK(lines.size() == 3 && lines[2].rfind("keyvane: open cmd.exe /c explorer.exe", 0) == 0,
              "the folder was found and opened (ANSI code page " + std::to_string(::GetACP()) + ")");
    // The file explorer shows the folder by its name: it got the name whole.
    HWND explorer = nullptr;
    const bool shown = e2e::WaitFor([&] { return (explorer = WindowTitled(L"\u6e38\u620f")) != nullptr; }, 10000);
    if (explorer != nullptr) {
        ::PostMessageW(explorer, WM_CLOSE, 0, 0);
    }
    for (auto folder = std::rbegin(parts); folder != std::rend(parts); ++folder) {
        ::RemoveDirectoryW(folder->c_str());
    }
    E2E_CHECK(shown, "a window shows the Games folder");
}
