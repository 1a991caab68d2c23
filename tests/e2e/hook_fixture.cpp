#include "tests/e2e/hook_fixture.h"

#include <windows.h>

#include <iterator>

namespace e2e {

void FeedReports(CKeyRoads& roads, const std::vector<ReportBytes>& reports) {
    ReportBytes block;
    for (const ReportBytes& report : reports) {
        block.insert(block.end(), report.begin(), report.end());
    }
    const auto size = static_cast<DWORD>(reports.empty() ? 0 : reports.front().size());
    roads.OnHidReports(block.data(), block.size(), size, static_cast<DWORD>(reports.size()), ::GetTickCount());
}

void TypeKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
}

namespace {

const WORD kHotKeyKeys[] = {VK_CONTROL, VK_MENU, VK_SPACE};

// One key event, then the pause a typing person leaves before the next.
void TypeKeyEvent(WORD key, bool up) {
    TypeKey(key, up);
    ::Sleep(30);
}

}  // namespace

void PressUserMenuHotKey() {
    for (auto key = std::begin(kHotKeyKeys); key != std::end(kHotKeyKeys); ++key) {
        // Wine lets go of every key that X does not hold when one of its
        // windows gains the X focus or the pointer: keys sent with SendInput,
        // unlike a person's, which stay held. So they are held again.
        for (auto held = std::begin(kHotKeyKeys); held != key; ++held) {
            if ((::GetAsyncKeyState(*held) & 0x8000) == 0) {
                TypeKeyEvent(*held, false);
            }
        }
        TypeKeyEvent(*key, false);
    }
}

void ReleaseUserMenuHotKey() {
    for (auto key = std::rbegin(kHotKeyKeys); key != std::rend(kHotKeyKeys); ++key) {
        TypeKeyEvent(*key, true);
    }
}

void TypeUserMenuHotKey() {
    PressUserMenuHotKey();
    ReleaseUserMenuHotKey();
}

}  // namespace e2e
