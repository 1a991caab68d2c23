// Sizing the picture strips for a screen's scale. The strips are drawn for
// 100 %, 150 % and 200 %; a scale in between takes the nearest larger drawing
// and shrinks it, so no picture is a smaller one blown up. Frames are scaled
// with their shape decided first: the key colour takes no part in the
// averaging, so no kept pixel at an edge carries a tint of it, which the
// window region would leave on the desktop as a fringe.
#pragma once

#include <cstdint>
#include <vector>

// The scale of an ordinary screen: 96 dots per inch is 100 %.
constexpr int kBaseDpi = 96;

// A length of the 100 % drawing at dpi, rounded to the nearest pixel.
int ScaledLength(int length, int dpi);

// The percentage of the drawing (100, 150 or 200) to take for a frame of
// frameHeight at 100 % shown at dpi: the smallest whose frames are at least
// the size asked for, or the largest when none is.
int DrawnScaleFor(int frameHeight, int dpi);

// Pixels as 0xRRGGBB, row by row, top row first.
struct StripPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The strip's frames of frameHeight, each resampled by area to
// targetWidth x targetFrameHeight, one under the other. The key colour is the
// colour of the strip's top-left pixel. A target pixel shows when at least
// half of the area it covers is shown, in the average colour of the shown
// pixels there; otherwise it is the key colour, as is every frame's top-left
// pixel. A shown pixel never comes out as the key colour.
StripPixels ScaleStrip(const StripPixels& strip, int frameHeight, int targetWidth, int targetFrameHeight);

// The whole picture resampled by area to targetWidth x targetHeight, every
// pixel the average of what it covers: for a picture without a key colour.
StripPixels ScalePicture(const StripPixels& picture, int targetWidth, int targetHeight);
