#include "osd/picture_dpi.h"

#include "osd/strip_scale.h"

#include <windows.h>

int PictureDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}
