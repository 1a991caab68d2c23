// Which pixels of a picture strip's frame are cut out of the popup's window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Colour of the strip's pixel (x, y) as 0xRRGGBB; (0, 0) is the top left.
using StripPixelReader = std::function<std::uint32_t(int x, int y)>;

// The pixels of one frame that leave the window region: those of the key
// colour, which is the colour of the strip's pixel (0, 0).
struct FrameMask {
    int width = 0;
    int height = 0;
    std::vector<bool> removed;  // row by row, width * height

    bool IsRemoved(int x, int y) const { return removed[static_cast<std::size_t>(y) * width + x]; }
};

// The frame is the band of rows [frameOffset, frameOffset + frameHeight) of a
// strip of stripWidth x stripHeight. Rows of the band outside the strip have
// nothing to show and are removed; the reader is asked only for pixels inside.
FrameMask BuildFrameMask(int stripWidth, int stripHeight, int frameOffset, int frameHeight,
                         const StripPixelReader& pixel);
