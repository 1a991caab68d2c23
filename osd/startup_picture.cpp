#include "osd/startup_picture.h"

#include "framework/diagnostics.h"

BOOL CStartupPictureWnd::s_bEnabled = FALSE;

void CStartupPictureWnd::EnableStartupPicture(BOOL enable) {
    s_bEnabled = enable;
}

void CStartupPictureWnd::ShowStartupPicture(framework::CWnd*) {
    // The picture window itself comes with the on-screen pictures.
    framework::Trace("startup picture %s", s_bEnabled ? "enabled" : "disabled");
}
