// The confirmation popup near the bottom-right corner: either a key picture
// (a strip of frames played top to bottom, then the popup closes itself) or
// the volume level (one frame of the volume strip, up until 800 ms after the
// last level change). Borderless, topmost, never activated, no taskbar
// button, and cut to the shape of its frame by the strip's key colour.
#pragma once

#include "framework/wnd.h"
#include "framework/owned_bitmap.h"

#include <string>

class CPictureWnd : public framework::CWnd {
public:
    CPictureWnd() = default;

    // Both return the result of arming their first timer (non-zero on success).
    BOOL CreateKeyPicture(const RECT& rect, const char* name, int frameHeight);
    BOOL CreateVolumeLevel(const RECT& rect, int level);
    // Shows another level in an open volume popup.
    BOOL SetVolumeLevel(int level);

    bool IsOpen() const { return m_hWnd != nullptr; }
    bool ShowsVolume() const { return m_bVolume; }

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    KV_DECLARE_MESSAGE_MAP()

private:
    BOOL CreatePopup(const RECT& rect);
    void LoadPicture();
    void NextFrame();
    void BuildFrameRegion(HDC dc);
    void Redraw();

    int OnCreate(LPCREATESTRUCTA cs);
    BOOL OnEraseBkgnd(HDC dc);
    void OnPaint();
    void OnTimer(UINT id);

    framework::OwnedBitmap m_bitmap;
    int m_nOffset = 0;
    int m_nBitmapHeight = 0;
    int m_nFrameHeight = 0;
    // A copy, so that the caller's text may go at once.
    std::string m_strPictureName;
    bool m_bVolume = false;
};
