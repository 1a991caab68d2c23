// The program-wide values that several parts read; each is written once.
#pragma once

#include "app/main_window_title.h"

#include <windows.h>

// The registered window message "KeyCommand" (registered before start-up).
extern const UINT g_uKeyCommandMsg;
// The registered window message "TaskbarCreated": the shell has made its
// notification area anew, without the icons it held.
extern const UINT g_uTaskbarCreatedMsg;
// The Windows version class 0-8 (see os_kind.h), set once in InitInstance.
extern int g_nOsKind;
// Windows 10 or 11 within class 8 (see os_kind.h), set beside it.
extern int g_nOsRelease;
// The form view's window, set in its initial update before the poll thread starts.
extern HWND g_hViewWnd;
