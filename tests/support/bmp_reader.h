// A small reader of the BMP files the picture recipe writes, for checking
// them without Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct BmpImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;  // 0 uncompressed, 3 bit fields
    std::size_t paletteEntries = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row by row from the top

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Reads 8 bits with a palette, 16 bits (5-5-5, or bit fields), 24 and 32
// bits, bottom-up or top-down. Compressed data, truncated files and palette
// indices past the palette throw std::runtime_error.
BmpImage ParseBmp(const std::vector<std::uint8_t>& bytes);
BmpImage ReadBmp(const std::string& path);
