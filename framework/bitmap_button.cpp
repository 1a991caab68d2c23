#include "framework/bitmap_button.h"


namespace framework {

BOOL CBitmapButton::AutoLoad(UINT id, CWnd& parent, const PictureLoader& load) {
    return SubclassDlgItem(id, parent.m_hWnd) && LoadPictures(load);
}

BOOL CBitmapButton::LoadPictures(const PictureLoader& load) {
    char caption[64] = {};
    ::GetWindowTextA(m_hWnd, caption, sizeof caption);
    const std::string name = caption;
    const PictureLoader picture =
        load ? load : [](const std::string& resource) { return LoadBitmapResource(resource.c_str()); };
    m_normal = picture(name + "U");
    m_pressed = picture(name + "D");
    m_focused = picture(name + "F");
    m_disabled = picture(name + "X");
    if (!m_normal) {
        return FALSE;
    }
    BITMAP info{};
    ::GetObjectA(m_normal.get(), sizeof info, &info);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, info.bmWidth, info.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
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
