// A bitmap loaded from the program's resources, released with its owner.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace framework {

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { ::DeleteObject(bitmap); }
};
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

// Null when the resource does not exist (names are matched without regard to case).
OwnedBitmap LoadBitmapResource(LPCSTR name);

// Copies width x height of the bitmap, from its row sourceTop on, to (x, y) of the device context.
void DrawBitmap(HDC dc, HBITMAP bitmap, int width, int height, int x = 0, int y = 0, int sourceTop = 0);

}  // namespace framework
