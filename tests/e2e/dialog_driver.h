// Driving keyvane's dialog boxes from outside: finding them, reading and
// typing into their controls, pressing their buttons, and saving a picture of
// them for a reviewer.
#pragma once

#include "tests/e2e/keyvane_process.h"
#include "tests/support/bmp_reader.h"

#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

// Presses and lets go of a key, for the window in front.
void Press(BYTE key);

// Clicks the left button at a point of the screen.
void ClickAt(int x, int y);
// Points at `point` and clicks there once the pointer is on it and `ready`
// holds, as a hand does: under Wine on a busy machine a click in the same
// instant as the move is lost or lands where the pointer was. False, without a
// click, when that did not come within `timeoutMs`.
bool PointAndClick(POINT point, const std::function<bool()>& ready, unsigned timeoutMs = 3000);
// Whether the item of the popup menu `menu` at `point` is drawn highlighted:
// the menu follows the pointer, so a click there chooses that item.
bool MenuItemHighlightedAt(HWND menu, POINT point);

// keyvane's open popup menu, if any.
HWND OpenMenu(const KeyvaneProcess& keyvane);

// keyvane's visible dialog box with this title (any dialog box when null) and,
// when given, this owner; null when there is none.
HWND FindDialog(const KeyvaneProcess& keyvane, const char* title, HWND owner = nullptr);
// Waits for it; null after the timeout.
HWND WaitForDialog(const KeyvaneProcess& keyvane, const char* title, HWND owner = nullptr, unsigned timeoutMs = 5000);
bool WaitClosed(HWND window, unsigned timeoutMs = 5000);

// A control's text in UTF-8, through the wide functions.
std::string ItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
// What a click on the button tells the dialog.
void ClickButton(HWND dialog, int id);
// Brings the dialog forward, presses the key and waits for the dialog to close.
bool ClosedByKey(HWND dialog, BYTE key);
// The window that has the keyboard focus in the window's thread.
HWND FocusOf(HWND window);

// Cancels every dialog box keyvane still shows when a case ends, innermost
// first, so that a failed case leaves the shared keyvane free for the next.
class DialogsClosedAtEnd {
public:
    explicit DialogsClosedAtEnd(const KeyvaneProcess& keyvane) : m_keyvane(keyvane) {}
    ~DialogsClosedAtEnd();
    DialogsClosedAtEnd(const DialogsClosedAtEnd&) = delete;
    DialogsClosedAtEnd& operator=(const DialogsClosedAtEnd&) = delete;

private:
    const KeyvaneProcess& m_keyvane;
};

// Types letters, digits, blanks and the signs of the US layout, key by key.
void TypeKeys(const std::string& text);

// Memory in the process of a window, for a message whose parameter points to
// something: a message of no marshalled kind reaches another process with the
// pointer unchanged, so what it points to must lie in that process.
class RemoteMemory {
public:
    RemoteMemory(HWND window, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    explicit operator bool() const { return m_address != nullptr; }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(m_address); }
    bool Write(const void* data, size_t size, size_t offset = 0) const;
    bool Read(void* data, size_t size, size_t offset = 0) const;

private:
    HANDLE m_process = nullptr;
    char* m_address = nullptr;
};

// Tells the window what the system does when it is moved onto a screen of
// dpi, with the place the system suggests for it there.
LRESULT SendDpiChanged(HWND window, int dpi, const RECT& suggested);

// A list view of another process: its rows, a cell's text (read through that
// process's memory, as the list answers with a pointer) and the selected row (-1: none).
int ListRows(HWND list);
std::string ListCell(HWND list, int row, int column);
int ListSelection(HWND list);

// What the screen shows in the rectangle.
BmpImage CaptureScreen(const RECT& rect);

// Saves what the screen shows of the window as screenshots\NAME.bmp beside
// the test program, where the test command turns it into a PNG.
void SaveScreenshot(HWND window, const std::string& name);

}  // namespace e2e
