#include "hookwell/key_roads.h"

#include "app/key_intake.h"
#include "dispatch/version_sets.h"
#include "dispatch/virtual_keys.h"
#include "framework/diagnostics.h"
#include "hookwell/hid_block.h"
#include "hookwell/multimedia_keys.h"
#include "hookwell/report_matcher.h"
#include "hookwell/user_menu_gate.h"
#include "settings/settings_store.h"
#include "settings/volume_keys_setting.h"

namespace {

// The view opens the user menu when its timer 4 fires; the timer belongs to
// the view's thread, so its expiry is posted.
constexpr WPARAM kUserMenuTimer = 4;

}  // namespace

CKeyRoads::CKeyRoads(HWND view, int osKind)
    : m_hWndView(view), m_nOsKind(osKind), m_uKeyCommandMsg(::RegisterWindowMessageA("KeyCommand")) {}

bool CKeyRoads::OnVirtualKey(unsigned vk, bool down, DWORD timeMs) noexcept {
    const auto command = KeyCommandForVirtualKey(vk);
    if (!command) {
        return false;
    }
    // Read at each key, so that the Keys window's choice holds from the next key on.
    const bool taken = IsVolumeKey(vk) && ProgramSetsVolume(m_nOsKind, ReadVolumeKeysSetting());
    // Held, a volume key steps again at each repeat, as Windows' own do; mute switches once.
    if (m_rule.TakeVirtualKey(vk, down, timeMs, taken && vk != kVkVolumeMute)) {
        ::PostMessageA(m_hWndView, m_uKeyCommandMsg, 0, *command);
    }
    return taken;
}

void CKeyRoads::OnHidReports(const BYTE* data, std::size_t available, DWORD size, DWORD count, DWORD timeMs) {
    if (!HidReportsFit(available, size, count)) {
        return;
    }
    for (DWORD i = 0; i < count; ++i) {
        const auto report = MatchReport(data + static_cast<std::size_t>(i) * size, size);
        if (!report || !m_rule.TakeReport(*report, timeMs)) {
            continue;
        }
        ::PostMessageA(m_hWndView, kMsgKeyLogRecord, 0, *report);
        if (*report == kMenuKeyReport) {
            OnUserMenuRequest();
        }
    }
}

void CKeyRoads::OnUserMenuRequest() {
    // Read afresh: the Keyboard Properties dialog may have switched it since.
    const int menuEnable = ReadMenuEnable();
    if (UserMenuRequestOpens(menuEnable)) {
        ::PostMessageA(m_hWndView, WM_TIMER, kUserMenuTimer, 0);
    }
    // After the post: by the time the line shows, the timer message is queued.
    framework::Trace("user-menu request, menu switch %d", menuEnable);
}

int CKeyRoads::TakeReportsMissedByHook(DWORD nowMs) {
    return m_rule.TakeReportsMissedByHook(nowMs);
}

void CKeyRoads::ForgetHeldKeys() {
    m_rule.ForgetHeldKeys();
}
