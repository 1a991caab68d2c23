#include "framework/wnd.h"

#include "framework/diagnostics.h"

#include <cstdio>
#include <exception>
#include <set>
#include <string>
#include <unordered_map>

namespace framework {

namespace {

// The message being handled on this thread, innermost first, for Default().
struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    CurrentMessage* outer;
};

thread_local CWnd* t_creating = nullptr;
thread_local CurrentMessage* t_current = nullptr;
// Windows belong to the thread that made them and are only handled there.
thread_local std::unordered_map<HWND, CWnd*> t_bound;

}  // namespace

// The framework's window procedure, its creation hook for dialogs, and the
// dialog procedure those dialogs are given.
struct WindowBinding {
    static LRESULT Dispatch(CWnd* self, UINT message, WPARAM wParam, LPARAM lParam) {
        CurrentMessage current{message, wParam, lParam, t_current};
        t_current = &current;
        LRESULT result = 0;
        try {
            result = self->WindowProc(message, wParam, lParam);
        } catch (const std::exception& e) {
            Trace("window message %u failed: %s", message, e.what());
        } catch (...) {
            Trace("window message %u failed: unknown exception", message);
        }
        t_current = current.outer;
        if (message == WM_NCDESTROY) {
            self->Unbind();
            self->m_hWnd = nullptr;
            self->PostNcDestroy();
        }
        return result;
    }

    static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        CWnd* self = CWnd::FromHandlePermanent(hwnd);
        if (self == nullptr && t_creating != nullptr) {
            // The first message of a window of one of our classes.
            self = t_creating;
            t_creating = nullptr;
            self->Bind(hwnd, nullptr);
        }
        if (self == nullptr) {
            return ::DefWindowProcA(hwnd, message, wParam, lParam);
        }
        return Dispatch(self, message, wParam, lParam);
    }

    // A dialog's window belongs to the dialog manager's class: it is subclassed
    // the moment it exists, before its first message, so that it reaches our
    // window procedure like any other window.
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND && t_creating != nullptr) {
            const auto hwnd = reinterpret_cast<HWND>(wParam);
            CWnd* self = t_creating;
            t_creating = nullptr;
            const auto super = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcedure)));
            self->Bind(hwnd, super);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    // Every message has been through our window procedure already; the dialog
    // manager's defaults apply, and an unhandled WM_INITDIALOG sets the focus.
    static INT_PTR CALLBACK DialogProcedure(HWND, UINT message, WPARAM, LPARAM) {
        return message == WM_INITDIALOG;
    }
};

CWnd::~CWnd() {
    if (m_bBound) {
        const HWND hwnd = m_hWnd;
        Unbind();
        m_hWnd = nullptr;
        ::DestroyWindow(hwnd);
    }
}

void CWnd::Bind(HWND hwnd, WNDPROC superProc) {
    m_hWnd = hwnd;
    m_pfnSuper = superProc;
    m_bBound = true;
    t_bound[hwnd] = this;
}

void CWnd::Unbind() {
    if (m_bBound) {
        t_bound.erase(m_hWnd);
        m_bBound = false;
        if (m_pfnSuper != nullptr) {
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
            m_pfnSuper = nullptr;
        }
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    const auto found = t_bound.find(hwnd);
    return found == t_bound.end() ? nullptr : found->second;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA&) {
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, LPVOID param) {
    CREATESTRUCTA cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = static_cast<LONG>(style);
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = menuOrId;
    cs.hInstance = ::GetModuleHandleA(nullptr);
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs)) {
        return FALSE;
    }
    t_creating = this;
    const HWND hwnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x,
                                        cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    t_creating = nullptr;
    return hwnd != nullptr;
}

template <class Run>
auto CWnd::WithDialogBinding(Run run) {
    const HHOOK hook = ::SetWindowsHookExA(WH_CBT, &WindowBinding::CreationHook, nullptr, ::GetCurrentThreadId());
    t_creating = hook == nullptr ? nullptr : this;
    const auto result = run(hook != nullptr);
    t_creating = nullptr;
    if (hook != nullptr) {
        ::UnhookWindowsHookEx(hook);
    }
    return result;
}

BOOL CWnd::CreateDialogWindow(LPCSTR templateName, HWND parent) {
    return WithDialogBinding([&](bool hooked) {
        return hooked && ::CreateDialogParamA(::GetModuleHandleA(nullptr), templateName, parent,
                                              &WindowBinding::DialogProcedure, 0) != nullptr;
    });
}

INT_PTR CWnd::RunModalDialog(UINT templateId, HWND owner) {
    // The wide call makes the dialog's controls Unicode windows: an edit made
    // by the ANSI call keeps its text in the code page and loses any other character.
    return WithDialogBinding([&](bool hooked) -> INT_PTR {
        return hooked ? ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner,
                                          &WindowBinding::DialogProcedure, 0)
                      : -1;
    });
}

BOOL CWnd::SubclassDlgItem(UINT id, HWND parent) {
    const HWND control = ::GetDlgItem(parent, static_cast<int>(id));
    if (control == nullptr || FromHandlePermanent(control) != nullptr) {
        return FALSE;
    }
    Bind(control, reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
                      control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowBinding::WindowProcedure))));
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

LPCSTR CWnd::RegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    // One registered class per distinct set of arguments, named after them.
    static std::set<std::string> registered;
    char name[128];
    std::snprintf(name, sizeof name, "Keyvane:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    auto found = registered.find(name);
    if (found == registered.end()) {
        WNDCLASSA wc{};
        wc.style = classStyle;
        wc.lpfnWndProc = &WindowBinding::WindowProcedure;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hIcon = icon;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.lpszClassName = name;
        if (::RegisterClassA(&wc) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
            return nullptr;
        }
        found = registered.insert(name).first;
    }
    return found->c_str();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    // Menu items, accelerators and button clicks are commands; other control
    // notifications go to the default processing.
    if (message == WM_COMMAND && HIWORD(wParam) <= 1) {
        if (OnCmdMsg(LOWORD(wParam))) {
            return 0;
        }
    } else if (DispatchFromMap(message, 0, wParam, lParam, &result)) {
        return result;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return t_current == nullptr ? 0 : DefWindowProc(t_current->message, t_current->wParam, t_current->lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) {
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

}  // namespace framework
