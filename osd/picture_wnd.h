// The confirmation popup near the bottom-right corner: either a key picture
// (a strip of frames played top to bottom, then the popup hides itself) or
// the volume level (one frame of the volume strip, up until 800 ms after the
// last level change). Borderless, topmost, never activated, no taskbar
// button, and cut to the shape of its frame by the strip's key colour.
// One window serves every key: made when the popup's thread starts
// (picture_thread.h), hidden between pictures, and each strip is cut into
// frames once (picture_strips.h). Its window text says what it shows
// (picture_text.h), for a screen reader.
#pragma once

#include "framework/wnd.h"
#include "osd/picture_strips.h"
#include "osd/popup_place.h"
#include "osd/window_name.h"

#include <cstdint>
#include <string>

class CPictureWnd : public framework::CWnd {
public:
    CPictureWnd() = default;

    // Makes the popup, hidden; the requests below show nothing without it.
    BOOL CreatePopup();

    // Both return the result of arming their first timer (non-zero on success).
    // The popup stands `offset` left of and above the corner of the full-screen
    // client area, placed for its frame's size (popup_place.h); `offset` and
    // frameHeight are at 100 %. Pictures are drawn and placed at the scale of
    // the monitor they appear on (picture_monitor.h).
    // Plays the named strip from its first frame, in place of whatever is up.
    BOOL PlayKeyPicture(const char* name, int frameHeight, PopupPoint offset);
    // Shows the volume (0..65535) as its frame of the strip, saying it as a
    // percentage: in place of a key picture, or in the volume popup already up.
    BOOL ShowVolumeLevel(std::uint32_t volume, PopupPoint offset);

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    KV_DECLARE_MESSAGE_MAP()

private:
    enum class Shows { kNothing, kKeyPicture, kVolume };

    BOOL Prepare(Shows shows, PopupPoint offset);
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
    PictureSpot m_spot{kDefaultDpi, {0, 0}, {0, 0, 0, 0}};  // where the picture up was placed
    PopupPoint m_place{0, 0};  // where the first frame put the popup
    int m_nFrame = 0;
    int m_nFrameHeight = 0;  // at 100 %
    // A copy, so that the caller's text may go at once.
    std::string m_strPictureName;
    // The window text the picture asked for takes when it comes on screen.
    std::string m_strText;
    CWindowName m_name;
};
