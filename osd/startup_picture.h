// The start-up picture: bitmap 130 at the main screen's scale (above 100 %
// from its drawings for larger screens, scaled_drawing.h), centred on the
// screen for 1750 ms while the main frame is being created. Keys and clicks do
// not dismiss it; only its timer does. The one instance owns itself and goes
// with its window.
#pragma once

#include "framework/wnd.h"
#include "framework/owned_bitmap.h"

#include <memory>

class CStartupPictureWnd : public framework::CWnd {
public:
    // On for an ordinary start, off for an "Embedding" or "Automation" start.
    static void EnableStartupPicture(BOOL enable);
    static void ShowStartupPicture(framework::CWnd* parent);
    static void HideStartupPicture();

    KV_DECLARE_MESSAGE_MAP()

protected:
    void PostNcDestroy() override;

private:
    BOOL Create(framework::CWnd* parent);
    int OnCreate(LPCREATESTRUCTA cs);
    void OnPaint();
    void OnTimer();

    framework::OwnedBitmap m_bitmap;

    static BOOL s_bEnabled;
    static std::unique_ptr<CStartupPictureWnd> s_pInstance;
};
