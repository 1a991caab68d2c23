// The dispatcher's synthetic input as a window in front receives it: key
// chords with their scan codes, the wheel, and the Shift latch at the end.
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/dispatch_test_window.h"
#include "tests/e2e/e2e.h"

using e2e::DispatchSession;
using e2e::KeyMessage;
using e2e::TestWindow;

namespace {

constexpr UINT kQuit = 32774;

// The messages of one command, taken once `count` have arrived.
std::vector<std::string> Received(const TestWindow& window, size_t count) {
    return e2e::Describe(window.WaitForMessages(count));
}

}  // namespace

E2E_CASE(DispatchInput, WebBackSendsAltLeftToTheBrowserOnWin98AndNothingOnXp) {
    TestWindow browser("IEFrame", "Start page - Browser");
    const std::vector<std::string> altLeft = {KeyMessage("sysdown", VK_MENU), KeyMessage("sysdown", VK_LEFT),
                                              KeyMessage("sysup", VK_LEFT), KeyMessage("up", VK_MENU)};
    {
        DispatchSession keyvane("win98");
        E2E_CHECK(browser.BringToFront(), "the browser is in front");
        keyvane.Press(0x05);
        const auto got = Received(browser, altLeft.size());
        // Alt comes up as a plain key once another key went with it, as on Windows.
        E2E_CHECK(got == altLeft, "Alt down, Left down, Left up, Alt up; got " + e2e::Bracketed(got));
    }
    browser.ClearMessages();
    DispatchSession keyvane("winxp");
    E2E_CHECK(browser.BringToFront(), "the browser is in front");
    keyvane.Press(0x24);
    // F7 reaches the browser on every release: once it is there, so would be anything sent before it.
    keyvane.Press(0x3C);
    const auto got = Received(browser, 2);
    E2E_CHECK(got == (std::vector<std::string>{KeyMessage("down", VK_F7), KeyMessage("up", VK_F7)}),
              "web back sent nothing before F7; got " + e2e::Bracketed(got));
}

E2E_CASE(DispatchInput, CtrlShiftRGoesDownInOrderAndUpInReverse) {
    TestWindow editor("Notepad", "Untitled - Notepad");
    DispatchSession keyvane("winxp");
    E2E_CHECK(editor.BringToFront(), "the editor is in front");
    keyvane.Press(0x40);
    const std::vector<std::string> expected = {KeyMessage("down", VK_CONTROL), KeyMessage("down", VK_SHIFT),
                                               KeyMessage("down", 'R'),        KeyMessage("up", 'R'),
                                               KeyMessage("up", VK_SHIFT),     KeyMessage("up", VK_CONTROL)};
    const auto got = Received(editor, expected.size());
    E2E_CHECK(got == expected, "Ctrl, Shift, R down, then R, Shift, Ctrl up; got " + e2e::Bracketed(got));
}

E2E_CASE(DispatchInput, ScrollUpTurnsTheWheelOfTheWindowInFront) {
    TestWindow editor("Notepad", "Untitled - Notepad");
    DispatchSession keyvane("win2k");
    E2E_CHECK(editor.BringToFront(), "the editor is in front");
    RECT rect{};
    ::GetWindowRect(editor.Handle(), &rect);
    ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    keyvane.Press(0x14);
    keyvane.Press(0x1A);
    const auto got = Received(editor, 2);
    E2E_CHECK(got == (std::vector<std::string>{"wheel 96", "wheel -128"}), "wheel +96, then -128; got " + e2e::Bracketed(got));
}

E2E_CASE(DispatchInput, ALatchedShiftIsLetGoWhenTheProgramQuits) {
    TestWindow editor("Notepad", "Untitled - Notepad");
    DispatchSession keyvane("winxp");
    E2E_CHECK(editor.BringToFront(), "the editor is in front");
    keyvane.Press(0x43);
    E2E_CHECK(Received(editor, 1) == std::vector<std::string>{KeyMessage("down", VK_SHIFT)}, "Shift went down");
    ::PostMessageA(keyvane.View(), WM_COMMAND, kQuit, 0);
    E2E_CHECK(keyvane.WaitExit(5000), "keyvane quit");
    const auto got = Received(editor, 2);
    E2E_CHECK(got.size() == 2 && got[1] == KeyMessage("up", VK_SHIFT), "Shift came up at Quit; got " + e2e::Bracketed(got));
    E2E_CHECK((::GetAsyncKeyState(VK_SHIFT) & 0x8000) == 0, "Shift is not held after keyvane is gone");
}

E2E_CASE(DispatchInput, ALatchedShiftIsLetGoWhenWindowsEndsTheSession) {
    TestWindow editor("Notepad", "Untitled - Notepad");
    DispatchSession keyvane("winxp");
    E2E_CHECK(editor.BringToFront(), "the editor is in front");
    keyvane.Press(0x43);
    const auto down = Received(editor, 1);
    E2E_CHECK(down == std::vector<std::string>{KeyMessage("down", VK_SHIFT)}, "Shift went down; got " + e2e::Bracketed(down));
    // Only the top-level frame hears of the session's end.
    ::SendMessageA(keyvane.Frame(), WM_ENDSESSION, TRUE, 0);
    const auto got = Received(editor, 2);
    E2E_CHECK(got.size() == 2 && got[1] == KeyMessage("up", VK_SHIFT), "Shift came up; got " + e2e::Bracketed(got));
    // The latch is clear: the next latch key presses Shift again instead of letting it go.
    keyvane.Press(0x43);
    const auto again = Received(editor, 3);
    E2E_CHECK(again.size() == 3 && again[2] == KeyMessage("down", VK_SHIFT), "latched anew; got " + e2e::Bracketed(again));
    keyvane.Press(0x43);
    E2E_CHECK(Received(editor, 4).size() == 4, "and let go");
}

// Windows 10 reports itself to the program (its manifest names it): the
// search key opens Windows' search outside a browser and the browser's own in
// Chrome, and the games key, without a Games folder, opens the Game Bar.
E2E_CASE(DispatchInput, OnWindows10SearchPressesWinSOrCtrlEInChromeAndGamesPressWinG) {
    const auto chord = [](UINT key, UINT with) {
        return std::vector<std::string>{KeyMessage("down", key), KeyMessage("down", with), KeyMessage("up", with),
                                        KeyMessage("up", key)};
    };
    TestWindow editor("Notepad", "Untitled - Notepad");
    TestWindow chrome("Chrome_WidgetWin_1", "New Tab - Google Chrome");
    DispatchSession keyvane("win10");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: os release 10") >= 0,
              "Wine reports Windows 10 to the program: " + e2e::Bracketed(keyvane.LinesSince(0)));
    E2E_CHECK(editor.BringToFront(), "the editor is in front");
    keyvane.Press(0x10);
    auto got = Received(editor, 4);
    E2E_CHECK(got == chord(VK_LWIN, 'S'), "Win+S outside a browser; got " + e2e::Bracketed(got));
    editor.ClearMessages();
    keyvane.Press(0x5C);
    got = Received(editor, 4);
    E2E_CHECK(got == chord(VK_LWIN, 'G'), "Win+G for the games key; got " + e2e::Bracketed(got));
    E2E_CHECK(chrome.BringToFront(), "Chrome is in front");
    keyvane.Press(0x30);
    got = Received(chrome, 4);
    E2E_CHECK(got == chord(VK_CONTROL, 'E'), "Ctrl+E in Chrome; got " + e2e::Bracketed(got));
}
