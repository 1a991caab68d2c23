#include "tests/e2e/dialog_driver.h"

#include "dispatch/text_encoding_win32.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/popups.h"
#include "tests/e2e/test_window.h"

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <utility>
#include <vector>

namespace e2e {

namespace {

constexpr char kDialogClass[] = "#32770";

// keyvane's visible dialog boxes, in the order the system lists them.
std::vector<HWND> Dialogs(const KeyvaneProcess& keyvane, const char* title) {
    std::vector<HWND> found;
    for (HWND dialog = ::FindWindowExA(nullptr, nullptr, kDialogClass, title); dialog != nullptr;
         dialog = ::FindWindowExA(nullptr, dialog, kDialogClass, title)) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(dialog, &pid);
        if (pid == keyvane.Pid() && ::IsWindowVisible(dialog)) {
            found.push_back(dialog);
        }
    }
    return found;
}

bool OwnsOneOf(HWND owner, const std::vector<HWND>& windows) {
    for (HWND window : windows) {
        if (::GetWindow(window, GW_OWNER) == owner) {
            return true;
        }
    }
    return false;
}

}  // namespace

void Press(BYTE key) {
    ::keybd_event(key, static_cast<BYTE>(::MapVirtualKeyA(key, 0)), 0, 0);
    ::keybd_event(key, static_cast<BYTE>(::MapVirtualKeyA(key, 0)), KEYEVENTF_KEYUP, 0);
}

namespace {

// Mouse events at a point of the screen, one per flag, as the mouse gives them.
void SendMouse(POINT point, std::initializer_list<DWORD> events) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN) - 1;
    const int height = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    std::vector<INPUT> inputs;
    for (const DWORD event : events) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = point.x * 65535 / width;
        input.mi.dy = point.y * 65535 / height;
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | event;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void ClickAt(int x, int y) {
    SendMouse({x, y}, {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
}

bool PointAndClick(POINT point, const std::function<bool()>& ready, unsigned timeoutMs) {
    const auto pointed = [&] {
        POINT cursor{};
        return ::GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y && ready();
    };
    // A hand's pointer is never quite still: under Wine a window that missed
    // the first move (a menu whose loop had not started) answers the next.
    const double until = NowMs() + timeoutMs;
    do {
        SendMouse(point, {MOUSEEVENTF_MOVE});
        if (WaitPumping(pointed, 200)) {
            ClickAt(point.x, point.y);
            return true;
        }
    } while (NowMs() < until);
    return false;
}

bool MenuItemHighlightedAt(HWND menu, POINT point) {
    // Left of the item's text, inside the menu's border: only the item's own
    // background is drawn there.
    const RECT rect = WindowRect(menu);
    const HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, rect.left + 5, point.y);
    ::ReleaseDC(nullptr, screen);
    return ::WindowFromPoint(point) == menu &&
           (colour == ::GetSysColor(COLOR_HIGHLIGHT) || colour == ::GetSysColor(COLOR_MENUHILIGHT));
}

void TypeKeys(const std::string& text) {
    for (const char c : text) {
        const SHORT key = ::VkKeyScanA(c);
        const bool shift = (key & 0x100) != 0;
        if (shift) {
            ::keybd_event(VK_SHIFT, static_cast<BYTE>(::MapVirtualKeyA(VK_SHIFT, 0)), 0, 0);
        }
        Press(static_cast<BYTE>(key & 0xFF));
        if (shift) {
            ::keybd_event(VK_SHIFT, static_cast<BYTE>(::MapVirtualKeyA(VK_SHIFT, 0)), KEYEVENTF_KEYUP, 0);
        }
    }
}

int ListRows(HWND list) {
    return static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

RemoteMemory::RemoteMemory(HWND window, size_t size) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    m_process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (m_process != nullptr) {
        m_address = static_cast<char*>(::VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
}

RemoteMemory::~RemoteMemory() {
    if (m_address != nullptr) {
        ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }
    if (m_process != nullptr) {
        ::CloseHandle(m_process);
    }
}

bool RemoteMemory::Write(const void* data, size_t size, size_t offset) const {
    return m_address != nullptr && ::WriteProcessMemory(m_process, m_address + offset, data, size, nullptr);
}

bool RemoteMemory::Read(void* data, size_t size, size_t offset) const {
    return m_address != nullptr && ::ReadProcessMemory(m_process, m_address + offset, data, size, nullptr);
}

LRESULT SendDpiChanged(HWND window, int dpi, const RECT& suggested) {
    const RemoteMemory place(window, sizeof suggested);
    if (!place || !place.Write(&suggested, sizeof suggested)) {
        return -1;
    }
    return ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), place.Address());
}

std::string ListCell(HWND list, int row, int column) {
    constexpr size_t kChars = 512;
    const RemoteMemory remote(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    std::wstring text(kChars, L'\0');
    if (remote) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<wchar_t*>(remote.Address() + sizeof(LVITEMW));
        item.cchTextMax = static_cast<int>(kChars);
        remote.Write(&item, sizeof item);
        const auto length = static_cast<size_t>(
            ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), remote.Address()));
        remote.Read(text.data(), kChars * sizeof(wchar_t), sizeof(LVITEMW));
        text.resize(std::min(length, kChars));
    }
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                            nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), bytes, nullptr,
                          nullptr);
    return utf8;
}

int ListSelection(HWND list) {
    return static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

HWND OpenMenu(const KeyvaneProcess& keyvane) {
    for (HWND menu = ::FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu != nullptr;
         menu = ::FindWindowExA(nullptr, menu, "#32768", nullptr)) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(menu, &pid);
        if (pid == keyvane.Pid() && ::IsWindowVisible(menu)) {
            return menu;
        }
    }
    return nullptr;
}

HWND FindDialog(const KeyvaneProcess& keyvane, const char* title, HWND owner) {
    for (HWND dialog : Dialogs(keyvane, title)) {
        if (owner == nullptr || ::GetWindow(dialog, GW_OWNER) == owner) {
            return dialog;
        }
    }
    return nullptr;
}

HWND WaitForDialog(const KeyvaneProcess& keyvane, const char* title, HWND owner, unsigned timeoutMs) {
    HWND dialog = nullptr;
    WaitPumping([&] { return (dialog = FindDialog(keyvane, title, owner)) != nullptr; }, timeoutMs);
    return dialog;
}

bool WaitClosed(HWND window, unsigned timeoutMs) {
    // Wine's dialog loop may destroy an ended dialog only at its next message;
    // it is hidden at once.
    return WaitPumping([&] { return !::IsWindow(window) || !::IsWindowVisible(window); }, timeoutMs);
}

std::string ItemText(HWND dialog, int id) {
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(dialog, id, text, 1024);
    return Utf8FromWide(text);
}

void SetItemText(HWND dialog, int id, const std::string& text) {
    ::SetDlgItemTextW(dialog, id, WideFromUtf8(text).c_str());
}

void ClickButton(HWND dialog, int id) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

bool ClosedByKey(HWND dialog, BYTE key) {
    ::SetForegroundWindow(dialog);
    WaitPumping([&] { return ::GetForegroundWindow() == dialog; }, 2000);
    Press(key);
    return WaitClosed(dialog);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

DialogsClosedAtEnd::~DialogsClosedAtEnd() {
    for (int round = 0; round < 5; ++round) {
        const std::vector<HWND> open = Dialogs(m_keyvane, nullptr);
        if (open.empty()) {
            return;
        }
        for (HWND dialog : open) {
            if (!OwnsOneOf(dialog, open)) {
                ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                WaitClosed(dialog);
            }
        }
    }
}

BmpImage CaptureScreen(const RECT& rect) {
    BmpImage image;
    image.width = rect.right - rect.left;
    image.height = rect.bottom - rect.top;
    image.bitsPerPixel = 32;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = image.width;
    header.biHeight = -image.height;  // top-down, row by row as BmpImage keeps them
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC screen = ::GetDC(nullptr);
    const HBITMAP bitmap =
        ::CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, image.width, image.height, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < image.width * image.height; ++i) {
        image.pixels.push_back(pixels[i] & 0xFFFFFF);
    }
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::DeleteObject(bitmap);
    ::ReleaseDC(nullptr, screen);
    return image;
}

void SaveScreenshot(HWND window, const std::string& name) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    // A window that has just come up is still being drawn: take the picture
    // once two looks a moment apart agree.
    BmpImage image = CaptureScreen(rect);
    WaitPumping(
        [&] {
            PumpMessages(100);
            BmpImage next = CaptureScreen(rect);
            const bool settled = next.pixels == image.pixels;
            image = std::move(next);
            return settled;
        },
        3000);
    const int rowSize = (image.width * 3 + 3) / 4 * 4;
    std::string rows;
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(rowSize), '\0');
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t pixel = image.At(x, y);
            row[x * 3] = static_cast<char>(pixel & 0xFF);
            row[x * 3 + 1] = static_cast<char>((pixel >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
        rows += row;
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = image.width;
    header.biHeight = image.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + rows.size());
    const std::string folder = TestDirectory() + "screenshots\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream out(folder + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(rows.data(), static_cast<std::streamsize>(rows.size()));
    E2E_CHECK(out.good(), "the screenshot " + name + " was written");
}

}  // namespace e2e
