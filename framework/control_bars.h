// Tool bar and status bar of a frame: plain common controls owned by the frame
// window; they need no message handling of their own.
#pragma once

#include "framework/frame_wnd.h"

#include <vector>

namespace framework {

class CControlBar : public CWnd {
public:
    // Takes the bar's band from the top or bottom of `client` and moves the bar there.
    virtual void Reposition(RECT& client) = 0;
};

class CToolBar : public CControlBar {
public:
    // A flat tool bar with tips, docked at the top of the frame.
    BOOL CreateEx(CFrameWnd& frame);
    // Loads the buttons (tool bar resource) and their bitmap with identifier `id`.
    BOOL LoadToolBar(UINT id);
    void Reposition(RECT& client) override;
};

class CStatusBar : public CControlBar {
public:
    BOOL Create(CFrameWnd& frame);
    // One pane per identifier: 0 is the stretching message pane, the others
    // show their string resource (the lock indicators' "CAP", "NUM", "SCRL").
    BOOL SetIndicators(const UINT* ids, int count);
    void Reposition(RECT& client) override;

private:
    BOOL SetParts();
    std::vector<int> m_widths;
};

}  // namespace framework
