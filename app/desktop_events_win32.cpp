// Sleep and resume, lock and unlock: the view lets go of the keys it holds
// before, and has the hook library set the key input up afresh after.
#include "app/desktop_events.h"
#include "app/tamber_view.h"
#include "dispatch/key_chord.h"
#include "dispatch/win32_desktop.h"
#include "framework/diagnostics.h"

#include <string>

static_assert(desktop_events::kPowerBroadcast == WM_POWERBROADCAST, "the power message");
static_assert(desktop_events::kSessionChange == WM_WTSSESSION_CHANGE, "the session message");

namespace {

const char* ModifierName(unsigned vk) {
    switch (vk) {
        case VK_SHIFT:
            return "Shift";
        case VK_CONTROL:
            return "Ctrl";
        case VK_MENU:
            return "Alt";
        default:
            return "Win";
    }
}

}  // namespace

void CTamberView::OnDesktopEvent(UINT message, WPARAM code) {
    const desktop_events::Response response = desktop_events::ResponseTo(message, code);
    if (response.letGoOfKeys) {
        std::string letGo = m_bShiftLatched ? " the latched Shift" : "";
        ReleaseShiftLatch();
        CWin32Desktop desktop(*this);
        for (const unsigned vk : LetGoOfStrayModifiers(desktop)) {
            letGo += std::string(letGo.empty() ? " " : ", ") + ModifierName(vk);
        }
        framework::Trace("%s: let go of%s", response.event, letGo.empty() ? " nothing, no key was held" : letGo.c_str());
    }
    // The hook thread says in one line what it set up afresh.
    if (response.renewKeyInput) {
        m_keybdhook.Renew(response.event);
    }
}
