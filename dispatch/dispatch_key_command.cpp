#include "app/globals.h"
#include "app/tamber_app.h"
#include "app/tamber_view.h"
#include "dispatch/key_command_dispatcher.h"
#include "dispatch/key_commands.h"
#include "dispatch/win32_desktop.h"
#include "framework/diagnostics.h"
#include "framework/stage_stamps.h"
#include "settings/keys_dialog.h"

#include <cstdint>

void CTamberView::DispatchKeyCommand(UINT code) {
    const auto command = static_cast<std::uint8_t>(code & 0xFF);
    if (!IsDefinedKeyCommand(command)) {
        framework::Trace("no command 0x%02X", command);
        return;
    }
    framework::Trace("command 0x%02X", command);
    framework::StampStage(framework::Stage::kDispatcherEntered);
    if (m_pKeysDlg != nullptr && m_pKeysDlg->TakeKey(command)) {
        return;
    }
    if (RunOwnKeyAction(command)) {
        return;
    }
    RunDispatcher([command](CKeyCommandDispatcher& dispatcher) { dispatcher.Dispatch(command); });
}

void CTamberView::ReleaseShiftLatch() {
    RunDispatcher([](CKeyCommandDispatcher& dispatcher) { dispatcher.ReleaseShiftLatch(); });
}

LRESULT CTamberView::OnVolumeChangedElsewhere(WPARAM muted, LPARAM volume) {
    RunDispatcher([&](CKeyCommandDispatcher& dispatcher) {
        dispatcher.VolumeChangedElsewhere(static_cast<std::uint32_t>(volume), static_cast<std::uint32_t>(muted));
    });
    return 0;
}

LRESULT CTamberView::OnDefaultDeviceChanged(WPARAM, LPARAM) {
    m_endpointVolume.FollowDefaultDevice();
    framework::Trace("new default playback device followed");
    return 0;
}

void CTamberView::RunDispatcher(const std::function<void(CKeyCommandDispatcher&)>& action) {
    const CTamberApp& app = TheApp();
    const ProgramPaths paths{app.m_strStartPage, app.m_strMediaPath, app.m_strCalculatorPath};
    DispatcherState state{m_bEjectOpens, m_bShiftLatched != FALSE, static_cast<std::uint32_t>(m_dwVolume),
                          static_cast<std::uint32_t>(m_bMute)};
    CWin32Desktop desktop(*this);
    CKeyCommandDispatcher dispatcher(desktop, g_nOsKind, paths, state, g_nOsRelease);
    action(dispatcher);
    m_bEjectOpens = state.bEjectOpens;
    m_bShiftLatched = state.bShiftLatched ? TRUE : FALSE;
    m_dwVolume = state.dwVolume;
    m_bMute = state.bMute;
}
