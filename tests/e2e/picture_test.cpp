// The confirmation popups and the start-up picture, seen from outside.
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/popups.h"
#include "tests/e2e/registry_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <string>

using e2e::KeyvaneProcess;

namespace {

const UINT g_keyCommand = ::RegisterWindowMessageA("KeyCommand");
constexpr LPARAM kPlay = 0x08;       // shows "VCDPlay" on every release
constexpr LPARAM kPrevious = 0x09;   // shows "VCDPrev"
// Shows "WebStop", whose frames change shape in turn; with no browser in front it sends nothing.
constexpr LPARAM kWebStop = 0x04;
constexpr LPARAM kVolumeUp = 0x0C;
constexpr LPARAM kMute = 0x01;

// keyvane with no popup up, so that a case sees only the popups it causes.
KeyvaneProcess& Running(const char* version) {
    KeyvaneProcess& keyvane = e2e::SharedKeyvane(version);
    E2E_CHECK(e2e::WaitFor([&] { return e2e::FindPopups(keyvane.Pid(), keyvane.Frame()).empty(); }, 3000),
              "earlier popups went");
    return keyvane;
}

HWND OnlyPopup(const KeyvaneProcess& keyvane, unsigned timeoutMs) {
    HWND popup = nullptr;
    e2e::WaitFor(
        [&] {
            const auto popups = e2e::FindPopups(keyvane.Pid(), keyvane.Frame());
            popup = popups.size() == 1 ? popups[0] : nullptr;
            return popup != nullptr;
        },
        timeoutMs);
    return popup;
}

// The popup is cut to its frame, then sized to it: wait for the second step too.
bool TakesSize(HWND popup, LONG width, LONG height) {
    return e2e::WaitFor(
        [&] {
            const RECT rect = e2e::WindowRect(popup);
            return rect.right - rect.left == width && rect.bottom - rect.top == height;
        },
        500);
}

bool ShowsFrame(HWND popup, const char* strip, int frame, unsigned timeoutMs) {
    HRGN expected = e2e::ExpectedFrameRegion(strip, frame);
    const bool shown = e2e::WaitFor([&] { return e2e::RegionEquals(popup, expected); }, timeoutMs);
    ::DeleteObject(expected);
    return shown;
}

// A window of the test that is active while keys are pressed.
class ActiveTestWindow {
public:
    ActiveTestWindow() {
        m_hwnd = ::CreateWindowExA(0, "STATIC", "picture test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                   nullptr, nullptr, nullptr, nullptr);
        ::SetForegroundWindow(m_hwnd);
        e2e::WaitFor([&] { return ::GetForegroundWindow() == m_hwnd; }, 2000);
    }
    ~ActiveTestWindow() { ::DestroyWindow(m_hwnd); }
    HWND Handle() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

// The popup stands `offset` off the corner of the full-screen client area, at
// its frame's size, moved back onto the screen when the system puts that
// corner too far out (Wine reports one below the screen's bottom edge).
POINT ExpectedPlace(LONG offsetX, LONG offsetY, LONG width, LONG height) {
    return {std::min<LONG>(::GetSystemMetrics(SM_CXFULLSCREEN) - offsetX, ::GetSystemMetrics(SM_CXSCREEN) - width),
            std::min<LONG>(::GetSystemMetrics(SM_CYFULLSCREEN) - offsetY, ::GetSystemMetrics(SM_CYSCREEN) - height)};
}

std::string PlaceOf(HWND popup) {
    const RECT rect = e2e::WindowRect(popup);
    return std::to_string(rect.left) + "," + std::to_string(rect.top);
}

void CheckPlace(HWND popup, LONG offsetX, LONG offsetY, LONG width, LONG height) {
    const RECT rect = e2e::WindowRect(popup);
    const POINT expected = ExpectedPlace(offsetX, offsetY, width, height);
    E2E_CHECK_EQ(rect.left, expected.x, "left");
    E2E_CHECK_EQ(rect.top, expected.y, "top");
    E2E_CHECK_EQ(rect.right - rect.left, width, "width");
    E2E_CHECK_EQ(rect.bottom - rect.top, height, "height");
}

}  // namespace

E2E_CASE(Pictures, KeyPicturePlaysItsFramesInTheCornerAndCloses) {
    KeyvaneProcess& keyvane = Running("winxp");
    ActiveTestWindow active;
    const double sent = e2e::NowMs();
    keyvane.SendToView(g_keyCommand, 0, kWebStop);
    const HWND popup = OnlyPopup(keyvane, 2000);
    E2E_CHECK(popup != nullptr, "one popup appeared");
    E2E_CHECK(ShowsFrame(popup, "WEBSTOP.bmp", 0, 1000), "the popup is cut to frame 0");
    E2E_CHECK(TakesSize(popup, 32, 32), "the popup took the frame's size");
    CheckPlace(popup, 60, 20, 32, 32);
    const auto exStyle = static_cast<DWORD>(::GetWindowLongA(popup, GWL_EXSTYLE));
    E2E_CHECK((exStyle & WS_EX_TOPMOST) != 0, "topmost");
    E2E_CHECK((exStyle & WS_EX_TOOLWINDOW) != 0 && (exStyle & WS_EX_APPWINDOW) == 0, "no taskbar button");
    E2E_CHECK(::GetForegroundWindow() == active.Handle(), "the active window stayed active");
    for (int frame = 1; frame < 4; ++frame) {
        E2E_CHECK(ShowsFrame(popup, "WEBSTOP.bmp", frame, 1000), "frame " + std::to_string(frame) + " follows");
    }
    E2E_CHECK(e2e::WaitFor([&] { return !::IsWindowVisible(popup); }, 2000), "the popup went by itself");
    const double lifetime = e2e::NowMs() - sent;
    E2E_CHECK(lifetime > 1000 && lifetime < 2000, "on screen about 1.2 s, was " + std::to_string(lifetime));
}

// A keyvane started while Wine's "LogPixels" asks for a larger scale places
// its pictures with offsets scaled to it (worked out by hand: round(60 s)
// for a key picture, round(110 s) for the volume strip), each wholly on the
// screen at the size it is drawn. Wine puts the corner below the screen, by
// an amount that depends on the scale (its caption grows with it), so only
// the leftward offsets are read back here; the upward ones are shown natively.
E2E_CASE(Pictures, PicturesStandOffTheCornerAtTheScreensScale) {
    const struct {
        DWORD dpi;
        LONG keyOffset;
        LONG volumeOffset;
    } scales[] = {
        {144, 90, 165},
        {192, 120, 220},
    };
    constexpr char kDesktop[] = "Control Panel\\Desktop";
    const e2e::ValueOverride logPixels(HKEY_CURRENT_USER, kDesktop, "LogPixels");
    for (const auto& scale : scales) {
        const std::string what = " at " + std::to_string(scale.dpi) + " dpi";
        e2e::WriteRawValue(HKEY_CURRENT_USER, kDesktop, "LogPixels", REG_DWORD,
                           std::string(reinterpret_cast<const char*>(&scale.dpi), sizeof(scale.dpi)));
        KeyvaneProcess keyvane("winxp");
        E2E_CHECK(keyvane.WaitReady(), "keyvane came up" + what);
        E2E_CHECK(e2e::WaitFor([&] { return e2e::FindPopups(keyvane.Pid(), keyvane.Frame()).empty(); }, 4000),
                  "the start-up picture went" + what);
        const auto standsOff = [&](HWND popup, LONG offset) {
            return e2e::WaitFor(
                [&] {
                    const RECT rect = e2e::WindowRect(popup);
                    return ::IsWindowVisible(popup) &&
                           rect.left == ExpectedPlace(offset, 0, rect.right - rect.left, 0).x &&
                           rect.top >= 0 && rect.bottom <= ::GetSystemMetrics(SM_CYSCREEN);
                },
                2000);
        };
        keyvane.SendToView(g_keyCommand, 0, kWebStop);
        const HWND popup = OnlyPopup(keyvane, 2000);
        E2E_CHECK(popup != nullptr, "a key picture appeared" + what);
        E2E_CHECK(standsOff(popup, scale.keyOffset), "the key picture's place" + what + ", at " + PlaceOf(popup));
        keyvane.SendToView(g_keyCommand, 0, kVolumeUp);
        E2E_CHECK(standsOff(popup, scale.volumeOffset),
                  "the volume strip's place" + what + ", at " + PlaceOf(popup));
    }
}

// The screen as it was when the case began, whatever the case changed.
class ScreenSizeBack {
public:
    ~ScreenSizeBack() { ::ChangeDisplaySettingsA(nullptr, 0); }
};

E2E_CASE(Pictures, APictureOnScreenMovesOntoTheScreenLeftWhenItShrinks) {
    KeyvaneProcess& keyvane = Running("winxp");
    keyvane.SendToView(g_keyCommand, 0, kWebStop);
    const HWND popup = OnlyPopup(keyvane, 2000);
    E2E_CHECK(popup != nullptr && TakesSize(popup, 32, 32), "a key picture is up");
    const ScreenSizeBack back;
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = 800;
    mode.dmPelsHeight = 600;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    E2E_CHECK_EQ(::ChangeDisplaySettingsA(&mode, 0), LONG{DISP_CHANGE_SUCCESSFUL}, "the screen shrank");
    E2E_CHECK(e2e::WaitFor(
                  [&] {
                      const RECT rect = e2e::WindowRect(popup);
                      return ::IsWindowVisible(popup) && rect.left == 800 - 60 && rect.bottom <= 600;
                  },
                  1000),
              "the picture stands off the smaller screen's corner, at " + PlaceOf(popup));
}

E2E_CASE(Pictures, NextKeyReplacesThePopupFromItsFirstFrame) {
    KeyvaneProcess& keyvane = Running("winxp");
    keyvane.SendToView(g_keyCommand, 0, kPlay);
    const HWND first = OnlyPopup(keyvane, 2000);
    E2E_CHECK(first != nullptr && ShowsFrame(first, "VCDPLAY.bmp", 1, 1500), "the first popup reached frame 1");
    keyvane.SendToView(g_keyCommand, 0, kPrevious);
    E2E_CHECK(!::IsWindowVisible(first), "the first picture went at once");
    const HWND second = OnlyPopup(keyvane, 2000);
    E2E_CHECK(second != nullptr, "one popup is left");
    E2E_CHECK(ShowsFrame(second, "VCDPREV.bmp", 0, 1000), "the second picture starts from frame 0");
}

E2E_CASE(Pictures, VolumeKeysShowOneLevelPopupKeptUpByFurtherKeys) {
    KeyvaneProcess& keyvane = Running("winxp");
    keyvane.SendToView(g_keyCommand, 0, kVolumeUp);
    ::Sleep(50);
    keyvane.SendToView(g_keyCommand, 0, kVolumeUp);
    const double lastKey = e2e::NowMs();
    const HWND popup = OnlyPopup(keyvane, 2000);
    E2E_CHECK(popup != nullptr, "one volume popup");
    const double shown = e2e::NowMs() - lastKey;
    E2E_CHECK(shown >= 90 && shown < 600, "shown about 120 ms after the last key, was " + std::to_string(shown));
    // No mixer here: the level stays at the defined start, 0.
    E2E_CHECK(ShowsFrame(popup, "VOLUME.bmp", 0, 1000), "the popup shows level 0");
    E2E_CHECK(TakesSize(popup, 96, 32), "the popup took the frame's size");
    CheckPlace(popup, 110, 30, 96, 32);
    ::Sleep(500);
    keyvane.SendToView(g_keyCommand, 0, kVolumeUp);
    const double further = e2e::NowMs();
    E2E_CHECK(e2e::WaitFor([&] { return !::IsWindowVisible(popup); }, 3000), "the popup went");
    const double kept = e2e::NowMs() - further;
    E2E_CHECK(kept > 800, "the further key kept the same popup up 800 ms more, was " + std::to_string(kept));
    E2E_CHECK(e2e::FindPopups(keyvane.Pid(), keyvane.Frame()).empty(), "no popup is left behind");
}

E2E_CASE(Pictures, MuteAlternatesItsPicturesWithoutMixerOnWindows98) {
    KeyvaneProcess& keyvane = Running("win98");
    const size_t from = keyvane.Mark();
    keyvane.SendToView(g_keyCommand, 0, kMute);
    keyvane.SendToView(g_keyCommand, 0, kMute);
    keyvane.SendToView(g_keyCommand, 0, kMute);
    E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
    std::vector<std::string> pictures;
    for (const std::string& line : keyvane.LinesSince(from)) {
        if (line.rfind("keyvane: picture ", 0) == 0) {
            pictures.push_back(line);
        }
    }
    const std::vector<std::string> expected = {"keyvane: picture Mute 32", "keyvane: picture UnMute 32",
                                               "keyvane: picture Mute 32"};
    E2E_CHECK(pictures == expected, "Mute, UnMute, Mute");
}

E2E_CASE(Pictures, StartupPictureIsCentredAndStaysItsTimeEvenWhenClicked) {
    KeyvaneProcess keyvane("winxp");
    const double started = e2e::NowMs();
    HWND picture = nullptr;
    E2E_CHECK(e2e::WaitFor(
                  [&] {
                      const HWND frame = ::FindWindowA(nullptr, "Keyvane V1.0.20010401");
                      for (HWND popup : e2e::FindPopups(keyvane.Pid(), frame)) {
                          if (::GetWindow(popup, GW_OWNER) != nullptr) {
                              picture = popup;
                          }
                      }
                      return picture != nullptr;
                  },
                  5000),
              "the start-up picture appeared");
    const RECT rect = e2e::WindowRect(picture);
    E2E_CHECK_EQ(rect.right - rect.left, 280l, "width");
    E2E_CHECK_EQ(rect.bottom - rect.top, 150l, "height");
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    E2E_CHECK(std::abs((rect.left + rect.right) / 2 - (work.left + work.right) / 2) <= 1 &&
                  std::abs((rect.top + rect.bottom) / 2 - (work.top + work.bottom) / 2) <= 1,
              "centred on the work area");
    const LPARAM inside = MAKELPARAM(10, 10);
    ::PostMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    ::PostMessageA(picture, WM_LBUTTONUP, 0, inside);
    ::PostMessageA(picture, WM_KEYDOWN, VK_ESCAPE, 0);
    E2E_CHECK(e2e::WaitFor([&] { return !::IsWindow(picture); }, 4000), "the start-up picture went");
    const double shownFor = e2e::NowMs() - started;
    E2E_CHECK(shownFor >= 1700 && shownFor < 3500, "shown 1750 ms, was " + std::to_string(shownFor));
}
