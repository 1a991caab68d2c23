// The Keys window's list view: the keys' pictures and the rows' texts, which
// may hold any character.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

// Key pictures are strips of frames this high and wide at 100 %.
constexpr int kKeyPictureSize = 32;

// Adds the first frame of the key picture `name`, as a screen of dpi shows it
// (ScaledLength(kKeyPictureSize, dpi) square), to `pictures`, its key colour
// left out; the frame's index, or -2 (no picture) for a key without one.
int AddFirstFrame(HIMAGELIST pictures, const char* name, int dpi);

void AddColumn(HWND list, int column, const wchar_t* title, int width);
void SetCell(HWND list, int row, int column, const std::string& text);
