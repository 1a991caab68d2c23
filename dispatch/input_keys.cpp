#include "dispatch/key_command_dispatcher.h"
#include "dispatch/virtual_keys.h"

#include <algorithm>

namespace {

// Wheel amounts of the scroll codes 0x14-0x17 (up); 0x18-0x1B scroll as far down.
constexpr int kScrollAmounts[] = {96, 64, 128, 256};
constexpr std::uint8_t kFirstScrollDown = 0x18;
constexpr unsigned kNextWindowStepMs = 50;

// The titles of the Office programs that print with Ctrl+P, tried in this order.
constexpr const char* kPrintingPrograms[] = {"Word", "Outlook", "PowerPoint", "FrontPage", "Excel"};

}  // namespace

void CKeyCommandDispatcher::PressShift(bool up) {
    m_desktop.SendKeys({KeyEvent{kVkShift, up, true}});
}

void CKeyCommandDispatcher::ToggleShiftLatch() {
    PressShift(m_state.bShiftLatched);
    m_state.bShiftLatched = !m_state.bShiftLatched;
}

void CKeyCommandDispatcher::ReleaseShiftLatch() {
    if (m_state.bShiftLatched) {
        PressShift(true);
        m_state.bShiftLatched = false;
    }
}

void CKeyCommandDispatcher::CloseWindow() {
    if (!OwnWindowInFront()) {
        Chord({kVkMenu, kVkF4});
    }
}

void CKeyCommandDispatcher::NextWindow() {
    // The system's own Alt+Esc, paced so that it sees each step, without scan codes.
    m_desktop.SendKeys({KeyEvent{kVkLmenu, false, false}});
    m_desktop.Sleep(kNextWindowStepMs);
    m_desktop.SendKeys({KeyEvent{kVkEscape, false, false}});
    m_desktop.Sleep(kNextWindowStepMs);
    m_desktop.SendKeys({KeyEvent{kVkEscape, true, false}});
    m_desktop.Sleep(kNextWindowStepMs);
    m_desktop.SendKeys({KeyEvent{kVkLmenu, true, false}});
    const WindowId foreground = m_desktop.ForegroundWindow();
    if (foreground == 0) {
        return;
    }
    if (m_desktop.IsMinimized(foreground)) {
        m_desktop.RestoreWindow(foreground);
    }
    m_desktop.BringWindowToTop(foreground);
}

void CKeyCommandDispatcher::Print() {
    const WindowId foreground = m_desktop.ForegroundWindow();
    if (foreground == 0) {
        return;
    }
    const std::string title = m_desktop.WindowTitle(foreground);
    if (std::any_of(std::begin(kPrintingPrograms), std::end(kPrintingPrograms),
                    [&](const char* program) { return title.find(program) != std::string::npos; })) {
        Chord({kVkControl, 'P'});
    }
}

void CKeyCommandDispatcher::Scroll(std::uint8_t code) {
    const bool down = code >= kFirstScrollDown;
    if (OwnWindowInFront()) {
        // The program's own window takes the arrow keys instead.
        Chord({down ? kVkDown : kVkUp});
        return;
    }
    const int amount = kScrollAmounts[code & 0x03];
    m_desktop.MouseWheel(down ? -amount : amount);
}
