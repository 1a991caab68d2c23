#include "app/globals.h"

const UINT g_uKeyCommandMsg = ::RegisterWindowMessageA("KeyCommand");
int g_nOsKind = 0;
HWND g_hViewWnd = nullptr;
