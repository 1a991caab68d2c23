// Keys of the user's own: actions stored under "Software\Corvale\Keys" by the
// key's name, acted on from both key roads in place of the built-in action.
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/dispatch_test_window.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/popups.h"
#include "tests/e2e/registry_fixture.h"
#include "tests/e2e/robustness_support.h"
#include "tests/e2e/test_window.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

using e2e::DispatchSession;
using e2e::KeyMessage;

namespace {

constexpr char kKeysKey[] = "Software\\Corvale\\Keys";
constexpr std::uint32_t kMailReport = 8;  // the key log's record for the mail key (command 0x03)

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool Mentions(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&text](const std::string& line) { return line.find(text) != std::string::npos; });
}

bool HasPicture(const std::vector<std::string>& lines) {
    return Mentions(lines, "keyvane: picture ");
}

void Store(const e2e::ScratchKey& keys, const char* name, const std::string& action) {
    keys.Write(name, REG_SZ, action + '\0');
}

bool Stored(const e2e::ScratchKey& keys, const char* name, const std::string& action) {
    const auto value = keys.Read(name);
    return value && value->type == REG_SZ && value->data == action + '\0';
}

// The Keys window: the tray menu's command, its list and editor.
constexpr UINT kKeysCommand = 32796;
constexpr int kKeysList = 1060;
constexpr int kKeyField = 1066;
constexpr int kPictureMonitor = 1069;
constexpr int kVolumeKeysBox = 1071;
constexpr char kSettingsKey[] = "Software\\Corvale";
// Rows of keys, in the keyboard's order.
constexpr int kPlayRow = 7;
constexpr int kNextRow = 9;
constexpr int kCalculatorRow = 13;
constexpr int kWordRow = 20;

HWND KeysList(HWND window) {
    return ::GetDlgItem(window, kKeysList);
}

// The box of the row's picture on the screen, the row scrolled into view.
RECT PictureBox(HWND list, int row) {
    ::SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT box{LVIR_ICON, 0, 0, 0};
    const e2e::RemoteMemory remote(list, sizeof box);
    remote.Write(&box, sizeof box);
    ::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), remote.Address());
    remote.Read(&box, sizeof box);
    ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

// Whether the row's picture box shows, at some height in it, the first frame
// of the strip as a screen of dpi shows it: the frame's own pixels, and the
// list's background where the frame has the key colour.
bool ShowsFirstFrame(HWND list, int row, const char* strip, int dpi) {
    const int side = ScaledLength(32, dpi);
    const StripPixels frames = e2e::ExpectedScaledStrip(strip, 32, dpi);
    const auto back = static_cast<COLORREF>(::SendMessageW(list, LVM_GETBKCOLOR, 0, 0));
    const std::uint32_t background = GetRValue(back) << 16 | GetGValue(back) << 8 | GetBValue(back);
    const BmpImage shown = e2e::CaptureScreen(PictureBox(list, row));
    const auto showsAt = [&](int top) {
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const std::uint32_t want = frames.pixels[static_cast<size_t>(y) * frames.width + x];
                if ((shown.At(x, top + y) & 0xFFFFFFu) != (want == frames.pixels[0] ? background : want)) {
                    return false;
                }
            }
        }
        return true;
    };
    for (int top = 0; shown.width >= side && top + side <= shown.height; ++top) {
        if (showsAt(top)) {
            return true;
        }
    }
    return false;
}

// The list at a screen's scale: the keys' pictures (the width of a picture's
// box is the image list's) and the name column, 142 pixels at 100 %.
void CheckListAtScale(HWND window, int dpi, const std::string& where) {
    const HWND list = KeysList(window);
    const RECT box = PictureBox(list, kPlayRow);
    E2E_CHECK_EQ(box.right - box.left, ScaledLength(32, dpi), "the keys' pictures' size " + where);
    E2E_CHECK_EQ(static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0)), ScaledLength(142, dpi),
                 "the name column's width " + where);
    E2E_CHECK(e2e::WaitPumping([&] { return ShowsFirstFrame(list, kPlayRow, "VCDPLAY", dpi); }, 3000),
              "play's row shows the first frame of its picture " + where);
}

std::string SelectedKey(HWND window) {
    const int row = e2e::ListSelection(KeysList(window));
    return row < 0 ? "" : e2e::ListCell(KeysList(window), row, 0);
}

// What each row says its key does, by the key's name.
std::map<std::string, std::string> KeyRows(HWND window) {
    std::map<std::string, std::string> rows;
    const HWND list = KeysList(window);
    for (int row = 0; row < e2e::ListRows(list); ++row) {
        rows[e2e::ListCell(list, row, 0)] = e2e::ListCell(list, row, 1);
    }
    return rows;
}

bool InFront(HWND window) {
    return e2e::WaitPumping([window] { return ::GetForegroundWindow() == window; }, 5000);
}

HWND OpenKeysWindow(const e2e::KeyvaneProcess& keyvane) {
    ::PostMessageA(keyvane.View(), WM_COMMAND, kKeysCommand, 0);
    const HWND window = e2e::WaitForDialog(keyvane, "Keys");
    E2E_CHECK(window != nullptr && InFront(window), "the Keys window opened in front");
    return window;
}

HWND OpenTrayMenu(const e2e::KeyvaneProcess& keyvane) {
    const size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon, WM_RBUTTONUP);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: tray menu") >= 0 &&
                  e2e::WaitPumping([&] { return e2e::OpenMenu(keyvane) != nullptr; }, 3000),
              "the tray menu opened");
    return e2e::OpenMenu(keyvane);
}

void PressChord(std::initializer_list<BYTE> keys) {
    for (const BYTE key : keys) {
        ::keybd_event(key, static_cast<BYTE>(::MapVirtualKeyA(key, 0)), 0, 0);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        ::keybd_event(*key, static_cast<BYTE>(::MapVirtualKeyA(*key, 0)), KEYEVENTF_KEYUP, 0);
    }
}

void PressTimes(BYTE key, int times) {
    for (int i = 0; i < times; ++i) {
        e2e::Press(key);
    }
}

// Moves the focus back from the editor to the list and goes down to the key's
// row (`row` of the keyboard's keys), as a user without a mouse does.
void ChooseRow(HWND window, int row, const std::string& key, int tabsBack) {
    for (int i = 0; i < tabsBack; ++i) {
        PressChord({VK_SHIFT, VK_TAB});
    }
    e2e::Press(VK_HOME);
    PressTimes(VK_DOWN, row);
    E2E_CHECK(e2e::WaitPumping([&] { return SelectedKey(window) == key; }, 3000),
              "the row of " + key + " is chosen; selected: " + SelectedKey(window));
}

// The "Show pictures on" list, reached by its label's Alt+P and moved with the arrows.
void ChoosePictureMonitor(HWND window, int downs) {
    PressChord({VK_MENU, 'P'});
    e2e::Press(VK_HOME);
    PressTimes(VK_DOWN, downs);
    E2E_CHECK(e2e::WaitPumping([&] { return ::SendDlgItemMessageA(window, kPictureMonitor, CB_GETCURSEL, 0, 0) == downs; },
                               3000),
              "the list shows choice " + std::to_string(downs));
}

std::optional<e2e::RawValue> PictureMonitorValue() {
    return e2e::ReadRawValue(HKEY_LOCAL_MACHINE, kSettingsKey, "PictureMonitor");
}

std::optional<e2e::RawValue> VolumeKeysValue() {
    return e2e::ReadRawValue(HKEY_LOCAL_MACHINE, kSettingsKey, "VolumeKeys");
}

bool VolumeKeysChecked(HWND window) {
    return ::IsDlgButtonChecked(window, kVolumeKeysBox) == BST_CHECKED;
}

// The "Volume keys" box, toggled by a click in it or, reached back from the
// pictures' list, by Space.
void ToggleVolumeKeys(HWND window, bool click) {
    const bool was = VolumeKeysChecked(window);
    const HWND box = ::GetDlgItem(window, kVolumeKeysBox);
    if (click) {
        const RECT rect = e2e::WindowRect(box);
        const POINT point{rect.left + 10, (rect.top + rect.bottom) / 2};
        E2E_CHECK(e2e::PointAndClick(point, [&] { return ::WindowFromPoint(point) == box; }),
                  "the pointer is on the volume keys box");
    } else {
        PressChord({VK_MENU, 'P'});
        PressChord({VK_SHIFT, VK_TAB});
        E2E_CHECK(e2e::WaitPumping([&] { return e2e::FocusOf(window) == box; }, 3000),
                  "the volume keys box has the focus");
        e2e::Press(VK_SPACE);
    }
    E2E_CHECK(e2e::WaitPumping([&] { return VolumeKeysChecked(window) != was; }, 3000),
              std::string("the volume keys box was toggled by ") + (click ? "a click" : "Space"));
}

e2e::RawValue Dword(DWORD value) {
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof(value))};
}

std::string WhatRowSays(HWND window, const std::string& key) {
    return KeyRows(window)[key];
}

}  // namespace

E2E_CASE(OwnKeys, MailStartsTheStoredProgramFromBothRoads) {
    const e2e::ScratchFolder folder("keyvane own keys");
    // A folder with a blank: the command line is split after the program's last backslash.
    const std::string program = folder.Path() + "mailer.exe";
    const e2e::PlantedProgram mailer(program);
    const e2e::ScratchKey keys(HKEY_LOCAL_MACHINE, kKeysKey);
    Store(keys, "mail", "run:" + program + " --to ann@example.com");
    DispatchSession keyvane("winxp");
    e2e::KeyLogRoad keyLog;
    keyLog.StartFresh(keyvane);
    for (const char* road : {"hook", "key log"}) {
        const size_t from = keyvane.Mark();
        if (std::string(road) == "hook") {
            keyvane.Press(0x22);
        } else {
            keyLog.Write({kMailReport});
        }
        const auto commandLine = mailer.WaitStarted(from);
        E2E_CHECK(commandLine.has_value(), std::string("the stored program started from the ") + road + " road");
        const std::string arguments = " --to ann@example.com";
        E2E_CHECK(commandLine->size() > arguments.size() &&
                      commandLine->compare(commandLine->size() - arguments.size(), arguments.size(), arguments) == 0,
                  "with its arguments: " + *commandLine);
        E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
        const auto lines = keyvane.LinesSince(from);
        E2E_CHECK(Has(lines, "keyvane: picture Mail 32"), "the mail picture showed: " + e2e::Bracketed(lines));
        E2E_CHECK(!Mentions(lines, "MSIMN"), "the built-in mail program was not looked for");
    }
}

E2E_CASE(OwnKeys, WordPressesTheStoredChordAndNothingElse) {
    const e2e::ScratchKey keys(HKEY_LOCAL_MACHINE, kKeysKey);
    Store(keys, "word", "keys:Ctrl+Shift+N");
    // A chord of a multimedia key must not come back through the keyboard hook as the key itself.
    Store(keys, "play", "keys:MediaPlayPause");
    e2e::TestWindow editor("Notepad", "Untitled - Notepad");
    DispatchSession keyvane("winxp");
    E2E_CHECK(editor.BringToFront(), "the editor is in front");
    const size_t from = keyvane.Mark();
    keyvane.Press(0x32);
    const std::vector<std::string> expected = {KeyMessage("down", VK_CONTROL), KeyMessage("down", VK_SHIFT),
                                               KeyMessage("down", 'N'),        KeyMessage("up", 'N'),
                                               KeyMessage("up", VK_SHIFT),     KeyMessage("up", VK_CONTROL)};
    const auto got = e2e::Describe(editor.WaitForMessages(expected.size()));
    E2E_CHECK(got == expected, "Ctrl, Shift, N down, then N, Shift, Ctrl up; got " + e2e::Bracketed(got));
    E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
    const auto lines = keyvane.LinesSince(from);
    E2E_CHECK(Has(lines, "keyvane: picture WORD 32"), "the Word picture showed: " + e2e::Bracketed(lines));
    E2E_CHECK(!Mentions(lines, "WINWORD"), "Word was not looked for");

    editor.ClearMessages();
    const size_t play = keyvane.Mark();
    keyvane.Press(0x29);
    E2E_CHECK(editor.WaitForMessages(2).size() == 2, "the play key pressed and released MediaPlayPause");
    // The hook handles a key before the window gets it, so a command it posted
    // for it is in the view's queue ahead of this posted one.
    ::PostMessageA(keyvane.View(), ::RegisterWindowMessageA("KeyCommand"), 0, 0x3C);
    E2E_CHECK(keyvane.WaitForLine(play, "keyvane: command 0x3C") >= 0, "the next key was dispatched");
    E2E_CHECK_EQ(e2e::CountLines(keyvane, play, "keyvane: command 0x29"), size_t{1},
                 "the play key acted once: " + e2e::Bracketed(keyvane.LinesSince(play)));
}

E2E_CASE(OwnKeys, NothingBadValuesAndChangesAtTheNextKey) {
    const e2e::ScratchKey keys(HKEY_LOCAL_MACHINE, kKeysKey);
    Store(keys, "play", "none");
    Store(keys, "mail", "keys:Ctrl+Hyper+N");
    keys.Write("stop", REG_DWORD, std::string(4, '\0'));
    Store(keys, "next", "text:" + std::string(100000, 'x'));
    DispatchSession keyvane("winxp");

    auto lines = keyvane.LinesOfPress(0x08);
    E2E_CHECK(Has(lines, "keyvane: key play: own action nothing") && !HasPicture(lines),
              "play does nothing and shows nothing: " + e2e::Bracketed(lines));

    lines = keyvane.LinesOfPress(0x22);
    E2E_CHECK(Has(lines, "keyvane: key mail: stored action not taken, keys: unknown key name \"Hyper\""),
              "a line says why the mail key's value was not taken: " + e2e::Bracketed(lines));
    E2E_CHECK(Has(lines, "keyvane: picture Mail 32") && Mentions(lines, "keyvane: open mailto:"),
              "the mail key did what it does built in: " + e2e::Bracketed(lines));

    lines = keyvane.LinesOfPress(0x0B);
    E2E_CHECK(Has(lines, "keyvane: key stop: stored action not taken, not a string value") &&
                  Has(lines, "keyvane: picture VCDStop 32"),
              "a number under the stop key's name leaves it built in: " + e2e::Bracketed(lines));

    lines = keyvane.LinesOfPress(0x2B);
    E2E_CHECK(Has(lines, "keyvane: key next: stored action not taken, longer than 1024 characters") &&
                  Has(lines, "keyvane: picture VCDNext 32"),
              "a text far too long leaves the next key built in: " + e2e::Bracketed(lines));

    // Changed while the program runs: the very next key acts on the new value.
    keys.Write("play", REG_SZ, std::string(1, '\0'));
    lines = keyvane.LinesOfPress(0x29);
    E2E_CHECK(Has(lines, "keyvane: picture VCDPlay 32"),
              "an emptied value gives play its picture back: " + e2e::Bracketed(lines));
    Store(keys, "play", "none");
    lines = keyvane.LinesOfPress(0x29);
    E2E_CHECK(!HasPicture(lines), "and \"none\" takes it away again: " + e2e::Bracketed(lines));
}

E2E_CASE(OwnKeys, KeysWindowOpensFromTheTrayMenuAndSaysWhatEachKeyDoes) {
    const e2e::ScratchKey keys(HKEY_LOCAL_MACHINE, kKeysKey);
    Store(keys, "word", "keys:ctrl+shift+n");
    Store(keys, "calculator", "text:Kind regards");
    Store(keys, "play", "none");
    Store(keys, "excel", "run:C:\\Apps\\thunderbird.exe -compose");
    Store(keys, "stop", "keys:Ctrl+Hyper");
    DispatchSession keyvane("win10");
    const e2e::DialogsClosedAtEnd closed(keyvane);

    // By keys: "Keys..." is the second item.
    OpenTrayMenu(keyvane);
    e2e::Press(VK_DOWN);
    e2e::Press(VK_DOWN);
    e2e::Press(VK_RETURN);
    const HWND window = e2e::WaitForDialog(keyvane, "Keys");
    E2E_CHECK(window != nullptr && InFront(window), "the Keys window opened in front");
    const auto rows = KeyRows(window);
    E2E_CHECK_EQ(rows.size(), size_t{53}, "a row for every key");
    const std::map<std::string, std::string> expected = {
        {"word", "presses Ctrl+Shift+N"},
        {"calculator", "types 'Kind regards'"},
        {"play", "nothing"},
        {"excel", "starts C:\\Apps\\thunderbird.exe -compose"},
        {"stop", "built in: stops the media players (its own action is not taken: keys: unknown key name \"Hyper\")"},
        {"new", "built in: presses Ctrl+N"},
        {"mail", "built in: opens the mail program set in Windows (MSIMN.EXE is not installed)"},
        {"reboot", "does nothing here: Reboot.exe is not installed"},
        {"volume-up", "built in: shows its picture; Windows turns the volume up"},
    };
    for (const auto& [key, description] : expected) {
        E2E_CHECK(rows.count(key) != 0 && rows.at(key) == description,
                  key + " says what it does: " + (rows.count(key) != 0 ? rows.at(key) : "no row"));
    }
    // The picture shows the keys with actions of their own, found by pressing one of them.
    keyvane.Press(0x32);
    E2E_CHECK(e2e::WaitPumping([&] { return SelectedKey(window) == "word"; }, 3000), "Word's row is shown");
    e2e::SaveScreenshot(window, "keys_window");
    // At 100 % and, run at another "LogPixels", at that scale.
    const int dpi = e2e::ScreenDpi();
    CheckListAtScale(window, dpi, "at the screen's scale");
    // Moved onto a screen of another scale, the window takes the place the
    // system suggests and shows the list at that scale.
    const int moved = dpi == 144 ? 192 : 144;
    RECT suggested = e2e::WindowRect(window);
    suggested.right = suggested.left + ::MulDiv(suggested.right - suggested.left, moved, dpi);
    suggested.bottom = suggested.top + ::MulDiv(suggested.bottom - suggested.top, moved, dpi);
    e2e::SendDpiChanged(window, moved, suggested);
    const RECT place = e2e::WindowRect(window);
    E2E_CHECK(::EqualRect(&place, &suggested), "the window takes the suggested place");
    CheckListAtScale(window, moved, "at " + std::to_string(moved) + " dpi");

    // A second request brings the one window forward from behind another program's.
    e2e::TestEditWindow other;
    E2E_CHECK(other.Activate(), "another program is in front");
    const size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), WM_COMMAND, kKeysCommand, 0);
    E2E_CHECK(InFront(window), "the open Keys window came forward");
    E2E_CHECK_EQ(e2e::CountLines(keyvane, from, "keyvane: keys window"), size_t{0}, "no second window was made");
    E2E_CHECK(e2e::ClosedByKey(window, VK_ESCAPE), "Esc closes the window");

    // By mouse: the second item lies just below the middle of the first three
    // item heights, whatever the height of the separator.
    const HWND trayMenu = OpenTrayMenu(keyvane);
    const RECT menu = e2e::WindowRect(trayMenu);
    const POINT item{(menu.left + menu.right) / 2, menu.top + (menu.bottom - menu.top) * 44 / 100};
    E2E_CHECK(e2e::PointAndClick(item, [&] { return e2e::MenuItemHighlightedAt(trayMenu, item); }),
              "the pointer highlighted \"Keys...\" before the click");
    const HWND clicked = e2e::WaitForDialog(keyvane, "Keys");
    char front[64] = {};
    ::GetClassNameA(::GetForegroundWindow(), front, sizeof front);
    E2E_CHECK(clicked != nullptr, std::string("a click on \"Keys...\" opened the window; the menu is ") +
                                      (e2e::OpenMenu(keyvane) != nullptr ? "still open" : "gone") +
                                      ", a window of class " + front + " in front");
    E2E_CHECK(e2e::ClosedByKey(clicked, VK_ESCAPE), "Esc closes it again");
}

E2E_CASE(OwnKeys, KeysWindowStoresOnOkAndNothingOnCancel) {
    const e2e::ScratchKey keys(HKEY_LOCAL_MACHINE, kKeysKey);
    Store(keys, "next", "none");
    const e2e::ValueOverride pictureMonitor(HKEY_LOCAL_MACHINE, kSettingsKey, "PictureMonitor");
    pictureMonitor.Remove();
    const e2e::ValueOverride volumeKeys(HKEY_LOCAL_MACHINE, kSettingsKey, "VolumeKeys");
    volumeKeys.Remove();
    e2e::TestWindow editor("Notepad", "Untitled - Notepad");
    DispatchSession keyvane("winxp");
    const e2e::DialogsClosedAtEnd closed(keyvane);

    // Cancel: the calculator set to nothing, pictures on the pointer's
    // monitor and the volume keys left to Windows, then the window closed with Esc.
    HWND window = OpenKeysWindow(keyvane);
    E2E_CHECK_EQ(::SendDlgItemMessageA(window, kPictureMonitor, CB_GETCURSEL, 0, 0), LRESULT{0},
                 "pictures show on the main monitor unless chosen otherwise");
    E2E_CHECK(VolumeKeysChecked(window), "the program takes the volume keys unless stored otherwise");
    ChooseRow(window, kCalculatorRow, "calculator", 0);
    e2e::Press(VK_TAB);    // to the kinds, at "Built in"
    e2e::Press(VK_RIGHT);  // "Nothing"
    E2E_CHECK(e2e::WaitPumping([&] { return WhatRowSays(window, "calculator") == "nothing"; }, 3000),
              "the row says what the key will do: " + WhatRowSays(window, "calculator"));
    ChoosePictureMonitor(window, 1);
    ToggleVolumeKeys(window, true);
    E2E_CHECK(e2e::ClosedByKey(window, VK_ESCAPE), "Esc cancels");
    E2E_CHECK(!keys.Read("calculator").has_value() && !PictureMonitorValue() && !VolumeKeysValue(),
              "Cancel stored nothing");

    // OK: Word records a chord, next goes back to built in, the calculator types a text.
    window = OpenKeysWindow(keyvane);
    ChooseRow(window, kWordRow, "word", 0);
    e2e::Press(VK_TAB);
    PressTimes(VK_RIGHT, 3);  // "Press keys"
    PressTimes(VK_TAB, 2);    // past the field to Record (Browse... is for programs)
    e2e::Press(VK_SPACE);
    PressChord({VK_CONTROL, VK_SHIFT, 'N'});
    E2E_CHECK(e2e::WaitPumping([&] { return e2e::ItemText(window, kKeyField) == "Ctrl+Shift+N"; }, 3000),
              "Record took the chord typed: " + e2e::ItemText(window, kKeyField));
    ChooseRow(window, kNextRow, "next", 3);
    e2e::Press(VK_TAB);
    e2e::Press(VK_LEFT);  // from "Nothing" to "Built in"
    ChooseRow(window, kCalculatorRow, "calculator", 1);
    e2e::Press(VK_TAB);
    PressTimes(VK_RIGHT, 4);  // "Type text"
    e2e::Press(VK_TAB);
    e2e::TypeKeys("Kind regards");
    E2E_CHECK(e2e::WaitPumping([&] { return WhatRowSays(window, "calculator") == "types 'Kind regards'"; }, 3000),
              "the calculator's row: " + WhatRowSays(window, "calculator"));
    ChoosePictureMonitor(window, 2);
    E2E_CHECK(VolumeKeysChecked(window), "Cancel left the volume keys to the program");
    ToggleVolumeKeys(window, false);
    E2E_CHECK(e2e::ClosedByKey(window, VK_RETURN), "Enter is OK");
    E2E_CHECK(PictureMonitorValue() == Dword(2), "pictures go to the monitor of the window in front");
    E2E_CHECK(VolumeKeysValue() == Dword(0), "the volume keys go on to Windows");
    E2E_CHECK(Stored(keys, "word", "keys:Ctrl+Shift+N"), "Word's chord is stored");
    E2E_CHECK(Stored(keys, "calculator", "text:Kind regards"), "the calculator's text is stored");
    E2E_CHECK(!keys.Read("next").has_value(), "next is built in again: no value");

    // What was stored acts at the next key.
    E2E_CHECK(editor.BringToFront(), "the editor is in front");
    const auto lines = keyvane.LinesOfPress(0x32);
    E2E_CHECK(Has(lines, "keyvane: key word: own action keys"), "Word presses its chord: " + e2e::Bracketed(lines));

    // A chord typed with a name no key has is refused on OK, said why, and not stored.
    window = OpenKeysWindow(keyvane);
    E2E_CHECK_EQ(::SendDlgItemMessageA(window, kPictureMonitor, CB_GETCURSEL, 0, 0), LRESULT{2},
                 "the window shows the stored choice");
    E2E_CHECK(!VolumeKeysChecked(window), "the window shows the volume keys left to Windows");
    ChooseRow(window, kPlayRow, "play", 0);
    e2e::Press(VK_TAB);
    PressTimes(VK_RIGHT, 3);
    e2e::Press(VK_TAB);
    e2e::TypeKeys("Ctrl+Hyper");
    e2e::Press(VK_RETURN);
    const HWND refusal = e2e::WaitForDialog(keyvane, "Keys", window);
    E2E_CHECK(refusal != nullptr, "OK was refused with a message");
    E2E_CHECK(e2e::ClosedByKey(refusal, VK_RETURN), "the message is read");
    E2E_CHECK(::IsWindowVisible(window) && !keys.Read("play").has_value(), "the window stays and nothing is stored");
    ToggleVolumeKeys(window, true);
    E2E_CHECK(e2e::ClosedByKey(window, VK_ESCAPE), "Esc cancels");
    E2E_CHECK(VolumeKeysValue() == Dword(0), "Cancel left the volume keys with Windows");

    // Given back to the program on OK.
    window = OpenKeysWindow(keyvane);
    ToggleVolumeKeys(window, false);
    E2E_CHECK(e2e::ClosedByKey(window, VK_RETURN), "Enter is OK");
    E2E_CHECK(VolumeKeysValue() == Dword(1), "the program takes the volume keys again");

    // A value of another type than a REG_DWORD means nothing, even four bytes of 0.
    e2e::WriteRawValue(HKEY_LOCAL_MACHINE, kSettingsKey, "VolumeKeys", REG_BINARY, std::string(4, '\0'));
    window = OpenKeysWindow(keyvane);
    E2E_CHECK(VolumeKeysChecked(window), "a REG_BINARY 0 leaves the volume keys to the program");
    E2E_CHECK(e2e::ClosedByKey(window, VK_ESCAPE), "Esc cancels");
}

E2E_CASE(OwnKeys, KeysWindowInFrontFindsAPressedKeyWithoutActing) {
    const e2e::ScratchFolder folder("keyvane keys window");
    const std::string program = folder.Path() + "mailer.exe";
    const e2e::PlantedProgram mailer(program);
    const e2e::ScratchKey keys(HKEY_LOCAL_MACHINE, kKeysKey);
    Store(keys, "mail", "run:" + program);
    DispatchSession keyvane("winxp");
    e2e::KeyLogRoad keyLog;
    keyLog.StartFresh(keyvane);
    const e2e::DialogsClosedAtEnd closed(keyvane);
    const HWND window = OpenKeysWindow(keyvane);

    const size_t from = keyvane.Mark();
    keyvane.Press(0x32);
    E2E_CHECK(e2e::WaitPumping([&] { return SelectedKey(window) == "word"; }, 3000),
              "the hook's key selected Word's row: " + SelectedKey(window));
    keyLog.Write({kMailReport});
    E2E_CHECK(e2e::WaitPumping([&] { return SelectedKey(window) == "mail"; }, 3000),
              "the key log's key selected the mail row: " + SelectedKey(window));
    E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
    const auto lines = keyvane.LinesSince(from);
    E2E_CHECK(Has(lines, "keyvane: keys window: word") && Has(lines, "keyvane: keys window: mail"),
              "both keys were found: " + e2e::Bracketed(lines));
    E2E_CHECK(!HasPicture(lines) && !Mentions(lines, "own action"), "neither key acted: " + e2e::Bracketed(lines));
    E2E_CHECK(!mailer.WaitStarted(from, 0).has_value(), "the mail key's program did not start");

    // Closed, the window takes no key any more.
    E2E_CHECK(e2e::ClosedByKey(window, VK_ESCAPE), "Esc closes the window");
    const size_t after = keyvane.Mark();
    keyLog.Write({kMailReport});
    E2E_CHECK(mailer.WaitStarted(after).has_value(), "the mail key starts its program again");
}
