#include "framework/frame_wnd.h"

#include "framework/control_bars.h"
#include "framework/win_app.h"

#include <string>

namespace framework {

namespace {

// The frame's client pane (the view) has this child identifier.
constexpr UINT kFirstPaneId = 0xE900;

std::string LoadFirstLine(UINT id) {
    char text[256] = {};
    ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof text);
    const std::string all(text);
    return all.substr(0, all.find('\n'));
}

}  // namespace

const MessageMap& CFrameWnd::ThisMessageMap() {
    static const MessageEntry entries[] = {
        OnMessage<&CFrameWnd::OnCreate>(WM_CREATE),
        OnMessage<&CFrameWnd::OnSize>(WM_SIZE),
    };
    static const MessageMap map = MakeMessageMap(&CWnd::ThisMessageMap(), entries);
    return map;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (cs.lpszClass == nullptr) {
        const HINSTANCE instance = ::GetModuleHandleA(nullptr);
        cs.lpszClass = RegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                                        ::LoadIconA(instance, MAKEINTRESOURCEA(m_nResourceId)));
    }
    return cs.lpszClass != nullptr;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CCreateContext* context) {
    m_nResourceId = resourceId;
    const std::string title = LoadFirstLine(resourceId);
    const HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId));
    m_pCreating = context;
    const BOOL created = CreateEx(0, nullptr, title.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, nullptr, menu, nullptr);
    m_pCreating = nullptr;
    if (!created && menu != nullptr) {
        ::DestroyMenu(menu);
    }
    return created;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA) {
    if (m_pCreating == nullptr || !m_pCreating->m_newView) {
        return 0;
    }
    std::unique_ptr<CView> view = m_pCreating->m_newView();
    if (!view->CreateView(*this, kFirstPaneId, m_pCreating->m_pCurrentDoc)) {
        return -1;
    }
    m_view = std::move(view);
    return 0;
}

void CFrameWnd::OnSize() {
    RecalcLayout();
}

void CFrameWnd::RecalcLayout() {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    for (CControlBar* bar : m_controlBars) {
        bar->Reposition(client);
    }
    if (m_view) {
        ::MoveWindow(m_view->m_hWnd, client.left, client.top, client.right - client.left,
                     client.bottom - client.top, TRUE);
    }
}

void CFrameWnd::InitialUpdateFrame(BOOL makeVisible) {
    if (m_view) {
        m_view->OnInitialUpdate();
    }
    if (makeVisible) {
        ::ShowWindow(m_hWnd, SW_SHOW);
    }
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) <= 1) {
        const UINT id = LOWORD(wParam);
        CDocument* document = GetActiveDocument();
        if ((m_view && m_view->OnCmdMsg(id)) || OnCmdMsg(id) || (document != nullptr && document->OnCmdMsg(id)) ||
            (GetApp() != nullptr && GetApp()->OnCmdMsg(id))) {
            return 0;
        }
        return DefWindowProc(message, wParam, lParam);
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace framework
