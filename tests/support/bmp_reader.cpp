#include "tests/support/bmp_reader.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

class ByteView {
public:
    explicit ByteView(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::uint32_t U8(std::size_t at) const { return Byte(at); }
    std::uint32_t U16(std::size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }

private:
    std::uint32_t Byte(std::size_t at) const {
        if (at >= bytes_.size()) {
            throw std::runtime_error("BMP data ends early");
        }
        return bytes_[at];
    }

    const std::vector<std::uint8_t>& bytes_;
};

// A channel of `mask` scaled to eight bits.
std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while ((mask >> shift & 1) == 0) {
        ++shift;
    }
    const std::uint32_t max = mask >> shift;
    return ((value & mask) >> shift) * 255 / max;
}

}  // namespace

BmpImage ParseBmp(const std::vector<std::uint8_t>& bytes) {
    const ByteView in(bytes);
    if (in.U8(0) != 'B' || in.U8(1) != 'M') {
        throw std::runtime_error("not a BMP file");
    }
    const std::size_t dataOffset = in.U32(10);
    const std::size_t headerSize = in.U32(kFileHeaderSize);
    if (headerSize < kInfoHeaderSize) {
        throw std::runtime_error("unsupported BMP header");
    }
    BmpImage image;
    image.width = in.I32(kFileHeaderSize + 4);
    const std::int32_t rawHeight = in.I32(kFileHeaderSize + 8);
    image.bitsPerPixel = static_cast<int>(in.U16(kFileHeaderSize + 14));
    image.compression = in.U32(kFileHeaderSize + 16);
    const std::uint32_t coloursUsed = in.U32(kFileHeaderSize + 32);
    const bool topDown = rawHeight < 0;
    image.height = topDown ? -rawHeight : rawHeight;
    if (image.width <= 0 || image.height <= 0 || image.width > 1 << 16 || image.height > 1 << 16) {
        throw std::runtime_error("unreasonable BMP size");
    }

    // Masks for bit fields follow a 40-byte header and are part of larger ones.
    std::uint32_t red = 0x7C00, green = 0x03E0, blue = 0x001F;
    if (image.bitsPerPixel == 32) {
        red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF;
    }
    if (image.compression == kBiBitfields && (image.bitsPerPixel == 16 || image.bitsPerPixel == 32)) {
        const std::size_t masks = kFileHeaderSize + kInfoHeaderSize;
        red = in.U32(masks), green = in.U32(masks + 4), blue = in.U32(masks + 8);
    } else if (image.compression != kBiRgb) {
        throw std::runtime_error("compressed BMP data");
    }

    std::vector<std::uint32_t> palette;
    if (image.bitsPerPixel == 8) {
        image.paletteEntries = coloursUsed != 0 ? coloursUsed : 256;
        const std::size_t at = kFileHeaderSize + headerSize;
        for (std::size_t i = 0; i < image.paletteEntries; ++i) {
            palette.push_back(in.U8(at + 4 * i + 2) << 16 | in.U8(at + 4 * i + 1) << 8 | in.U8(at + 4 * i));
        }
    } else if (image.bitsPerPixel != 16 && image.bitsPerPixel != 24 && image.bitsPerPixel != 32) {
        throw std::runtime_error("unsupported BMP depth " + std::to_string(image.bitsPerPixel));
    }

    const std::size_t stride = (static_cast<std::size_t>(image.width) * image.bitsPerPixel + 31) / 32 * 4;
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const std::size_t row = dataOffset + stride * static_cast<std::size_t>(topDown ? y : image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t colour = 0;
            switch (image.bitsPerPixel) {
                case 8: {
                    const std::uint32_t index = in.U8(row + x);
                    if (index >= palette.size()) {
                        throw std::runtime_error("palette index past the palette");
                    }
                    colour = palette[index];
                    break;
                }
                case 16: {
                    const std::uint32_t v = in.U16(row + 2 * x);
                    colour = Channel(v, red) << 16 | Channel(v, green) << 8 | Channel(v, blue);
                    break;
                }
                case 24:
                    colour = in.U8(row + 3 * x + 2) << 16 | in.U8(row + 3 * x + 1) << 8 | in.U8(row + 3 * x);
                    break;
                default: {
                    const std::uint32_t v = in.U32(row + 4 * x);
                    colour = Channel(v, red) << 16 | Channel(v, green) << 8 | Channel(v, blue);
                    break;
                }
            }
            image.pixels[static_cast<std::size_t>(y) * image.width + x] = colour;
        }
    }
    return image;
}

BmpImage ReadBmp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot open " + path);
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return ParseBmp(bytes);
}
