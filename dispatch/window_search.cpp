#include "dispatch/window_search.h"

#include <algorithm>

WindowId GetForegroundByClass(IDesktop& desktop, const char* className) {
    const WindowId foreground = desktop.ForegroundWindow();
    if (foreground == 0 || desktop.WindowClass(foreground) != className) {
        return 0;
    }
    return foreground;
}

bool ForegroundIsOneOf(IDesktop& desktop, std::initializer_list<const char*> classNames) {
    return std::any_of(classNames.begin(), classNames.end(),
                       [&](const char* className) { return GetForegroundByClass(desktop, className) != 0; });
}

WindowId FindTopWindowByClass(IDesktop& desktop, const char* className) {
    // The Z order may change during the walk; a window that goes simply ends it or is passed.
    for (WindowId window = desktop.TopWindow(); window != 0; window = desktop.NextWindow(window)) {
        if (desktop.WindowClass(window) == className) {
            return window;
        }
    }
    return 0;
}

WindowId FindSthPlayerWindow(IDesktop& desktop) {
    for (const char* className : {"SthVCDClass", "SthADOClass", "SthCDClass"}) {
        if (const WindowId window = FindTopWindowByClass(desktop, className)) {
            return window;
        }
    }
    return 0;
}
