// CWnd: a C++ object bound to one window.
//
// The object is bound to its window before CreateWindowEx returns: CreateEx
// leaves a thread-local pointer to the object being created, and the
// framework's window procedure binds the window to it on the very first message
// (WM_GETMINMAXINFO or WM_NCCREATE), so no early message is lost. Dialog-based
// windows (form views, modal dialogs) are subclassed by a creation hook before
// their first message; for them "default processing" is the dialog manager's.
//
// Messages reach WindowProc, which looks them up in the class's message table
// (message_map.h) and otherwise hands them to the default processing. No C++
// exception leaves a window procedure: it is reported on the diagnostics
// channel and the message gets the result 0.
#pragma once

#include "framework/cmd_target.h"

#include <windows.h>

namespace framework {

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    // A window still open when its object goes is destroyed with it, after it
    // has been unbound, so no message reaches a half-destroyed object.
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    // Creates the window bound to this object. The class name may come from
    // RegisterWndClass; PreCreateWindow may change every field first.
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menuOrId, LPVOID param = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    BOOL DestroyWindow();

    // Registers (once per set of arguments) a window class that uses the
    // framework's window procedure and returns its name.
    static LPCSTR RegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                   HICON icon = nullptr);

    // The object bound to a window of this thread, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Binds this object to an existing control of a dialog, which from then
    // on reaches this object's window procedure first.
    BOOL SubclassDlgItem(UINT id, HWND parent);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();

protected:
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window's last message; self-owning windows release themselves here.
    virtual void PostNcDestroy() {}

    // Creates a modeless dialog window from a template, bound to this object.
    BOOL CreateDialogWindow(LPCSTR templateName, HWND parent);
    // Runs a modal dialog bound to this object; EndDialog's result, or -1.
    INT_PTR RunModalDialog(UINT templateId, HWND owner);

private:
    friend struct WindowBinding;
    // Runs `run(hooked)` with the creation hook that binds the next window to this object.
    template <class Run>
    auto WithDialogBinding(Run run);
    void Bind(HWND hwnd, WNDPROC superProc);
    void Unbind();
    bool m_bBound = false;
    // The class's own window procedure of a subclassed dialog or control.
    WNDPROC m_pfnSuper = nullptr;
};

}  // namespace framework
