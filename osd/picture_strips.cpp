#include "osd/picture_strips.h"

#include "osd/frame_mask.h"
#include "osd/scaled_drawing.h"
#include "osd/strip_scale.h"

#include <algorithm>
#include <utility>

namespace {

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

std::unique_ptr<PictureStrip> LoadStrip(const std::string& name, int frameHeight, int dpi) {
    if (frameHeight <= 0) {
        return nullptr;
    }
    Drawing drawing = LoadDrawing(name.c_str(), name, frameHeight, dpi);
    if (drawing.pixels.pixels.empty()) {
        return nullptr;
    }
    const int targetFrameHeight = ScaledLength(frameHeight, dpi);
    if (drawing.bitmap && targetFrameHeight == frameHeight) {
        return CutStrip(std::move(drawing.bitmap), drawing.pixels, frameHeight);
    }
    const StripPixels scaled =
        ScaleStrip(drawing.pixels, frameHeight * drawing.scale / 100,
                   ScaledLength(drawing.pixels.width * 100 / drawing.scale, dpi), targetFrameHeight);
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
