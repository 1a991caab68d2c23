// The picture strips the popup plays, each loaded and cut into frames once
// for each screen scale, on its first use: the bitmap at that scale, and for
// each frame the region of its shown pixels. A key then costs no resource
// load, no scaling and no walk over the pixels. At 100 % the bitmap is the
// one the resources hold; other scales are made from the strips drawn for
// them (strip_scale.h). The largest, the volume strip at 300 %, takes 3 MB.
#pragma once

#include "framework/owned_bitmap.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

struct RegionDeleter {
    void operator()(HRGN region) const { ::DeleteObject(region); }
};
using OwnedRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, RegionDeleter>;

struct PictureStrip {
    framework::OwnedBitmap bitmap;
    int width = 0;
    int height = 0;
    int frameHeight = 0;  // at the strip's scale
    // Frame n is the band of rows from n * frameHeight; its region leaves out
    // the pixels of the key colour.
    std::vector<OwnedRegion> frames;
};

class CPictureStrips {
public:
    // The strip whose frames are frameHeight high at 100 %, for a screen of
    // dpi. Null when the program has no picture of that name.
    const PictureStrip* Find(const std::string& name, int frameHeight, int dpi);

private:
    std::map<std::tuple<std::string, int, int>, std::unique_ptr<PictureStrip>> m_strips;
};
