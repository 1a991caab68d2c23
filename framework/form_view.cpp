#include "framework/form_view.h"

#include "framework/frame_wnd.h"

#include <algorithm>

namespace framework {

BOOL CFormView::CreateView(CFrameWnd& frame, UINT id, CDocument* document) {
    AttachToFrame(frame, document);
    if (!CreateDialogWindow(MAKEINTRESOURCEA(m_nTemplateId), frame.m_hWnd)) {
        return FALSE;
    }
    ::SetWindowLongPtrA(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(id));
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    m_sizeTemplate = SIZE{rect.right - rect.left, rect.bottom - rect.top};
    return TRUE;
}

void CFormView::ResizeParentToFit(bool shrinkOnly) {
    const HWND frame = GetParentFrame()->m_hWnd;
    RECT client{};
    ::GetClientRect(frame, &client);
    RECT window{};
    ::GetWindowRect(frame, &window);
    int width = m_sizeTemplate.cx;
    int height = m_sizeTemplate.cy;
    if (shrinkOnly) {
        width = std::min<int>(width, client.right - client.left);
        height = std::min<int>(height, client.bottom - client.top);
    }
    // Keep the frame's borders, menu and bars: change the client area only.
    const int extraWidth = (window.right - window.left) - (client.right - client.left);
    const int extraHeight = (window.bottom - window.top) - (client.bottom - client.top);
    ::SetWindowPos(frame, nullptr, 0, 0, width + extraWidth, height + extraHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace framework
