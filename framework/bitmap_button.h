// An owner-drawn push button painted with pictures by state: pressed, else
// focused, else normal. It takes the size of its normal picture.
#pragma once

#include "framework/owned_bitmap.h"
#include "framework/wnd.h"

#include <functional>
#include <string>

namespace framework {

class CBitmapButton : public CWnd {
public:
    // Loads the pictures named by the caption followed by "U" (normal, must
    // exist), "D" (pressed), "F" (focused) and "X" (disabled, skipped when
    // missing), each with load: the bitmap resource of that name unless told.
    using PictureLoader = std::function<OwnedBitmap(const std::string& name)>;
    BOOL AutoLoad(UINT id, CWnd& parent, const PictureLoader& load = nullptr);
    // Loads the pictures anew, as for a screen of another scale.
    BOOL LoadPictures(const PictureLoader& load = nullptr);
    void DrawItem(const DRAWITEMSTRUCT& item);

private:
    OwnedBitmap m_normal;
    OwnedBitmap m_pressed;
    OwnedBitmap m_focused;
    OwnedBitmap m_disabled;
};

}  // namespace framework
