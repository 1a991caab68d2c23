// Finding the windows of other programs by their window class.
#pragma once

#include "dispatch/desktop.h"

#include <initializer_list>

// The foreground window if its class is exactly `className`, otherwise 0.
WindowId GetForegroundByClass(IDesktop& desktop, const char* className);

// Whether the foreground window's class is one of `classNames` (tried in order).
bool ForegroundIsOneOf(IDesktop& desktop, std::initializer_list<const char*> classNames);

// The top-level window of class `className` highest in the Z order (hidden and
// minimised windows count), or 0.
WindowId FindTopWindowByClass(IDesktop& desktop, const char* className);

// A window of the "Sth" players (VCD, audio, CD, tried in that order), or 0.
WindowId FindSthPlayerWindow(IDesktop& desktop);
