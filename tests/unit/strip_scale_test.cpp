#include "osd/strip_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kKey = 0xFF00FF;

// Every scale from 100 % to 300 % in 25 % steps: a key picture's frame, the
// volume strip's width, and which drawing they are made from.
struct ScaleCase {
    int dpi;
    int keyPicture;
    int volumeWidth;
    int drawn;
};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.dpi << " dpi"; }

class StripScaleSizeTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(StripScaleSizeTest, SizesAndDrawing) {
    const ScaleCase& c = GetParam();
    EXPECT_EQ(ScaledLength(32, c.dpi), c.keyPicture);
    EXPECT_EQ(ScaledLength(96, c.dpi), c.volumeWidth);
    EXPECT_EQ(DrawnScaleFor(32, c.dpi), c.drawn);
}

INSTANTIATE_TEST_SUITE_P(Scales, StripScaleSizeTest,
                         testing::Values(ScaleCase{96, 32, 96, 100}, ScaleCase{120, 40, 120, 150},
                                         ScaleCase{144, 48, 144, 150}, ScaleCase{168, 56, 168, 200},
                                         ScaleCase{192, 64, 192, 200}, ScaleCase{216, 72, 216, 200},
                                         ScaleCase{240, 80, 240, 200}, ScaleCase{264, 88, 264, 200},
                                         ScaleCase{288, 96, 288, 200}, ScaleCase{100, 33, 100, 150}));

// A strip drawn as text, one string a row: 'k' the key colour, other letters
// the colours below.
StripPixels TextStrip(const std::vector<std::string>& rows) {
    StripPixels strip{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
    for (const std::string& row : rows) {
        for (char c : row) {
            strip.pixels.push_back(c == 'k' ? kKey : c == 'w' ? 0xFFFFFF : c == 'b' ? 0x000000 : c == 'm' ? 0xFE00FF : 0xFF00FE);
        }
    }
    return strip;
}

struct TinyCase {
    const char* what;
    std::vector<std::string> strip;
    int frameHeight;
    int width;
    int targetFrameHeight;
    std::vector<std::uint32_t> expected;
};

void PrintTo(const TinyCase& c, std::ostream* os) { *os << c.what; }

class StripScaleTinyTest : public testing::TestWithParam<TinyCase> {};

TEST_P(StripScaleTinyTest, Resamples) {
    const TinyCase& c = GetParam();
    const StripPixels scaled = ScaleStrip(TextStrip(c.strip), c.frameHeight, c.width, c.targetFrameHeight);
    EXPECT_EQ(scaled.width, c.width);
    EXPECT_EQ(scaled.pixels, c.expected);
}

constexpr std::uint32_t W = 0xFFFFFF;
constexpr std::uint32_t B = 0x000000;
constexpr std::uint32_t K = kKey;

INSTANTIATE_TEST_SUITE_P(
    Frames, StripScaleTinyTest,
    testing::Values(
        // Half shown is shown, in the colour of the shown half alone.
        TinyCase{"halved", {"kkwk", "kkwk", "bbkk", "bbkk"}, 4, 2, 2, {K, W, B, K}},
        TinyCase{"grey from black and white", {"kkkk", "kkkk", "bwkk", "bwkk"}, 4, 2, 2, {K, K, 0x808080, K}},
        TinyCase{"less than half is the key", {"kkkk", "kkkk", "bkkk", "kkww"}, 4, 2, 2, {K, K, K, W}},
        // Each frame is scaled on its own: the second frame's black stays out of the first.
        TinyCase{"frames apart", {"kw", "ww", "bb", "bb"}, 2, 2, 1, {K, W, K, B}},
        TinyCase{"top-left of every frame is the key", {"kw", "ww", "ww", "ww"}, 2, 2, 2, {K, W, W, W, K, W, W, W}},
        TinyCase{"enlarged by a half", {"kw", "bw"}, 2, 3, 3, {K, W, W, B, 0xAAAAAA, W, B, 0x808080, W}},
        // Two colours a step either side of the key average to it; the pixel stays shown.
        TinyCase{"blend onto the key", {"km", "kn"}, 2, 2, 1, {K, 0xFF01FF}},
        TinyCase{"same size", {"kw", "bw"}, 2, 2, 2, {K, W, B, W}}));

// A picture without a key colour: its top-left colour is a colour like any
// other, averaged in and kept, also in the top-left pixel.
TEST(StripScalePictureTest, EveryPixelCounts) {
    const StripPixels picture = TextStrip({"kw", "bw"});
    struct {
        int width, height;
        std::vector<std::uint32_t> expected;
    } cases[] = {{2, 2, {K, W, B, W}}, {1, 1, {0xBF80BF}}, {1, 2, {0xFF80FF, 0x808080}}, {2, 1, {0x800080, W}}};
    for (const auto& c : cases) {
        const StripPixels scaled = ScalePicture(picture, c.width, c.height);
        EXPECT_EQ(scaled.width, c.width);
        EXPECT_EQ(scaled.height, c.height);
        EXPECT_EQ(scaled.pixels, c.expected) << c.width << " x " << c.height;
    }
}

// A black disc on the key colour: every frame size from the drawings made,
// down and up, keeps the disc black to its edge, without a tint of the key.
TEST(StripScaleFringeTest, EdgesTakeNoKeyColour) {
    for (const int drawn : {48, 64}) {
        StripPixels disc{drawn, drawn, std::vector<std::uint32_t>(static_cast<std::size_t>(drawn) * drawn, kKey)};
        const double r = drawn * 0.4;
        for (int y = 0; y < drawn; ++y) {
            for (int x = 0; x < drawn; ++x) {
                if (std::hypot(x + 0.5 - drawn / 2.0, y + 0.5 - drawn / 2.0) < r) {
                    disc.pixels[static_cast<std::size_t>(y) * drawn + x] = B;
                }
            }
        }
        for (const int target : {40, 56, 72, 80, 96}) {
            SCOPED_TRACE(std::to_string(drawn) + " to " + std::to_string(target));
            const StripPixels scaled = ScaleStrip(disc, drawn, target, target);
            int shown = 0;
            for (std::uint32_t p : scaled.pixels) {
                ASSERT_TRUE(p == kKey || p == B) << std::hex << p;
                shown += p == B;
            }
            EXPECT_NEAR(shown, M_PI * r * r * target * target / (drawn * drawn), target);
        }
    }
}

}  // namespace
