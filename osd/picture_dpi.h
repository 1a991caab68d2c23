// The DPI the popups and the start-up picture are drawn for. Wine scales
// nothing for a program, so the program sizes its pictures itself. Read at
// each picture, so that a changed setting shows with the next one.
#pragma once

#include <windows.h>

// The main screen's dots per inch; 96 where the system gives none.
int PictureDpi();

// The dots per inch of the screen the window is on, where the system scales
// each screen on its own; else the main screen's.
int WindowDpi(HWND window);
