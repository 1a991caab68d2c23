// The About box: the about picture with a picture button "OK", no caption.
#pragma once

#include "framework/bitmap_button.h"
#include "framework/dialog.h"
#include "framework/owned_bitmap.h"

class CAboutDlg : public framework::CDialog {
public:
    CAboutDlg();

protected:
    BOOL OnInitDialog() override;

private:
    void FitToPicture();

    framework::CBitmapButton m_btnOK;
    framework::OwnedBitmap m_picture;  // the about picture at the box's scale
};
