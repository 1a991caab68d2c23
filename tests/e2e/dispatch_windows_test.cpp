// The dispatcher's dealings with other programs' windows: player commands,
// activation of a running calculator, the next window, and the CD door.
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/dispatch_test_window.h"
#include "tests/e2e/e2e.h"

#include <cstdio>

using e2e::DispatchSession;
using e2e::TestWindow;

namespace {

constexpr unsigned kWaitMs = 3000;

// Posted after a key: when it arrives, anything keyvane posted the window before it has arrived too.
constexpr WPARAM kMarker = 1;

std::vector<std::string> AfterMarker(const TestWindow& window) {
    ::PostMessageA(window.Handle(), WM_COMMAND, kMarker, 0);
    e2e::WaitFor([&] { return !window.Messages().empty() && window.Messages().back().wParam == kMarker; }, kWaitMs);
    return e2e::Describe(window.Messages());
}

}  // namespace

E2E_CASE(DispatchWindows, StopOnWin98PostsOnlyToTheOlderMediaPlayer) {
    TestWindow older("Media Player 2", "Windows Media Player");
    TestWindow newer("WMPlayerApp", "Windows Media Player");
    DispatchSession keyvane("win98");
    keyvane.Press(0x0B);
    const auto olderGot = AfterMarker(older);
    const auto newerGot = AfterMarker(newer);
    E2E_CHECK(olderGot == (std::vector<std::string>{"command 3048", "command 1"}), "Media Player 2 was told to stop");
    E2E_CHECK(newerGot == std::vector<std::string>{"command 1"}, "WMPlayerApp was told nothing");
}

E2E_CASE(DispatchWindows, CalculatorOnWin2kActivatesARunningCalculatorOtherwiseStartsItsPath) {
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, sizeof system);
    // Where the program looks for the calculator on Windows 2000.
    const e2e::PlantedProgram calculator(std::string(system) + "\\CALC.EXE");
    {
        TestWindow running("SciCalc", "Calculator");
        TestWindow editor("Notepad", "Untitled - Notepad");
        DispatchSession keyvane("win2k");
        E2E_CHECK(editor.BringToFront(), "the editor is in front");
        const auto lines = keyvane.LinesOfPress(0x0E);
        E2E_CHECK(e2e::WaitFor([&] { return ::GetForegroundWindow() == running.Handle(); }, kWaitMs),
                  "the running calculator came to the front");
        E2E_CHECK(lines == (std::vector<std::string>{"keyvane: command 0x0E", "keyvane: picture Calculator 32"}),
                  "no calculator was started");
    }
    DispatchSession keyvane("win2k");
    const size_t from = keyvane.Mark();
    keyvane.Press(0x2D);
    const auto commandLine = calculator.WaitStarted(from);
    E2E_CHECK(commandLine.has_value(), "the calculator at its path started");
    E2E_CHECK(*commandLine == "\"" + std::string(system) + "\\CALC.EXE\"", "started by its quoted path: " + *commandLine);
}

E2E_CASE(DispatchWindows, NextWindowRestoresAMinimisedWindowInFront) {
    TestWindow editor("Notepad", "Untitled - Notepad");
    DispatchSession keyvane("winxp");
    ::ShowWindow(editor.Handle(), SW_MINIMIZE);
    E2E_CHECK(editor.BringToFront(), "the minimised editor is the foreground window");
    E2E_CHECK(::IsIconic(editor.Handle()), "and still minimised");
    keyvane.Press(0x4A);
    E2E_CHECK(e2e::WaitFor([&] { return !::IsIconic(editor.Handle()); }, kWaitMs), "the editor was restored");
}

E2E_CASE(DispatchWindows, EjectWithoutACdDriveEndsQuietlyAndAlternates) {
    DispatchSession keyvane("winxp");
    const auto first = keyvane.LinesOfPress(0x37);
    const auto second = keyvane.LinesOfPress(0x37);
    // Wine has no CD drive here: the device does not open and no command goes to it.
    E2E_CHECK(first.size() == 3 && first[2].rfind("keyvane: cd door open: no drive", 0) == 0, "the first eject opens");
    E2E_CHECK(second.size() == 3 && second[2].rfind("keyvane: cd door closed: no drive", 0) == 0,
              "the second eject closes");
    E2E_CHECK(keyvane.IsRunning(), "keyvane is running");
}
