#include "tests/e2e/hook_fixture.h"

#include <windows.h>

namespace e2e {

void FeedReports(CKeyRoads& roads, const std::vector<ReportBytes>& reports) {
    ReportBytes block;
    for (const ReportBytes& report : reports) {
        block.insert(block.end(), report.begin(), report.end());
    }
    const auto size = static_cast<DWORD>(reports.empty() ? 0 : reports.front().size());
    roads.OnHidReports(block.data(), block.size(), size, static_cast<DWORD>(reports.size()), ::GetTickCount());
}

void TypeUserMenuHotKey() {
    const BYTE keys[] = {VK_CONTROL, VK_MENU, VK_SPACE};
    for (BYTE key : keys) {
        ::keybd_event(key, static_cast<BYTE>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC)), 0, 0);
    }
    for (int i = 2; i >= 0; --i) {
        ::keybd_event(keys[i], static_cast<BYTE>(::MapVirtualKeyA(keys[i], MAPVK_VK_TO_VSC)), KEYEVENTF_KEYUP, 0);
    }
}

}  // namespace e2e
