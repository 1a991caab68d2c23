#include "framework/control_bars.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace framework {

namespace {

constexpr WORD kToolBarResourceType = 241;

// The tool bar resource: version 1, button width and height, then one command
// identifier per button, 0 for a separator.
struct ToolBarResource {
    WORD version;
    WORD width;
    WORD height;
    WORD count;
    const WORD* items;
};

bool ReadToolBarResource(UINT id, ToolBarResource* out) {
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    const HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(kToolBarResourceType));
    const HGLOBAL loaded = found == nullptr ? nullptr : ::LoadResource(instance, found);
    const auto* words = loaded == nullptr ? nullptr : static_cast<const WORD*>(::LockResource(loaded));
    const DWORD bytes = found == nullptr ? 0 : ::SizeofResource(instance, found);
    if (words == nullptr || bytes < 4 * sizeof(WORD) || words[0] != 1 ||
        bytes < (4u + words[3]) * sizeof(WORD)) {
        return false;
    }
    *out = ToolBarResource{words[0], words[1], words[2], words[3], words + 4};
    return true;
}

HWND CreateBar(CFrameWnd& frame, LPCSTR className, DWORD style) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&init);
    return ::CreateWindowExA(0, className, nullptr, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, frame.m_hWnd,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

int BarHeight(HWND bar) {
    RECT rect{};
    ::GetWindowRect(bar, &rect);
    return rect.bottom - rect.top;
}

}  // namespace

BOOL CToolBar::CreateEx(CFrameWnd& frame) {
    m_hWnd = CreateBar(frame, TOOLBARCLASSNAMEA, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NORESIZE);
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    ::SendMessageA(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    frame.AddControlBar(*this);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT id) {
    ToolBarResource resource{};
    if (!ReadToolBarResource(id, &resource)) {
        return FALSE;
    }
    ::SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(resource.width, resource.height));
    const WORD images = static_cast<WORD>(
        std::count_if(resource.items, resource.items + resource.count, [](WORD item) { return item != 0; }));
    TBADDBITMAP bitmap{::GetModuleHandleA(nullptr), id};
    if (::SendMessageA(m_hWnd, TB_ADDBITMAP, images, reinterpret_cast<LPARAM>(&bitmap)) < 0) {
        return FALSE;
    }
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (WORD i = 0; i < resource.count; ++i) {
        TBBUTTON button{};
        if (resource.items[i] == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = image++;
            button.idCommand = resource.items[i];
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        buttons.push_back(button);
    }
    return static_cast<BOOL>(::SendMessageA(m_hWnd, TB_ADDBUTTONSA, buttons.size(),
                                            reinterpret_cast<LPARAM>(buttons.data())));
}

void CToolBar::Reposition(RECT& client) {
    ::SendMessageA(m_hWnd, TB_AUTOSIZE, 0, 0);
    const int height = BarHeight(m_hWnd);
    ::MoveWindow(m_hWnd, client.left, client.top, client.right - client.left, height, TRUE);
    client.top = std::min(client.bottom, client.top + height);
}

BOOL CStatusBar::Create(CFrameWnd& frame) {
    m_hWnd = CreateBar(frame, STATUSCLASSNAMEA, CCS_BOTTOM);
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    frame.AddControlBar(*this);
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
    if (count <= 0 || count > 255) {
        return FALSE;
    }
    // Indicator panes are as wide as their text; the first pane takes the rest.
    const HDC dc = ::GetDC(m_hWnd);
    m_widths.assign(static_cast<size_t>(count), 0);
    std::vector<std::string> texts(static_cast<size_t>(count));
    for (size_t i = 0; i < texts.size(); ++i) {
        char text[64] = {};
        if (ids[i] != 0) {
            ::LoadStringA(::GetModuleHandleA(nullptr), ids[i], text, sizeof text);
        }
        texts[i] = text;
        SIZE extent{};
        ::GetTextExtentPoint32A(dc, text, static_cast<int>(texts[i].size()), &extent);
        m_widths[i] = extent.cx + 8;
    }
    ::ReleaseDC(m_hWnd, dc);
    if (!SetParts()) {
        return FALSE;
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        ::SendMessageA(m_hWnd, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(texts[i].c_str()));
    }
    return TRUE;
}

BOOL CStatusBar::SetParts() {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    std::vector<int> edges(m_widths.size());
    int edge = client.right;
    for (size_t i = m_widths.size(); i-- > 0;) {
        edges[i] = i + 1 == m_widths.size() ? -1 : std::max(0, edge);
        edge -= m_widths[i];
    }
    return ::SendMessageA(m_hWnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data())) != 0;
}

void CStatusBar::Reposition(RECT& client) {
    ::SendMessageA(m_hWnd, WM_SIZE, 0, 0);
    const int height = BarHeight(m_hWnd);
    ::MoveWindow(m_hWnd, client.left, client.bottom - height, client.right - client.left, height, TRUE);
    client.bottom = std::max(client.top, client.bottom - height);
    SetParts();
}

}  // namespace framework
