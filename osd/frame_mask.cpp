#include "osd/frame_mask.h"

#include <algorithm>

FrameMask BuildFrameMask(int stripWidth, int stripHeight, int frameOffset, int frameHeight,
                         const StripPixelReader& pixel) {
    FrameMask mask;
    mask.width = std::max(stripWidth, 0);
    mask.height = std::max(frameHeight, 0);
    mask.removed.assign(static_cast<std::size_t>(mask.width) * mask.height, true);
    if (mask.width == 0 || stripHeight <= 0) {
        return mask;
    }
    const std::uint32_t key = pixel(0, 0);
    const int first = std::max(frameOffset, 0);
    const long long end = std::min<long long>(static_cast<long long>(frameOffset) + mask.height, stripHeight);
    for (int row = first; row < end; ++row) {
        const std::size_t base = static_cast<std::size_t>(row - frameOffset) * mask.width;
        for (int x = 0; x < mask.width; ++x) {
            mask.removed[base + x] = pixel(x, row) == key;
        }
    }
    return mask;
}
