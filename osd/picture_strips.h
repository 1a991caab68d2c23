// The picture strips the popup plays, each loaded and cut into frames once,
// on its first use: the bitmap as the resources hold it, and for each frame
// the region of its shown pixels. A key then costs no resource load and no
// walk over the pixels. All strips together are under 1 MB.
#pragma once

#include "framework/owned_bitmap.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

struct RegionDeleter {
    void operator()(HRGN region) const { ::DeleteObject(region); }
};
using OwnedRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, RegionDeleter>;

struct PictureStrip {
    framework::OwnedBitmap bitmap;
    int width = 0;
    int height = 0;
    int frameHeight = 0;
    // Frame n is the band of rows from n * frameHeight; its region leaves out
    // the pixels of the key colour.
    std::vector<OwnedRegion> frames;
};

class CPictureStrips {
public:
    // Null when the program has no picture of that name.
    const PictureStrip* Find(const std::string& name, int frameHeight);

private:
    std::map<std::pair<std::string, int>, std::unique_ptr<PictureStrip>> m_strips;
};
