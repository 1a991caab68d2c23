#include "osd/picture_monitor.h"

#include "osd/monitor_choice.h"
#include "osd/picture_dpi.h"
#include "settings/settings_store.h"

#include <windows.h>

#include <vector>

namespace {

// Both appeared after the releases the program still runs on, so they are
// looked up once, at the first picture, rather than imported.
using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using MetricsForDpi = int(WINAPI*)(int, UINT);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

// Null where the release lacks it. The library comes only from the system
// folder; releases that cannot search there alone lack both functions anyway.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
    const HMODULE module = ::LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const FARPROC found = module == nullptr ? nullptr : ::GetProcAddress(module, name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

int MonitorDpi(HMONITOR monitor, int screenDpi) {
    static const auto query = SystemFunction<DpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    if (query != nullptr && SUCCEEDED(query(monitor, kEffectiveDpi, &x, &y)) && x > 0) {
        return static_cast<int>(x);
    }
    return screenDpi;
}

int CaptionHeight(int dpi, int screenDpi) {
    static const auto query = SystemFunction<MetricsForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
    return query != nullptr ? query(SM_CYCAPTION, static_cast<UINT>(dpi))
                            : ::MulDiv(::GetSystemMetrics(SM_CYCAPTION), dpi, screenDpi);
}

PopupArea AreaOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

struct Listing {
    int screenDpi;
    std::vector<MonitorFacts> monitors;
};

BOOL CALLBACK ListMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& listing = *reinterpret_cast<Listing*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(monitor, &info)) {
        listing.monitors.push_back({AreaOf(info.rcMonitor), AreaOf(info.rcWork),
                                    MonitorDpi(monitor, listing.screenDpi), (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}

MonitorClues ReadClues() {
    MonitorClues clues;
    POINT pointer{};
    if (::GetCursorPos(&pointer)) {
        clues.pointer = PopupPoint{pointer.x, pointer.y};
    }
    RECT window{};
    const HWND foreground = ::GetForegroundWindow();
    if (foreground != nullptr && ::GetWindowRect(foreground, &window)) {
        clues.foreground = AreaOf(window);
    }
    return clues;
}

}  // namespace

PictureSpot NextPictureSpot() {
    Listing listing{PictureDpi(), {}};
    ::EnumDisplayMonitors(nullptr, nullptr, ListMonitor, reinterpret_cast<LPARAM>(&listing));
    const PopupPoint fullScreen{::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN)};
    const auto chosen = ChooseMonitor(listing.monitors, ReadPictureMonitor(), ReadClues());
    if (!chosen) {
        return {listing.screenDpi, fullScreen,
                {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}};
    }
    const MonitorFacts& monitor = listing.monitors[*chosen];
    return SpotOn(monitor, fullScreen, CaptionHeight(monitor.dpi, listing.screenDpi));
}
