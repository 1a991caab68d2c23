#include "osd/scaled_drawing.h"

#include "osd/png_resource.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

// The bitmap as 32-bit pixels, top row first.
bool ReadPixels(HBITMAP bitmap, int width, int height, std::vector<std::uint32_t>* pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    pixels->assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    const HDC screen = ::GetDC(nullptr);
    const bool read = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels->data(), &info,
                                  DIB_RGB_COLORS) == height;
    ::ReleaseDC(nullptr, screen);
    return read;
}

// The bitmap resource and its pixels.
framework::OwnedBitmap LoadBitmapPixels(LPCSTR name, StripPixels* image) {
    framework::OwnedBitmap bitmap = framework::LoadBitmapResource(name);
    if (!bitmap) {
        return bitmap;
    }
    BITMAP info{};
    ::GetObjectA(bitmap.get(), sizeof info, &info);
    image->width = info.bmWidth;
    image->height = info.bmHeight;
    if (!ReadPixels(bitmap.get(), image->width, image->height, &image->pixels)) {
        bitmap.reset();
    }
    for (std::uint32_t& p : image->pixels) {
        p &= 0xFFFFFFu;
    }
    return bitmap;
}

}  // namespace

framework::OwnedBitmap BitmapOf(const StripPixels& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    framework::OwnedBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap) {
        std::copy(image.pixels.begin(), image.pixels.end(), static_cast<std::uint32_t*>(bits));
    }
    return bitmap;
}

Drawing LoadDrawing(LPCSTR bitmap, const std::string& pngName, int height, int dpi) {
    Drawing drawing;
    drawing.scale = DrawnScaleFor(height, dpi);
    if (drawing.scale != 100 && LoadPngResource(pngName + "_" + std::to_string(drawing.scale), &drawing.pixels)) {
        return drawing;
    }
    drawing.scale = 100;
    drawing.bitmap = LoadBitmapPixels(bitmap, &drawing.pixels);
    if (!drawing.bitmap) {
        drawing.pixels = StripPixels{};
    }
    return drawing;
}

framework::OwnedBitmap ScaledPicture(LPCSTR bitmap, const std::string& pngName, int dpi) {
    // The drawing is chosen as for a picture an inch high; the pictures are
    // drawn at whole scales, so their own height would choose the same.
    Drawing drawing = LoadDrawing(bitmap, pngName, kBaseDpi, dpi);
    if (drawing.pixels.pixels.empty()) {
        return {};
    }
    const int width = ScaledLength(drawing.pixels.width * 100 / drawing.scale, dpi);
    const int height = ScaledLength(drawing.pixels.height * 100 / drawing.scale, dpi);
    if (drawing.bitmap && width == drawing.pixels.width && height == drawing.pixels.height) {
        return std::move(drawing.bitmap);
    }
    return BitmapOf(ScalePicture(drawing.pixels, width, height));
}
