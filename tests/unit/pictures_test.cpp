// The generated pictures: sizes and colour depths the resources need, and
// frames with the key colour where the popups cut them to shape.
#include "tests/support/bmp_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kDir = KEYVANE_PICTURES_DIR;
constexpr std::uint32_t kMagenta = 0xFF00FF;

std::string PathOf(const std::string& name) { return kDir + "/" + name; }

// A strip as drawn for 100 %: its larger copies for 150 % and 200 % have the
// same frames, the same depth and the same key colour at 1.5 and 2 times the size.
struct StripCase {
    std::string name;
    int width;
    int height;
    int bitsPerPixel;
    int frames;
    std::uint32_t key;
};

void PrintTo(const StripCase& c, std::ostream* os) { *os << c.name; }

StripCase KeyStrip(const char* name, int bitsPerPixel = 24) { return {name, 32, 128, bitsPerPixel, 4, kMagenta}; }

std::vector<StripCase> AtEveryScale(const std::vector<StripCase>& strips) {
    std::vector<StripCase> all = strips;
    for (int scale : {150, 200}) {
        for (StripCase c : strips) {
            c.name += "_" + std::to_string(scale);
            c.width = c.width * scale / 100;
            c.height = c.height * scale / 100;
            all.push_back(c);
        }
    }
    return all;
}

// What a 16-bit display keeps of a colour, at 5-6-5 and at 5-5-5.
std::uint32_t Keep565(std::uint32_t c) { return c & 0xF8FCF8; }
std::uint32_t Keep555(std::uint32_t c) { return c & 0xF8F8F8; }

std::vector<std::uint32_t> FramePixels(const BmpImage& image, int frame, int frameHeight) {
    const auto first = image.pixels.begin() + static_cast<std::ptrdiff_t>(frame) * frameHeight * image.width;
    return {first, first + static_cast<std::ptrdiff_t>(frameHeight) * image.width};
}

class PictureStripTest : public testing::TestWithParam<StripCase> {};

TEST_P(PictureStripTest, HasTheResourceFormat) {
    const StripCase& c = GetParam();
    const BmpImage image = ReadBmp(PathOf(c.name + ".bmp"));
    EXPECT_EQ(image.width, c.width);
    EXPECT_EQ(image.height, c.height);
    EXPECT_EQ(image.bitsPerPixel, c.bitsPerPixel);
    EXPECT_EQ(image.compression, 0u) << "strips are stored uncompressed";
    if (c.bitsPerPixel == 8) {
        EXPECT_GT(image.paletteEntries, 0u);
        EXPECT_LE(image.paletteEntries, 256u);
    }
    EXPECT_EQ(image.height % c.frames, 0);
}

TEST_P(PictureStripTest, EveryFrameIsAShapeStartingWithTheKeyColour) {
    const StripCase& c = GetParam();
    const BmpImage image = ReadBmp(PathOf(c.name + ".bmp"));
    const int frameHeight = image.height / c.frames;
    std::vector<std::uint32_t> previous;
    for (int frame = 0; frame < c.frames; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        const std::vector<std::uint32_t> pixels = FramePixels(image, frame, frameHeight);
        EXPECT_EQ(pixels.front(), c.key);
        std::size_t keyed = 0;
        for (std::uint32_t p : pixels) {
            keyed += p == c.key;
            // A colour that a 16-bit display rounds onto the key colour would become a hole.
            if (p != c.key) {
                EXPECT_NE(Keep565(p), Keep565(c.key)) << std::hex << p;
                EXPECT_NE(Keep555(p), Keep555(c.key)) << std::hex << p;
            }
        }
        EXPECT_GT(keyed, 0u);
        EXPECT_LT(keyed, pixels.size());
        EXPECT_NE(pixels, previous) << "same as the frame before";
        previous = pixels;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Strips, PictureStripTest,
    testing::ValuesIn(AtEveryScale({KeyStrip("VOLDEC"), KeyStrip("VOLINC"), KeyStrip("MUTE"), KeyStrip("UNMUTE"),
                    KeyStrip("MEDIA"), KeyStrip("MYCOMPUTER"), KeyStrip("CALCULATOR"), KeyStrip("MAIL"),
                    KeyStrip("WEBHOME"), KeyStrip("WEBFAVORITES", 8), KeyStrip("WEBSEARCH"),
                    KeyStrip("WEBBACK"), KeyStrip("WEBNEXT"), KeyStrip("WEBSTOP"), KeyStrip("WEBREFRESH"),
                    KeyStrip("VCDNEXT"), KeyStrip("VCDPREV"), KeyStrip("VCDPLAY"), KeyStrip("VCDSTOP"),
                    KeyStrip("WORD"), KeyStrip("EXCEL"), KeyStrip("PPOINT"), KeyStrip("EJECT", 8),
                    KeyStrip("GADGET"), KeyStrip("GAME"), StripCase{"VOLUME", 96, 832, 24, 26, 0xFF08FF}})),
    [](const testing::TestParamInfo<StripCase>& info) { return info.param.name; });

// Level 0 is the top frame; the knob, the only near-white in the frame's
// bottom quarter, moves right from level to level.
TEST(VolumeStripTest, KnobMovesRightWithTheLevel) {
    const BmpImage image = ReadBmp(PathOf("VOLUME.bmp"));
    double previous = -1;
    for (int level = 0; level < 26; ++level) {
        double sum = 0;
        int count = 0;
        for (int y = level * 32 + 24; y < level * 32 + 32; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const std::uint32_t p = image.At(x, y);
                if ((p >> 16 & 0xFF) > 200 && (p >> 8 & 0xFF) > 200 && (p & 0xFF) > 200) {
                    sum += x;
                    ++count;
                }
            }
        }
        ASSERT_GT(count, 0) << "level " << level;
        EXPECT_GT(sum / count, previous) << "level " << level;
        previous = sum / count;
    }
}

struct PictureCase {
    const char* file;
    int width;
    int height;
    int bitsPerPixel;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.file; }

class PictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, HasTheResourceFormatAndIsNotBlank) {
    const PictureCase& c = GetParam();
    const BmpImage image = ReadBmp(PathOf(c.file));
    EXPECT_EQ(image.width, c.width);
    EXPECT_EQ(image.height, c.height);
    EXPECT_EQ(image.bitsPerPixel, c.bitsPerPixel);
    // 16-bit pictures must say 5-5-5 plainly: bit fields without their masks
    // would be read as pixels.
    EXPECT_EQ(image.compression, 0u);
    const std::set<std::uint32_t> colours(image.pixels.begin(), image.pixels.end());
    EXPECT_GT(colours.size(), 8u);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureTest,
                         testing::Values(PictureCase{"STARTUP.bmp", 280, 150, 16},
                                         PictureCase{"ABOUT.bmp", 280, 150, 16},
                                         PictureCase{"OKU.bmp", 49, 19, 24}, PictureCase{"OKD.bmp", 50, 20, 24},
                                         PictureCase{"OKF.bmp", 50, 20, 24},
                                         PictureCase{"toolbar.bmp", 128, 15, 24}),
                         [](const testing::TestParamInfo<PictureCase>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

// The tool bar's silver is what the frame maps to the button face colour, so
// every button needs some of it around its picture.
TEST(ToolBarTest, EveryButtonSitsOnSilver) {
    const BmpImage image = ReadBmp(PathOf("toolbar.bmp"));
    for (int button = 0; button < 8; ++button) {
        int silver = 0;
        for (int y = 0; y < 15; ++y) {
            for (int x = button * 16; x < button * 16 + 16; ++x) {
                silver += image.At(x, y) == 0xC0C0C0;
            }
        }
        EXPECT_GT(silver, 0) << "button " << button;
        EXPECT_LT(silver, 16 * 15) << "button " << button;
    }
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Sizes listed in an icon file's directory.
std::vector<int> IconSizes(const std::vector<std::uint8_t>& bytes) {
    std::vector<int> sizes;
    if (bytes.size() < 6 || bytes[2] != 1) {
        return sizes;
    }
    const int count = bytes[4] | bytes[5] << 8;
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= static_cast<int>(bytes.size()); ++i) {
        sizes.push_back(bytes[6 + 16 * i]);
    }
    return sizes;
}

TEST(IconTest, EveryIconHoldsSmallAndLargeImages) {
    for (const char* name : {"keyvane.ico", "tray_normal.ico", "tray_active.ico"}) {
        EXPECT_EQ(IconSizes(FileBytes(PathOf(name))), (std::vector<int>{16, 32})) << name;
    }
    EXPECT_NE(FileBytes(PathOf("tray_normal.ico")), FileBytes(PathOf("tray_active.ico")));
}

}  // namespace
