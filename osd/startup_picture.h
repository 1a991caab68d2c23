// The start-up picture shown while the main frame is created.
#pragma once

#include "framework/wnd.h"

class CStartupPictureWnd : public framework::CWnd {
public:
    // On for an ordinary start, off for an "Embedding" or "Automation" start.
    static void EnableStartupPicture(BOOL enable);
    static void ShowStartupPicture(framework::CWnd* parent);

private:
    static BOOL s_bEnabled;
};
