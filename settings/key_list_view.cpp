#include "settings/key_list_view.h"

#include "dispatch/text_encoding_win32.h"
#include "framework/owned_bitmap.h"

int AddFirstFrame(HIMAGELIST pictures, const char* name) {
    constexpr int kNoPicture = -2;
    const framework::OwnedBitmap strip = name == nullptr ? nullptr : framework::LoadBitmapResource(name);
    if (!strip) {
        return kNoPicture;
    }
    const HDC screen = ::GetDC(nullptr);
    const HDC source = ::CreateCompatibleDC(screen);
    const HDC target = ::CreateCompatibleDC(screen);
    const framework::OwnedBitmap frame(::CreateCompatibleBitmap(screen, kKeyPictureSize, kKeyPictureSize));
    const HGDIOBJ oldSource = ::SelectObject(source, strip.get());
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
