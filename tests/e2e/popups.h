// Finding keyvane's picture popups from outside and comparing their shape
// with the frames of the generated picture strips.
#pragma once

#include "osd/strip_scale.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// A generated picture ("OKF.bmp"), seen through Wine's drive Z: (the root of the Linux side).
std::string PicturePath(const std::string& file);

// Visible top-level tool windows of the process other than its frame: the
// key and volume popups and the start-up picture.
std::vector<HWND> FindPopups(DWORD pid, HWND frame);

RECT WindowRect(HWND hwnd);

// The region that frame `frame` of the strip `file` (e.g. "VCDPLAY.bmp")
// should give a popup: every pixel but those of the key colour.
HRGN ExpectedFrameRegion(const std::string& file, int frame, int frameHeight = 32);

// The same for a screen of `dpi`: frame `frame` of the strip `name` (e.g.
// "WEBSTOP") whose frames are frameHeight high at 100 %, taken from the
// drawing made for that scale or shrunk from the next larger one.
HRGN ExpectedScaledFrameRegion(const std::string& name, int frame, int frameHeight, int dpi);
// The whole strip so, its frames one under the other, the key colour where
// nothing shows.
StripPixels ExpectedScaledStrip(const std::string& name, int frameHeight, int dpi);

// A whole picture (e.g. "STARTUP") as a screen of `dpi` should show it: its
// bitmap at 100 %, else the drawing made for that scale or the next larger
// one shrunk.
StripPixels ExpectedPicture(const std::string& name, int dpi);

// The main screen's dots per inch.
int ScreenDpi();

// Whether the window's region equals `expected`.
bool RegionEquals(HWND hwnd, HRGN expected);

}  // namespace e2e
