// Settings of the screen that Wine reads when a program starts: its scale and
// its visual style. Each is set for a scope and put back as it was after, so a
// program started meanwhile runs with them and those started later do not.
#pragma once

#include "tests/e2e/registry_fixture.h"

#include <windows.h>

namespace e2e {

// The screen's dots per inch, as Wine's "LogPixels".
class ScreenScale {
public:
    explicit ScreenScale(DWORD dpi);

private:
    ValueOverride m_saved;
};

// Wine's own "Light" visual style, in force.
class LightVisualStyle {
public:
    LightVisualStyle();

private:
    ValueOverride m_active;
    ValueOverride m_file;
    ValueOverride m_colour;
    ValueOverride m_size;
};

}  // namespace e2e
