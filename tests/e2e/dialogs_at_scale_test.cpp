// Every dialog of keyvane on a screen of 150 % with the system's visual style
// in force: drawn at that scale, each control inside its dialog and each label
// whole, the style seen on the buttons, and a picture of each for a reviewer.
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/popups.h"
#include "tests/e2e/screen_settings.h"

#include "osd/strip_scale.h"
#include "res/resource.h"

#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kScaledDpi = 144;

// A dialog, its template and the way a user opens it.
struct Route {
    const char* name;   // of its picture
    const char* title;  // null: the captionless About box
    int templateId;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

constexpr Route kRoutes[] = {
    {"about", nullptr, IDD_ABOUTBOX, e2e::kTrayNotify, e2e::kTrayIcon, WM_LBUTTONDBLCLK},  // a double click on the tray icon
    {"keyboard_properties", "Keyboard Properties", IDD_KEYBOARD_PROP, WM_COMMAND, ID_CONFIG, 0},
    {"setup", "Setup", IDD_SETUP, WM_COMMAND, ID_SETUP, 0},
    {"keys_window", "Keys", IDD_KEYS, WM_COMMAND, ID_TRAY_KEYS, 0}};

// Skips a name or number of a dialog template (menu, class); past a text.
const WORD* PastNameOrNumber(const WORD* at) {
    if (*at == 0xFFFF) {
        return at + 2;
    }
    while (*at != 0) {
        ++at;
    }
    return at + 1;
}

// The font a dialog's controls are drawn with on a screen of kScaledDpi: the
// one its template in keyvane.exe names, at that scale. (Wine passes no font
// handle between processes, so it cannot be asked of the dialog itself.)
LOGFONTW ScaledTemplateFont(int templateId) {
    const std::string path = e2e::TestDirectory() + "keyvane.exe";
    const HMODULE module = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC found = module == nullptr ? nullptr : ::FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    LOGFONTW font{};
    font.lfCharSet = DEFAULT_CHARSET;
    if (found != nullptr) {
        const auto* words = static_cast<const WORD*>(::LockResource(::LoadResource(module, found)));
        const bool extended = words[0] == 1 && words[1] == 0xFFFF;
        // Past the header, the menu, the class and the title to the size in points.
        const WORD* at = PastNameOrNumber(PastNameOrNumber(PastNameOrNumber(words + (extended ? 13 : 9))));
        font.lfHeight = -::MulDiv(at[0], kScaledDpi, 72);
        font.lfWeight = extended ? at[1] : FW_NORMAL;
        ::lstrcpynW(font.lfFaceName, reinterpret_cast<const wchar_t*>(at + (extended ? 3 : 1)), LF_FACESIZE);
    }
    if (module != nullptr) {
        ::FreeLibrary(module);
    }
    E2E_CHECK(font.lfFaceName[0] != L'\0', "keyvane.exe holds dialog " + std::to_string(templateId) + " with its font");
    return font;
}

HWND Open(const e2e::KeyvaneProcess& keyvane, const Route& route) {
    ::PostMessageA(keyvane.View(), route.message, route.wParam, route.lParam);
    const HWND dialog = e2e::WaitForDialog(keyvane, route.title);
    E2E_CHECK(dialog != nullptr, std::string(route.name) + " opened");
    return dialog;
}

void Close(HWND dialog, const std::string& name) {
    E2E_CHECK(e2e::ClosedByKey(dialog, VK_ESCAPE), name + " closed with Esc");
}

SIZE ClientSize(HWND dialog) {
    RECT client{};
    ::GetClientRect(dialog, &client);
    return {client.right, client.bottom};
}

// Dialog units follow the font's height and average width in whole pixels,
// which grow by a little more or less than the scale.
bool HalfAsLargeAgain(LONG scaled, LONG unscaled) {
    return std::abs(static_cast<double>(scaled) / unscaled - 1.5) <= 0.1;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        ::SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::string Utf8(const std::wstring& text) {
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                          utf8.data(), static_cast<int>(utf8.size()), nullptr,
                                                          nullptr)));
    return utf8;
}

// The width a control leaves its label beside what it draws itself, and
// whether the label goes on to further lines; no room for a label that is
// not text (a picture, a frame, a button drawn by the program).
struct Room {
    bool text;
    LONG width;
    UINT wraps;  // DT_WORDBREAK or 0
};

Room RoomOf(HWND control, LONG width) {
    const auto style = static_cast<DWORD>(::GetWindowLongW(control, GWL_STYLE));
    wchar_t kind[16] = {};
    ::GetClassNameW(control, kind, 16);
    if (std::wstring(kind) == L"Static") {
        switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
            return {true, width, DT_WORDBREAK};
        case SS_LEFTNOWORDWRAP:
        case SS_SIMPLE:
            return {true, width, 0};
        default:
            return {false, 0, 0};
        }
    }
    if (std::wstring(kind) == L"Button") {
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return {true, width - 2 * ScaledLength(3, kScaledDpi), 0};
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            // Less the box and the gap between it and the label.
            return {true, width - ScaledLength(13 + 4, kScaledDpi), 0};
        case BS_GROUPBOX:
            return {true, width - 2 * ScaledLength(8, kScaledDpi), 0};
        default:
            return {false, 0, 0};
        }
    }
    return {false, 0, 0};
}

// Measures labels in one font.
class TextMeasure {
public:
    explicit TextMeasure(const LOGFONTW& font)
        : m_dc(::CreateCompatibleDC(nullptr)),
          m_font(::CreateFontIndirectW(&font)),
          m_old(::SelectObject(m_dc, m_font)) {}
    ~TextMeasure() {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_font);
        ::DeleteDC(m_dc);
    }
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    // The size the text takes drawn in at most `width` (on further lines with DT_WORDBREAK).
    RECT Needed(const std::wstring& text, LONG width, UINT wraps) const {
        RECT needed{0, 0, width, 0};
        ::DrawTextW(m_dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | wraps);
        return needed;
    }

private:
    HDC m_dc;
    HFONT m_font;
    HGDIOBJ m_old;
};

// Each control lies within the dialog's client area, and each label, in the
// dialog's font, fits the room its control gives it.
void CheckControlsFit(HWND dialog, const LOGFONTW& font, const std::string& name) {
    const SIZE client = ClientSize(dialog);
    const TextMeasure measure(font);
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control != nullptr;
         control = ::GetWindow(control, GW_HWNDNEXT)) {
        RECT rect = e2e::WindowRect(control);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        const std::wstring text = TextOf(control);
        const std::string what = name + ", control " + std::to_string(::GetDlgCtrlID(control)) + " \"" +
                                 Utf8(text) + "\"";
        E2E_CHECK(rect.left >= 0 && rect.top >= 0 && rect.right <= client.cx && rect.bottom <= client.cy,
                  what + " lies inside the dialog");
        const Room room = RoomOf(control, rect.right - rect.left);
        if (!room.text || text.empty()) {
            continue;
        }
        const RECT needed = measure.Needed(text, room.width, room.wraps);
        E2E_CHECK(needed.right <= room.width && needed.bottom <= rect.bottom - rect.top,
                  what + " shows its label whole: it needs " + std::to_string(needed.right) + " x " +
                      std::to_string(needed.bottom) + " pixels, has " + std::to_string(room.width) + " x " +
                      std::to_string(rect.bottom - rect.top));
    }
}

// The visual style draws a push button's face in a colour of its own, where
// the classic look paints it in the dialog's: most of the Cancel button
// differs from the dialog's background beside it.
void CheckStyled(HWND dialog, const std::string& name) {
    const HWND cancel = ::GetDlgItem(dialog, IDCANCEL);
    E2E_CHECK(cancel != nullptr, name + " has a Cancel button");
    POINT corner{1, 1};
    ::ClientToScreen(dialog, &corner);
    const std::uint32_t background = e2e::CaptureScreen({corner.x, corner.y, corner.x + 1, corner.y + 1}).At(0, 0);
    const BmpImage button = e2e::CaptureScreen(e2e::WindowRect(cancel));
    size_t own = 0;
    for (const std::uint32_t pixel : button.pixels) {
        own += pixel != background ? 1 : 0;
    }
    E2E_CHECK(own * 2 > button.pixels.size(), name + ": the Cancel button is drawn in the visual style, " +
                                                  std::to_string(own) + " of " +
                                                  std::to_string(button.pixels.size()) +
                                                  " of its pixels differ from the background");
}

}  // namespace

// The About box is its picture and a button drawn by the program, with no
// text nor any part the style draws: its size alone tells its scale.
E2E_CASE(DialogsAtScale, EveryDialogAt150PercentWithTheVisualStyleIsScaledWholeAndStyled) {
    std::vector<SIZE> unscaled;
    {
        const e2e::ScreenScale scale(kBaseDpi);
        const e2e::DispatchSession keyvane("winxp");
        const e2e::DialogsClosedAtEnd closer(keyvane);
        for (const Route& route : kRoutes) {
            const HWND dialog = Open(keyvane, route);
            unscaled.push_back(ClientSize(dialog));
            Close(dialog, route.name);
        }
    }
    const e2e::ScreenScale scale(kScaledDpi);
    const e2e::LightVisualStyle style;
    const e2e::DispatchSession keyvane("winxp");
    const e2e::DialogsClosedAtEnd closer(keyvane);
    for (size_t i = 0; i < std::size(kRoutes); ++i) {
        const Route& route = kRoutes[i];
        const std::string name = route.name;
        const HWND dialog = Open(keyvane, route);
        const SIZE size = ClientSize(dialog);
        E2E_CHECK(HalfAsLargeAgain(size.cx, unscaled[i].cx) && HalfAsLargeAgain(size.cy, unscaled[i].cy),
                  name + " is half as large again as at 100 %: " + std::to_string(size.cx) + " x " +
                      std::to_string(size.cy) + " from " + std::to_string(unscaled[i].cx) + " x " +
                      std::to_string(unscaled[i].cy));
        CheckControlsFit(dialog, ScaledTemplateFont(route.templateId), name);
        if (route.title != nullptr) {
            CheckStyled(dialog, name);
        }
        e2e::SaveScreenshot(dialog, name + "_150");
        Close(dialog, name);
    }
}
