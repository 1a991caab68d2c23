// The confirmation popups and the start-up picture, seen from outside.
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/popups.h"
#include "tests/e2e/screen_settings.h"

#include "osd/strip_scale.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

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

// Takes the region and waits for the popup to show it.
bool ShowsRegion(HWND popup, HRGN expected, unsigned timeoutMs) {
    const bool shown = e2e::WaitFor([&] { return e2e::RegionEquals(popup, expected); }, timeoutMs);
    ::DeleteObject(expected);
    return shown;
}

bool ShowsFrame(HWND popup, const char* strip, int frame, unsigned timeoutMs) {
    return ShowsRegion(popup, e2e::ExpectedFrameRegion(strip, frame), timeoutMs);
}

// The start-up picture of a keyvane just started, once it is up; null when it does not come.
HWND StartupPicture(const KeyvaneProcess& keyvane) {
    HWND picture = nullptr;
    e2e::WaitFor(
        [&] {
            const HWND frame = ::FindWindowA(nullptr, "Keyvane V1.0.20010401");
            for (HWND popup : e2e::FindPopups(keyvane.Pid(), frame)) {
                if (::GetWindow(popup, GW_OWNER) != nullptr) {
                    picture = popup;
                }
            }
            return picture != nullptr;
        },
        5000);
    return picture;
}

// The popup lies wholly on the screen.
bool OnScreen(HWND popup) {
    const RECT rect = e2e::WindowRect(popup);
    return rect.left >= 0 && rect.top >= 0 && rect.right <= ::GetSystemMetrics(SM_CXSCREEN) &&
           rect.bottom <= ::GetSystemMetrics(SM_CYSCREEN);
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

// What a screen reader reads of a popup: its window text.
std::string TextOf(HWND popup) {
    char text[100] = "";
    ::GetWindowTextA(popup, text, sizeof text);
    return text;
}

// The name changes of a process's windows as a screen reader hears them: out
// of context, each one a message to this thread, heard while it pumps.
class NameChanges {
public:
    explicit NameChanges(DWORD pid)
        : m_hook(::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &Heard, pid, 0,
                                   WINEVENT_OUTOFCONTEXT)) {
        s_heard.clear();
    }
    ~NameChanges() { ::UnhookWinEvent(m_hook); }
    NameChanges(const NameChanges&) = delete;
    NameChanges& operator=(const NameChanges&) = delete;
    bool Hooked() const { return m_hook != nullptr; }
    // How often the window's own name changed since the hook was set, up to
    // the changes waiting in this thread's queue.
    size_t Of(HWND window) const {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageA(&message);
        }
        return static_cast<size_t>(std::count(s_heard.begin(), s_heard.end(), window));
    }

private:
    static void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
        if (object == OBJID_WINDOW && child == CHILDID_SELF) {
            s_heard.push_back(window);
        }
    }
    static inline std::vector<HWND> s_heard;
    HWINEVENTHOOK m_hook;
};

std::string PlaceOf(HWND popup) {
    const RECT rect = e2e::WindowRect(popup);
    return std::to_string(rect.left) + "," + std::to_string(rect.top);
}

// The screen as it was when the case began, whatever the case changed.
class ScreenSizeBack {
public:
    ~ScreenSizeBack() { ::ChangeDisplaySettingsA(nullptr, 0); }
};

// The popup stands `offset` off the corner of the full-screen client area, at
// its frame's size, moved back onto the screen when the system puts that
// corner too far out (Wine reports one below the screen's bottom edge).
void CheckPlace(HWND popup, LONG offsetX, LONG offsetY, LONG width, LONG height) {
    const RECT rect = e2e::WindowRect(popup);
    E2E_CHECK_EQ(rect.left, std::min<LONG>(::GetSystemMetrics(SM_CXFULLSCREEN) - offsetX,
                                           ::GetSystemMetrics(SM_CXSCREEN) - width), "left");
    E2E_CHECK_EQ(rect.top, std::min<LONG>(::GetSystemMetrics(SM_CYFULLSCREEN) - offsetY,
                                          ::GetSystemMetrics(SM_CYSCREEN) - height), "top");
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
    E2E_CHECK(TextOf(popup) == "Stop loading", "the popup says what the key does: " + TextOf(popup));
    for (int frame = 1; frame < 4; ++frame) {
        E2E_CHECK(ShowsFrame(popup, "WEBSTOP.bmp", frame, 1000), "frame " + std::to_string(frame) + " follows");
    }
    E2E_CHECK(e2e::WaitFor([&] { return !::IsWindowVisible(popup); }, 2000), "the popup went by itself");
    const double lifetime = e2e::NowMs() - sent;
    E2E_CHECK(lifetime > 1000 && lifetime < 2000, "on screen about 1.2 s, was " + std::to_string(lifetime));
}

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

// Each picture's popup says what it shows, and a screen reader hears the
// name change once per new picture, whichever road the key came by; the
// window of another program in front stays there.
E2E_CASE(Pictures, NextKeyReplacesThePopupFromItsFirstFrame) {
    KeyvaneProcess& keyvane = Running("winxp");
    ActiveTestWindow active;
    const NameChanges names(keyvane.Pid());
    E2E_CHECK(names.Hooked(), "a screen reader's hook is set");
    keyvane.SendToView(g_keyCommand, 0, kPlay);
    const HWND first = OnlyPopup(keyvane, 2000);
    E2E_CHECK(first != nullptr && ShowsFrame(first, "VCDPLAY.bmp", 1, 1500), "the first popup reached frame 1");
    E2E_CHECK(TextOf(first) == "Play or pause", "the first popup says what its key does: " + TextOf(first));
    const size_t before = names.Of(first);
    keyvane.SendToView(g_keyCommand, 0, kPrevious);
    E2E_CHECK(!::IsWindowVisible(first), "the first picture went at once");
    const HWND second = OnlyPopup(keyvane, 2000);
    E2E_CHECK(second != nullptr, "one popup is left");
    E2E_CHECK(ShowsFrame(second, "VCDPREV.bmp", 0, 1000), "the second picture starts from frame 0");
    E2E_CHECK(TextOf(second) == "Previous track", "the second popup says what its key does: " + TextOf(second));
    // The name is told before the picture shows: by now a name told twice was heard twice.
    E2E_CHECK(e2e::WaitFor([&] { return names.Of(second) > before; }, 2000), "the name change was heard");
    E2E_CHECK_EQ(names.Of(second) - before, size_t{1}, "the change was heard once");
    // A key typed on the keyboard, into the window in front.
    e2e::Press(VK_MEDIA_NEXT_TRACK);
    E2E_CHECK(e2e::WaitFor([&] { return TextOf(second) == "Next track" && names.Of(second) == before + 2; }, 2000),
              "the typed key's picture says what it does and was heard: " + TextOf(second));
    const HWND third = OnlyPopup(keyvane, 2000);
    E2E_CHECK(third != nullptr && ShowsFrame(third, "VCDNEXT.bmp", 0, 1000), "the typed key's picture is shown");
    E2E_CHECK(::GetForegroundWindow() == active.Handle(), "the window in front stayed in front");
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
    E2E_CHECK(TextOf(popup) == "Volume 0 %", "the popup says the level it shows: " + TextOf(popup));
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
    const HWND picture = StartupPicture(keyvane);
    E2E_CHECK(picture != nullptr, "the start-up picture appeared");
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

// On a screen of 125 %, 150 % and 200 % the key pictures and the volume strip
// come at that scale, cut to the frames drawn for it (125 % shrinks the 150 %
// drawing), and stay on the screen; so does the start-up picture, made from
// the drawing for its scale rather than stretched. They stand off the corner
// by distances scaled too (worked out by hand: round(60 s) for a key picture,
// round(110 s) for the volume strip). Wine puts the corner
// below the screen by an amount that depends on the scale (its caption grows
// with it), so only the leftward distances are read back here.
E2E_CASE(Pictures, KeyPictureAndVolumeStripTakeTheScreensScale) {
    const struct {
        DWORD dpi;
        LONG keyOffset;
        LONG volumeOffset;
    } scales[] = {{120, 75, 138}, {144, 90, 165}, {192, 120, 220}};
    for (const auto& [dpi, keyOffset, volumeOffset] : scales) {
        const std::string at = " at " + std::to_string(dpi) + " dpi";
        const int scaledDpi = static_cast<int>(dpi);
        const e2e::ScreenScale scale(dpi);
        KeyvaneProcess keyvane("winxp");
        const HWND startup = StartupPicture(keyvane);
        E2E_CHECK(startup != nullptr && TakesSize(startup, ScaledLength(280, scaledDpi), ScaledLength(150, scaledDpi)),
                  "the start-up picture's size" + at);
        const std::vector<std::uint32_t> sharp = e2e::ExpectedPicture("STARTUP", scaledDpi).pixels;
        E2E_CHECK(e2e::WaitFor([&] { return e2e::CaptureScreen(e2e::WindowRect(startup)).pixels == sharp; }, 1000),
                  "the start-up picture is the drawing for its scale" + at);
        E2E_CHECK(keyvane.WaitReady(), "keyvane came up" + at);
        E2E_CHECK(keyvane.WaitStartupPictureGone(), "the start-up picture went" + at);
        keyvane.SendToView(g_keyCommand, 0, kWebStop);
        HWND popup = OnlyPopup(keyvane, 2000);
        E2E_CHECK(popup != nullptr, "one popup appeared" + at);
        const LONG side = ScaledLength(32, scaledDpi);
        for (int frame = 0; frame < 4; ++frame) {
            E2E_CHECK(ShowsRegion(popup, e2e::ExpectedScaledFrameRegion("WEBSTOP", frame, 32, scaledDpi), 1000),
                      "frame " + std::to_string(frame) + at);
            E2E_CHECK(TakesSize(popup, side, side), "the key picture's size" + at);
        }
        E2E_CHECK(OnScreen(popup), "the key picture lies on the screen" + at);
        E2E_CHECK_EQ(e2e::WindowRect(popup).left, ::GetSystemMetrics(SM_CXFULLSCREEN) - keyOffset,
                     "the key picture's distance from the corner" + at);
        e2e::SaveScreenshot(popup, "key-picture-" + std::to_string(dpi) + "dpi");
        E2E_CHECK(e2e::WaitFor([&] { return !::IsWindowVisible(popup); }, 2000), "the key picture went" + at);
        keyvane.SendToView(g_keyCommand, 0, kVolumeUp);
        popup = OnlyPopup(keyvane, 2000);
        E2E_CHECK(popup != nullptr, "one volume popup" + at);
        E2E_CHECK(ShowsRegion(popup, e2e::ExpectedScaledFrameRegion("VOLUME", 0, 32, scaledDpi), 1000),
                  "the volume strip's level 0" + at);
        E2E_CHECK(TakesSize(popup, ScaledLength(96, scaledDpi), ScaledLength(32, scaledDpi)),
                  "the volume strip's size" + at);
        E2E_CHECK(OnScreen(popup), "the volume strip lies on the screen" + at);
        E2E_CHECK_EQ(e2e::WindowRect(popup).left, ::GetSystemMetrics(SM_CXFULLSCREEN) - volumeOffset,
                     "the volume strip's distance from the corner" + at);
        e2e::SaveScreenshot(popup, "volume-strip-" + std::to_string(dpi) + "dpi");
    }
}
