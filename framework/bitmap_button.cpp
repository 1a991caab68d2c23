#include "framework/bitmap_button.h"

#include <string>

namespace framework {

BOOL CBitmapButton::AutoLoad(UINT id, CWnd& parent) {
    if (!SubclassDlgItem(id, parent.m_hWnd)) {
        return FALSE;
    }
    char caption[64] = {};
    ::GetWindowTextA(m_hWnd, caption, sizeof caption);
    const std::string name = caption;
    m_normal = LoadBitmapResource((name + "U").c_str());
    m_pressed = LoadBitmapResource((name + "D").c_str());
    m_focused = LoadBitmapResource((name + "F").c_str());
    m_disabled = LoadBitmapResource((name + "X").c_str());
    if (!m_normal) {
        return FALSE;
    }
    BITMAP info{};
    ::GetObjectA(m_normal.get(), sizeof info, &info);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, info.bmWidth, info.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CBitmapButton::DrawItem(const DRAWITEMSTRUCT& item) {
    HBITMAP picture = m_normal.get();
    if ((item.itemState & ODS_SELECTED) && m_pressed) {
        picture = m_pressed.get();
    } else if ((item.itemState & ODS_FOCUS) && m_focused) {
        picture = m_focused.get();
    } else if ((item.itemState & ODS_DISABLED) && m_disabled) {
        picture = m_disabled.get();
    }
    BITMAP info{};
    ::GetObjectA(picture, sizeof info, &info);
    DrawBitmap(item.hDC, picture, info.bmWidth, info.bmHeight, item.rcItem.left, item.rcItem.top);
}

}  // namespace framework
