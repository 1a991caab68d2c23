// The program runs with administrator rights, and Windows keeps the messages
// of processes with fewer rights (the shell's among them) from its windows
// unless a window lets them through. The shell announces a new notification
// area ("TaskbarCreated") to the top-level windows and reports clicks on the
// icon by its callback message; each is let through at the window that hears it.
#pragma once

#include <windows.h>

// Lets `message` reach `window` from processes of lower rights; one
// diagnostics line says how it went. Before Vista there is no such barrier.
void AllowFromLowerRights(HWND window, UINT message, const char* name);
