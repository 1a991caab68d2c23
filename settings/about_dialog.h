// The About box: the about picture with a picture button "OK", no caption.
#pragma once

#include "framework/bitmap_button.h"
#include "framework/dialog.h"
#include "framework/owned_bitmap.h"

class CAboutDlg : public framework::CDialog {
public:
    CAboutDlg();

    KV_DECLARE_MESSAGE_MAP()

protected:
    BOOL OnInitDialog() override;

private:
    // The pictures for a screen of dpi; the picture control is given its own
    // unless it shows the template's already.
    void TakePictures(int dpi, bool templateShown);
    // The picture's size, or 0 x 0 without one.
    SIZE PictureSize() const;
    // The box takes the picture's size, centred on `around` (screen
    // coordinates), with the button at `button` on the picture.
    void FitToPicture(POINT button, const RECT& around);
    LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggested);

    framework::CBitmapButton m_btnOK;
    framework::OwnedBitmap m_picture;  // the about picture at the box's scale
    POINT m_buttonAt{};                // the button's place on the picture
};
