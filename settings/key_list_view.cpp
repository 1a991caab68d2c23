#include "settings/key_list_view.h"

#include "dispatch/text_encoding_win32.h"
#include "framework/owned_bitmap.h"
#include "osd/scaled_drawing.h"
#include "osd/strip_scale.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// The top-left side x side pixels of the strip: its first frame.
StripPixels FirstFrame(const StripPixels& strip, int side) {
    StripPixels frame;
    frame.width = std::min(side, strip.width);
    frame.height = std::min(side, strip.height);
    for (int y = 0; y < frame.height; ++y) {
        const auto row = strip.pixels.begin() + static_cast<std::ptrdiff_t>(y) * strip.width;
        frame.pixels.insert(frame.pixels.end(), row, row + frame.width);
    }
    return frame;
}

// Adds the first frame of the 100 % strip as the resource holds it.
int AddResourceFrame(HIMAGELIST pictures, HBITMAP strip) {
    const HDC screen = ::GetDC(nullptr);
    const HDC source = ::CreateCompatibleDC(screen);
    const HDC target = ::CreateCompatibleDC(screen);
    const framework::OwnedBitmap frame(::CreateCompatibleBitmap(screen, kKeyPictureSize, kKeyPictureSize));
    const HGDIOBJ oldSource = ::SelectObject(source, strip);
    const HGDIOBJ oldTarget = ::SelectObject(target, frame.get());
    ::BitBlt(target, 0, 0, kKeyPictureSize, kKeyPictureSize, source, 0, 0, SRCCOPY);
    const COLORREF keyColour = ::GetPixel(source, 0, 0);
    ::SelectObject(source, oldSource);
    ::SelectObject(target, oldTarget);
    ::DeleteDC(source);
    ::DeleteDC(target);
    ::ReleaseDC(nullptr, screen);
    return ::ImageList_AddMasked(pictures, frame.get(), keyColour);
}

// The first frame of the drawing at dpi, added with its key colour left out.
int AddDrawnFrame(HIMAGELIST pictures, const Drawing& drawing, int dpi) {
    const int side = ScaledLength(kKeyPictureSize, dpi);
    if (drawing.bitmap && side == kKeyPictureSize) {
        return AddResourceFrame(pictures, drawing.bitmap.get());
    }
    // Scaled, the frame keeps the strip's key colour in its top-left pixel.
    const int drawnSide = kKeyPictureSize * drawing.scale / 100;
    const StripPixels scaled = ScaleStrip(FirstFrame(drawing.pixels, drawnSide), drawnSide, side, side);
    const framework::OwnedBitmap frame = BitmapOf(scaled);
    const std::uint32_t key = scaled.pixels.empty() ? 0 : scaled.pixels[0];
    return ::ImageList_AddMasked(pictures, frame.get(), RGB(key >> 16 & 0xFFu, key >> 8 & 0xFFu, key & 0xFFu));
}

}  // namespace

int AddFirstFrame(HIMAGELIST pictures, const char* name, int dpi) {
    constexpr int kNoPicture = -2;
    const Drawing drawing = name == nullptr ? Drawing{} : LoadDrawing(name, name, kKeyPictureSize, dpi);
    // A frame the list could not take shows as none: -1 would ask the window for it.
    const int index = drawing.pixels.pixels.empty() ? kNoPicture : AddDrawnFrame(pictures, drawing, dpi);
    return index < 0 ? kNoPicture : index;
}

void SetCell(HWND list, int row, int column, const std::string& text) {
    std::wstring wide = WideFromUtf8(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void AddColumn(HWND list, int column, const wchar_t* title, int width) {
    LVCOLUMNW format{};
    format.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    format.pszText = const_cast<wchar_t*>(title);
    format.cx = width;
    format.iSubItem = column;
    ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&format));
}
