#include "osd/picture_strips.h"

#include "osd/frame_mask.h"

#include <algorithm>
#include <cstdint>

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

std::unique_ptr<PictureStrip> LoadStrip(const std::string& name, int frameHeight) {
    auto strip = std::make_unique<PictureStrip>();
    strip->bitmap = framework::LoadBitmapResource(name.c_str());
    if (!strip->bitmap || frameHeight <= 0) {
        return nullptr;
    }
    BITMAP info{};
    ::GetObjectA(strip->bitmap.get(), sizeof info, &info);
    strip->width = info.bmWidth;
    strip->height = info.bmHeight;
    strip->frameHeight = frameHeight;
    std::vector<std::uint32_t> pixels;
    if (!ReadStrip(strip->bitmap.get(), strip->width, strip->height, &pixels)) {
        return nullptr;
    }
    const auto pixel = [&](int x, int y) {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(strip->width) + static_cast<size_t>(x)] &
               0xFFFFFFu;
    };
    for (int offset = 0; offset < strip->height; offset += frameHeight) {
        const FrameMask mask = BuildFrameMask(strip->width, strip->height, offset, frameHeight, pixel);
        strip->frames.emplace_back(RegionOfKeptPixels(mask));
    }
    return strip;
}

}  // namespace

const PictureStrip* CPictureStrips::Find(const std::string& name, int frameHeight) {
    const auto key = std::make_pair(name, frameHeight);
    auto found = m_strips.find(key);
    if (found == m_strips.end()) {
        std::unique_ptr<PictureStrip> strip = LoadStrip(name, frameHeight);
        if (strip == nullptr) {
            return nullptr;
        }
        found = m_strips.emplace(key, std::move(strip)).first;
    }
    return found->second.get();
}
