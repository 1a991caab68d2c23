#include "osd/frame_mask.h"

#include "tests/support/bmp_reader.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

// A reader over a picture drawn as text, one string a row; each character is
// a colour. Reading outside the picture fails the test.
StripPixelReader TextReader(const std::vector<std::string>& rows) {
    return [rows](int x, int y) -> std::uint32_t { return static_cast<unsigned char>(rows.at(y).at(x)); };
}

// The mask as text: '#' kept in the window, '.' removed.
std::vector<std::string> MaskText(const FrameMask& mask) {
    std::vector<std::string> rows(mask.height, std::string(mask.width, '#'));
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (mask.IsRemoved(x, y)) {
                rows[y][x] = '.';
            }
        }
    }
    return rows;
}

struct TinyCase {
    const char* what;
    std::vector<std::string> strip;
    int offset;
    int frameHeight;
    std::vector<std::string> mask;
};

void PrintTo(const TinyCase& c, std::ostream* os) { *os << c.what; }

class FrameMaskTinyTest : public testing::TestWithParam<TinyCase> {};

TEST_P(FrameMaskTinyTest, RemovesTheKeyColour) {
    const TinyCase& c = GetParam();
    const int width = c.strip.empty() ? 0 : static_cast<int>(c.strip[0].size());
    const FrameMask mask =
        BuildFrameMask(width, static_cast<int>(c.strip.size()), c.offset, c.frameHeight, TextReader(c.strip));
    EXPECT_EQ(MaskText(mask), c.mask) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Strips, FrameMaskTinyTest,
    testing::Values(
        TinyCase{"first frame", {"kak", "aka", "kkk", "kbb"}, 0, 2, {".#.", "#.#"}},
        TinyCase{"second frame", {"kak", "aka", "kkk", "kbb"}, 2, 2, {"...", ".##"}},
        // The key is the strip's top-left colour even where a frame starts otherwise.
        TinyCase{"frame not starting with the key", {"ka", "aa", "ak", "kk"}, 2, 2, {"#.", ".."}},
        TinyCase{"frame running past the strip", {"ka", "ak", "aa"}, 2, 2, {"##", ".."}},
        TinyCase{"frame past the strip", {"ka", "ak"}, 4, 2, {"..", ".."}},
        TinyCase{"frame starting above the strip", {"ka", "ak"}, -1, 2, {"..", ".#"}},
        TinyCase{"empty strip", {}, 0, 2, {"", ""}}));

// The popups of the real strips: every frame's removed pixels are exactly its
// key-coloured ones.
TEST(FrameMaskStripTest, RemovesExactlyTheKeyPixelsOfEveryFrame) {
    for (const char* name : {"VOLDEC", "VOLINC", "MUTE", "UNMUTE", "MEDIA", "MYCOMPUTER", "CALCULATOR", "MAIL",
                             "WEBHOME", "WEBFAVORITES", "WEBSEARCH", "WEBBACK", "WEBNEXT", "WEBSTOP", "WEBREFRESH",
                             "VCDNEXT", "VCDPREV", "VCDPLAY", "VCDSTOP", "WORD", "EXCEL", "PPOINT", "EJECT", "GADGET",
                             "GAME", "VOLUME"}) {
        SCOPED_TRACE(name);
        const BmpImage image = ReadBmp(std::string(KEYVANE_PICTURES_DIR) + "/" + name + ".bmp");
        const StripPixelReader reader = [&image](int x, int y) { return image.At(x, y); };
        for (int offset = 0; offset < image.height; offset += 32) {
            const FrameMask mask = BuildFrameMask(image.width, image.height, offset, 32, reader);
            ASSERT_EQ(mask.width, image.width);
            ASSERT_EQ(mask.height, 32);
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < image.width; ++x) {
                    ASSERT_EQ(mask.IsRemoved(x, y), image.At(x, offset + y) == image.At(0, 0))
                        << "offset " << offset << " pixel " << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
