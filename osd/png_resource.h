// The larger picture strips are held as PNG (RCDATA resources), which the
// Windows Imaging Component decodes. Only screens above 100 % ask for them,
// so the component is loaded on the first such picture, not at start.
#pragma once

#include "osd/strip_scale.h"

#include <string>

// The resource's pixels; false when it is missing or not a PNG.
bool LoadPngResource(const std::string& name, StripPixels* image);
