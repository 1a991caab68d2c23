#include "framework/owned_bitmap.h"

namespace framework {

OwnedBitmap LoadBitmapResource(LPCSTR name) {
    return OwnedBitmap(
        static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int width, int height, int x, int y, int sourceTop) {
    const HDC memory = ::CreateCompatibleDC(dc);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(dc, x, y, width, height, memory, 0, sourceTop, SRCCOPY);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
}

}  // namespace framework
