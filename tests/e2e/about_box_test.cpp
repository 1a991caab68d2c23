// The About box: the captionless picture with its picture button "OK".
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/popups.h"
#include "tests/e2e/test_window.h"

#include <cstdlib>

using e2e::KeyvaneProcess;

namespace {

constexpr UINT kAppAbout = 57664;

// Whether the screen shows the picture, at the scale of dpi, over rect
// (screen coordinates) from its row `top` on, each channel within
// `tolerance`: a 16-bit picture's colours are widened by Wine and the test
// reader each their own way, a stretched one is off by far more.
bool Shows(const RECT& rect, const char* picture, int dpi, int top = 0, int tolerance = 0) {
    const StripPixels expected = e2e::ExpectedPicture(picture, dpi);
    const BmpImage shown = e2e::CaptureScreen(rect);
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            const std::uint32_t want = expected.pixels[static_cast<size_t>(y + top) * expected.width + x];
            for (int shift : {0, 8, 16}) {
                if (std::abs(static_cast<int>(shown.At(x, y) >> shift & 0xFF) - static_cast<int>(want >> shift & 0xFF)) >
                    tolerance) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool ButtonShows(HWND button, const char* picture, int dpi) {
    return Shows(e2e::WindowRect(button), picture, dpi);
}

// The button's top-left corner in the box.
POINT ButtonPlace(HWND about) {
    const RECT rect = e2e::WindowRect(::GetDlgItem(about, IDOK));
    POINT place{rect.left, rect.top};
    ::ScreenToClient(about, &place);
    return place;
}

// The box at the scale of dpi: the about picture's size, the button its
// picture's 49 x 19 pixels and focused, and below the button and the frame at
// the corner, the box is the picture itself.
void CheckBoxAtScale(HWND about, int dpi, const std::string& where) {
    RECT client{};
    ::GetClientRect(about, &client);
    E2E_CHECK(client.right == ScaledLength(280, dpi) && client.bottom == ScaledLength(150, dpi),
              where + ": the box is the about picture's size");
    const HWND button = ::GetDlgItem(about, IDOK);
    const RECT rect = e2e::WindowRect(button);
    E2E_CHECK(rect.right - rect.left == ScaledLength(49, dpi) && rect.bottom - rect.top == ScaledLength(19, dpi),
              where + ": the button takes its picture's 49 x 19 pixels at the scale, got " +
                  std::to_string(rect.right - rect.left) + " x " + std::to_string(rect.bottom - rect.top));
    E2E_CHECK(e2e::FocusOf(about) == button, where + ": the button has the focus");
    POINT origin{0, 0};
    ::ClientToScreen(about, &origin);
    const int top = ScaledLength(100, dpi);
    const RECT low{origin.x, origin.y + top, origin.x + client.right, origin.y + client.bottom};
    E2E_CHECK(e2e::WaitPumping([&] { return Shows(low, "ABOUT", dpi, top, 8); }, 3000),
              where + ": the box shows the about picture at the scale");
    E2E_CHECK(e2e::WaitPumping([&] { return ButtonShows(button, "OKF", dpi); }, 3000),
              where + ": the focused button shows its focused picture");
}

}  // namespace

E2E_CASE(AboutBox, EveryRouteShowsTheCaptionlessPictureWithItsFocusedButton) {
    KeyvaneProcess& keyvane = e2e::SharedKeyvane("winxp");
    const e2e::DialogsClosedAtEnd closer(keyvane);
    const struct {
        const char* route;
        HWND target;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        BYTE closingKey;
    } routes[] = {{"the about command of the main window", keyvane.Frame(), WM_COMMAND, kAppAbout, 0, VK_RETURN},
                  {"a double click on the tray icon", keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon, WM_LBUTTONDBLCLK,
                   VK_ESCAPE}};
    // At 100 % and, run at another "LogPixels", at that scale.
    const int dpi = e2e::ScreenDpi();
    bool first = true;
    for (const auto& r : routes) {
        const std::string route = r.route;
        ::PostMessageA(r.target, r.message, r.wParam, r.lParam);
        const HWND about = e2e::WaitForDialog(keyvane, nullptr);
        E2E_CHECK(about != nullptr, route + " opens the About box");
        const auto style = static_cast<DWORD>(::GetWindowLongA(about, GWL_STYLE));
        E2E_CHECK((style & WS_CAPTION) != WS_CAPTION && (style & WS_SYSMENU) == 0, route + ": no title bar");
        E2E_CHECK(::GetWindow(about, GW_OWNER) == keyvane.Frame(), route + ": the main window owns it");
        CheckBoxAtScale(about, dpi, route);
        const HWND button = ::GetDlgItem(about, IDOK);
        if (first) {
            e2e::SaveScreenshot(about, "about_box");
            ::SendMessageA(button, BM_SETSTATE, TRUE, 0);
            E2E_CHECK(e2e::WaitPumping([&] { return ButtonShows(button, "OKD", dpi); }, 3000),
                      "the pressed button shows its pressed picture");
            ::SendMessageA(button, BM_SETSTATE, FALSE, 0);
            E2E_CHECK(e2e::WaitPumping([&] { return ButtonShows(button, "OKF", dpi); }, 3000),
                      "let go, it shows its focused picture again");
            // Moved onto a screen of another scale, the box takes that
            // scale's pictures and their size, centred where the system
            // suggests.
            const int moved = dpi == 144 ? 192 : 144;
            const RECT box = e2e::WindowRect(about);
            const RECT suggested{box.left, box.top, box.left + ::MulDiv(box.right - box.left, moved, dpi),
                                 box.top + ::MulDiv(box.bottom - box.top, moved, dpi)};
            const POINT before = ButtonPlace(about);
            e2e::SendDpiChanged(about, moved, suggested);
            CheckBoxAtScale(about, moved, "at " + std::to_string(moved) + " dpi");
            const POINT after = ButtonPlace(about);
            E2E_CHECK(std::abs(after.x - ::MulDiv(before.x, moved, dpi)) <= 1 &&
                          std::abs(after.y - ::MulDiv(before.y, moved, dpi)) <= 1,
                      "the button keeps its place on the picture");
            const RECT place = e2e::WindowRect(about);
            E2E_CHECK(std::abs(place.left + place.right - suggested.left - suggested.right) <= 1 &&
                          std::abs(place.top + place.bottom - suggested.top - suggested.bottom) <= 1,
                      "the moved box is centred on the suggested place");
            first = false;
        }
        E2E_CHECK(e2e::ClosedByKey(about, r.closingKey), route + ": the closing key closes it");
        E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
    }
}
