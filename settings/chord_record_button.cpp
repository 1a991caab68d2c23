#include "settings/chord_record_button.h"

#include "dispatch/chord_text.h"

#include <vector>

namespace {

constexpr char kRecordText[] = "Record";
constexpr char kWaitingText[] = "Type keys...";

bool Down(int vk) {
    return (::GetKeyState(vk) & 0x8000) != 0;
}

bool IsModifier(WPARAM vk) {
    switch (vk) {
        case VK_CONTROL:
        case VK_SHIFT:
        case VK_MENU:
        case VK_LWIN:
        case VK_RWIN:
        case VK_LCONTROL:
        case VK_RCONTROL:
        case VK_LSHIFT:
        case VK_RSHIFT:
        case VK_LMENU:
        case VK_RMENU:
            return true;
        default:
            return false;
    }
}

// The modifiers held now, in the order chords are written, then the key.
std::vector<unsigned> ChordOf(WPARAM key) {
    std::vector<unsigned> keys;
    if (Down(VK_CONTROL)) {
        keys.push_back(VK_CONTROL);
    }
    if (Down(VK_SHIFT)) {
        keys.push_back(VK_SHIFT);
    }
    if (Down(VK_MENU)) {
        keys.push_back(VK_MENU);
    }
    if (Down(VK_LWIN) || Down(VK_RWIN)) {
        keys.push_back(VK_LWIN);
    }
    keys.push_back(static_cast<unsigned>(key));
    return keys;
}

}  // namespace

BOOL CChordRecordButton::Attach(UINT id, HWND dialog, std::function<void(const std::string&)> recorded) {
    m_recorded = std::move(recorded);
    return SubclassDlgItem(id, dialog);
}

void CChordRecordButton::Start() {
    m_bRecording = true;
    ::SetWindowTextA(m_hWnd, kWaitingText);
    ::SetFocus(m_hWnd);
}

void CChordRecordButton::Stop() {
    m_bRecording = false;
    ::SetWindowTextA(m_hWnd, kRecordText);
}

LRESULT CChordRecordButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            if (m_bRecording || m_nSwallowUntilUp != 0) {
                return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTMESSAGE;
            }
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!m_bRecording) {
                break;
            }
            if (!IsModifier(wParam)) {
                const std::string chord = ChordText(ChordOf(wParam));
                // A key no chord can name is passed over; the wait goes on.
                if (!chord.empty()) {
                    Stop();
                    m_nSwallowUntilUp = static_cast<unsigned>(wParam);
                    m_recorded(chord);
                }
            }
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_DEADCHAR:
        case WM_SYSDEADCHAR:
            if (m_bRecording || m_nSwallowUntilUp != 0) {
                return 0;
            }
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (m_bRecording) {
                return 0;
            }
            if (m_nSwallowUntilUp != 0) {
                if (wParam == m_nSwallowUntilUp) {
                    m_nSwallowUntilUp = 0;
                }
                return 0;
            }
            break;
        case WM_KILLFOCUS:
            m_nSwallowUntilUp = 0;
            if (m_bRecording) {
                Stop();
            }
            break;
        default:
            break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
