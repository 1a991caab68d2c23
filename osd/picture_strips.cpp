#include "osd/picture_strips.h"

#include "osd/frame_mask.h"
#include "osd/png_resource.h"
#include "osd/strip_scale.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

// The strip as 32-bit pixels, top row first.
bool ReadStrip(HBITMAP bitmap, int width, int height, std::vector<std::uint32_t>* pixels) {
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

// A region made of the mask's kept pixels, one rectangle per run in a row.
HRGN RegionOfKeptPixels(const FrameMask& mask) {
    std::vector<RECT> runs;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width;) {
            if (mask.IsRemoved(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < mask.width && !mask.IsRemoved(x, y)) {
                ++x;
            }
            runs.push_back(RECT{start, y, x, y + 1});
        }
    }
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(runs.size());
    header->rcBound = RECT{0, 0, mask.width, mask.height};
    std::copy(runs.begin(), runs.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
}

// Cuts the strip's pixels into frames and their regions.
std::unique_ptr<PictureStrip> CutStrip(framework::OwnedBitmap bitmap, const StripPixels& image, int frameHeight) {
    auto strip = std::make_unique<PictureStrip>();
    strip->bitmap = std::move(bitmap);
    strip->width = image.width;
    strip->height = image.height;
    strip->frameHeight = frameHeight;
    const auto pixel = [&](int x, int y) {
        return image.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)];
    };
    for (int offset = 0; offset < strip->height; offset += frameHeight) {
        const FrameMask mask = BuildFrameMask(strip->width, strip->height, offset, frameHeight, pixel);
        strip->frames.emplace_back(RegionOfKeptPixels(mask));
    }
    return strip;
}

// The bitmap resource and its pixels.
framework::OwnedBitmap LoadBitmapStrip(const std::string& name, StripPixels* image) {
    framework::OwnedBitmap bitmap = framework::LoadBitmapResource(name.c_str());
    if (!bitmap) {
        return bitmap;
    }
    BITMAP info{};
    ::GetObjectA(bitmap.get(), sizeof info, &info);
    image->width = info.bmWidth;
    image->height = info.bmHeight;
    if (!ReadStrip(bitmap.get(), image->width, image->height, &image->pixels)) {
        bitmap.reset();
    }
    for (std::uint32_t& p : image->pixels) {
        p &= 0xFFFFFFu;
    }
    return bitmap;
}

// A bitmap of the pixels, which the popup draws as it draws a resource's.
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

std::unique_ptr<PictureStrip> LoadStrip(const std::string& name, int frameHeight, int dpi) {
    if (frameHeight <= 0) {
        return nullptr;
    }
    StripPixels image;
    int drawn = DrawnScaleFor(frameHeight, dpi);
    const int targetFrameHeight = ScaledLength(frameHeight, dpi);
    if (drawn == 100 && targetFrameHeight == frameHeight) {
        framework::OwnedBitmap bitmap = LoadBitmapStrip(name, &image);
        return bitmap ? CutStrip(std::move(bitmap), image, frameHeight) : nullptr;
    }
    // Without the imaging component the 100 % drawing is scaled, which is
    // blurred but still shows the key.
    if (!LoadPngResource(name + "_" + std::to_string(drawn), &image)) {
        drawn = 100;
        if (!LoadBitmapStrip(name, &image)) {
            return nullptr;
        }
    }
    const StripPixels scaled = ScaleStrip(image, frameHeight * drawn / 100,
                                          ScaledLength(image.width * 100 / drawn, dpi), targetFrameHeight);
    framework::OwnedBitmap bitmap = BitmapOf(scaled);
    return bitmap ? CutStrip(std::move(bitmap), scaled, targetFrameHeight) : nullptr;
}

}  // namespace

const PictureStrip* CPictureStrips::Find(const std::string& name, int frameHeight, int dpi) {
    const auto key = std::make_tuple(name, frameHeight, dpi);
    auto found = m_strips.find(key);
    if (found == m_strips.end()) {
        std::unique_ptr<PictureStrip> strip = LoadStrip(name, frameHeight, dpi);
        if (strip == nullptr) {
            return nullptr;
        }
        found = m_strips.emplace(key, std::move(strip)).first;
    }
    return found->second.get();
}
