#include "app/globals.h"

const UINT g_uKeyCommandMsg = ::RegisterWindowMessageA("KeyCommand");
const UINT g_uTaskbarCreatedMsg = ::RegisterWindowMessageA("TaskbarCreated");
int g_nOsKind = 0;
int g_nOsRelease = 0;
HWND g_hViewWnd = nullptr;
