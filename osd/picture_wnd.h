// The confirmation popup near the bottom-right corner: either a key picture
// (a strip of frames played top to bottom, then the popup hides itself) or
// the volume level (one frame of the volume strip, up until 800 ms after the
// last level change). Borderless, topmost, never activated, no taskbar
// button, and cut to the shape of its frame by the strip's key colour.
// One window serves every key: made on the first, hidden between pictures,
// and each strip is cut into frames once (picture_strips.h).
#pragma once

#include "framework/wnd.h"
#include "osd/picture_strips.h"
#include "osd/popup_place.h"

#include <string>

class CPictureWnd : public framework::CWnd {
public:
    CPictureWnd() = default;

    // Both return the result of arming their first timer (non-zero on success).
    // The popup stands `offset` left of and above the corner of the full-screen
    // client area, placed for `size`, both at 100 % and scaled to the monitor
    // it appears on (popup_place.h, picture_monitor.h).
    // Plays the named strip from its first frame, in place of whatever is up.
    BOOL PlayKeyPicture(const char* name, int frameHeight, PopupPoint offset, PopupPoint size);
    // Shows a level: in place of a key picture, or in the volume popup already up.
    BOOL ShowVolumeLevel(int level, PopupPoint offset, PopupPoint size);

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    KV_DECLARE_MESSAGE_MAP()

private:
    enum class Shows { kNothing, kKeyPicture, kVolume };

    BOOL Prepare(Shows shows, PopupPoint offset, PopupPoint size);
    void ShowStrip(const std::string& name);
    void ShowFrame();
    void Hide();

    int OnCreate(LPCREATESTRUCTA cs);
    BOOL OnEraseBkgnd(HDC dc);
    void OnPaint();
    void OnTimer(UINT id);
    void OnDisplayChange();

    CPictureStrips m_strips;
    const PictureStrip* m_pStrip = nullptr;
    Shows m_shows = Shows::kNothing;
    PopupPoint m_offset{0, 0};
    PopupPoint m_size{0, 0};
    PopupPoint m_place{0, 0};  // where the first frame put the popup
    int m_nOffset = 0;
    int m_nFrameHeight = 0;
    // A copy, so that the caller's text may go at once.
    std::string m_strPictureName;
};
