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
constexpr UINT kTrayNotify = WM_USER + 100;
constexpr UINT kTrayIcon = 128;

// Whether the screen shows the picture, at the screen's scale, over rect
// (screen coordinates) from its row `top` on, each channel within
// `tolerance`: a 16-bit picture's colours are widened by Wine and the test
// reader each their own way, a stretched one is off by far more.
bool Shows(const RECT& rect, const char* picture, int top = 0, int tolerance = 0) {
    const StripPixels expected = e2e::ExpectedPicture(picture, e2e::ScreenDpi());
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

bool ButtonShows(HWND button, const char* picture) {
    return Shows(e2e::WindowRect(button), picture);
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
                  {"a double click on the tray icon", keyvane.View(), kTrayNotify, kTrayIcon, WM_LBUTTONDBLCLK,
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
        RECT client{};
        ::GetClientRect(about, &client);
        E2E_CHECK(client.right == ScaledLength(280, dpi) && client.bottom == ScaledLength(150, dpi),
                  route + ": the box is the about picture's size");
        const HWND button = ::GetDlgItem(about, IDOK);
        const RECT rect = e2e::WindowRect(button);
        E2E_CHECK(rect.right - rect.left == ScaledLength(49, dpi) && rect.bottom - rect.top == ScaledLength(19, dpi),
                  route + ": the button takes its picture's 49 x 19 pixels at the screen's scale, got " +
                      std::to_string(rect.right - rect.left) + " x " + std::to_string(rect.bottom - rect.top));
        E2E_CHECK(e2e::FocusOf(about) == button, route + ": the button has the focus");
        // Below the button and the frame at the corner, the box is the picture itself.
        POINT origin{0, 0};
        ::ClientToScreen(about, &origin);
        const int top = ScaledLength(100, dpi);
        const RECT low{origin.x, origin.y + top, origin.x + client.right, origin.y + client.bottom};
        E2E_CHECK(e2e::WaitPumping([&] { return Shows(low, "ABOUT", top, 8); }, 3000),
                  route + ": the box shows the about picture at the screen's scale");
        E2E_CHECK(e2e::WaitPumping([&] { return ButtonShows(button, "OKF"); }, 3000),
                  route + ": the focused button shows its focused picture");
        if (first) {
            e2e::SaveScreenshot(about, "about_box");
            ::SendMessageA(button, BM_SETSTATE, TRUE, 0);
            E2E_CHECK(e2e::WaitPumping([&] { return ButtonShows(button, "OKD"); }, 3000),
                      "the pressed button shows its pressed picture");
            ::SendMessageA(button, BM_SETSTATE, FALSE, 0);
            E2E_CHECK(e2e::WaitPumping([&] { return ButtonShows(button, "OKF"); }, 3000),
                      "let go, it shows its focused picture again");
            first = false;
        }
        E2E_CHECK(e2e::ClosedByKey(about, r.closingKey), route + ": the closing key closes it");
        E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
    }
}
