#include "osd/strip_scale.h"

#include <algorithm>
#include <cstddef>

namespace {

// How much of one source pixel a target pixel covers.
struct Share {
    int source;
    long long weight;
};

// For each of `target` pixels over `source` pixels, the source pixels it
// covers and how much of each. Lengths are counted in 1 / (source * target)
// of the line, where both kinds of pixel have whole lengths, so that a pixel
// covered exactly by half is not tipped either way by rounding; the weights
// of a target pixel sum to `source`.
std::vector<std::vector<Share>> Shares(int source, int target) {
    std::vector<std::vector<Share>> shares(static_cast<std::size_t>(target));
    for (int t = 0; t < target; ++t) {
        const long long from = static_cast<long long>(t) * source;
        const long long to = from + source;
        for (int s = static_cast<int>(from / target); s < source; ++s) {
            const long long start = static_cast<long long>(s) * target;
            if (start >= to) {
                break;
            }
            const long long overlap = std::min(to, start + target) - std::max(from, start);
            if (overlap > 0) {
                shares[static_cast<std::size_t>(t)].push_back({s, overlap});
            }
        }
    }
    return shares;
}

int Channel(std::uint32_t colour, int shift) {
    return static_cast<int>(colour >> shift & 0xFFu);
}

}  // namespace

int ScaledLength(int length, int dpi) {
    return (length * dpi + kBaseDpi / 2) / kBaseDpi;
}

int DrawnScaleFor(int frameHeight, int dpi) {
    const int wanted = ScaledLength(frameHeight, dpi);
    for (int drawn : {100, 150}) {
        if (frameHeight * drawn / 100 >= wanted) {
            return drawn;
        }
    }
    return 200;
}

namespace {

// ScaleStrip, and where keyed is false the same averaging with every pixel
// shown: a picture drawn edge to edge has no key colour.
StripPixels Resample(const StripPixels& strip, int frameHeight, int targetWidth, int targetFrameHeight, bool keyed) {
    StripPixels scaled;
    if (strip.width <= 0 || frameHeight <= 0 || targetWidth <= 0 || targetFrameHeight <= 0) {
        return scaled;
    }
    const int frames = strip.height / frameHeight;
    scaled.width = targetWidth;
    scaled.height = frames * targetFrameHeight;
    scaled.pixels.resize(static_cast<std::size_t>(scaled.width) * static_cast<std::size_t>(scaled.height));
    const std::uint32_t key = strip.pixels[0];
    const auto columns = Shares(strip.width, targetWidth);
    const auto rows = Shares(frameHeight, targetFrameHeight);
    const long long whole = static_cast<long long>(strip.width) * frameHeight;
    auto out = scaled.pixels.begin();
    for (int frame = 0; frame < frames; ++frame) {
        const std::uint32_t* top = strip.pixels.data() + static_cast<std::size_t>(frame) * frameHeight * strip.width;
        for (const std::vector<Share>& row : rows) {
            for (const std::vector<Share>& column : columns) {
                long long shown = 0;
                long long sum[3] = {0, 0, 0};
                for (const Share& y : row) {
                    for (const Share& x : column) {
                        const std::uint32_t p = top[static_cast<std::size_t>(y.source) * strip.width + x.source];
                        if (!keyed || p != key) {
                            const long long weight = y.weight * x.weight;
                            shown += weight;
                            for (int c = 0; c < 3; ++c) {
                                sum[c] += weight * Channel(p, 16 - 8 * c);
                            }
                        }
                    }
                }
                std::uint32_t colour = key;
                if (2 * shown >= whole) {
                    colour = 0;
                    for (int c = 0; c < 3; ++c) {
                        colour = colour << 8 | static_cast<std::uint32_t>((2 * sum[c] + shown) / (2 * shown));
                    }
                    // One step off the key in green, which the eye does not tell apart.
                    colour ^= keyed && colour == key ? 0x000100u : 0u;
                }
                *out++ = colour;
            }
        }
        if (keyed) {
            scaled.pixels[static_cast<std::size_t>(frame) * targetFrameHeight * targetWidth] = key;
        }
    }
    return scaled;
}

}  // namespace

StripPixels ScaleStrip(const StripPixels& strip, int frameHeight, int targetWidth, int targetFrameHeight) {
    return Resample(strip, frameHeight, targetWidth, targetFrameHeight, true);
}

StripPixels ScalePicture(const StripPixels& picture, int targetWidth, int targetHeight) {
    return Resample(picture, picture.height, targetWidth, targetHeight, false);
}
