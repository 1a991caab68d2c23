// The pictures drawn for more than one screen scale: a bitmap resource for
// 100 % and, for larger screens, PNG drawings of the same picture at 150 %
// and 200 % named NAME_150 and NAME_200 (png_resource.h). A screen takes the
// nearest larger drawing, which its user shrinks to the size asked for.
#pragma once

#include "framework/owned_bitmap.h"
#include "osd/strip_scale.h"

#include <windows.h>

#include <string>

struct Drawing {
    framework::OwnedBitmap bitmap;  // the 100 % resource, when that was taken
    StripPixels pixels;             // empty when there is no such picture
    int scale = 100;                // the percentage the pixels were drawn for
};

// The drawing to take for a picture (or one frame of it) height pixels high at
// 100 %, shown on a screen of dpi. Where the imaging component fails, the
// 100 % bitmap: blurred once scaled, but still the picture.
Drawing LoadDrawing(LPCSTR bitmap, const std::string& pngName, int height, int dpi);

// A whole picture for a screen of dpi: the resource itself at 100 %, else
// its size there scaled, shrunk from the drawing for the nearest larger scale.
framework::OwnedBitmap ScaledPicture(LPCSTR bitmap, const std::string& pngName, int dpi);

// A bitmap of the pixels, drawn as a resource's bitmap is.
framework::OwnedBitmap BitmapOf(const StripPixels& image);
