// The Keys window's Record button: once pressed, it takes the next chord the
// user types (modifiers held, then one key) instead of letting the dialog act
// on it, so that even Tab, Enter or Esc can be recorded.
#pragma once

#include "framework/wnd.h"

#include <functional>
#include <string>

class CChordRecordButton : public framework::CWnd {
public:
    // Takes over the dialog's button `id`; `recorded` gets each chord as text ("Ctrl+Shift+N").
    BOOL Attach(UINT id, HWND dialog, std::function<void(const std::string&)> recorded);
    // Waits for the next chord; the focus leaving the button stops the wait.
    void Start();
    bool Recording() const { return m_bRecording; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Stop();

    std::function<void(const std::string&)> m_recorded;
    bool m_bRecording = false;
    // The recorded key's characters and release still belong to the recording.
    unsigned m_nSwallowUntilUp = 0;
};
