#include "tests/e2e/popups.h"

#include "osd/frame_mask.h"
#include "osd/strip_scale.h"
#include "tests/support/bmp_reader.h"

#include <map>

namespace e2e {

namespace {

struct PopupSearch {
    DWORD pid;
    HWND frame;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectPopup(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<PopupSearch*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && hwnd != search->frame && ::IsWindowVisible(hwnd)) {
        search->found.push_back(hwnd);
    }
    return TRUE;
}

const BmpImage& Strip(const std::string& file) {
    static std::map<std::string, BmpImage> strips;
    auto found = strips.find(file);
    if (found == strips.end()) {
        found = strips.emplace(file, ReadBmp(PicturePath(file))).first;
    }
    return found->second;
}

// Every kept pixel of the mask.
HRGN RegionOf(const FrameMask& mask) {
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (!mask.IsRemoved(x, y)) {
                HRGN pixel = ::CreateRectRgn(x, y, x + 1, y + 1);
                ::CombineRgn(region, region, pixel, RGN_OR);
                ::DeleteObject(pixel);
            }
        }
    }
    return region;
}

}  // namespace

std::string PicturePath(const std::string& file) {
    std::string path = std::string("Z:") + KEYVANE_PICTURES_DIR + "/" + file;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

std::vector<HWND> FindPopups(DWORD pid, HWND frame) {
    PopupSearch search{pid, frame, {}};
    ::EnumWindows(&CollectPopup, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RECT WindowRect(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return rect;
}

HRGN ExpectedFrameRegion(const std::string& file, int frame, int frameHeight) {
    const BmpImage& strip = Strip(file);
    return RegionOf(BuildFrameMask(strip.width, strip.height, frame * frameHeight, frameHeight,
                                   [&](int x, int y) { return strip.At(x, y); }));
}

StripPixels ExpectedScaledStrip(const std::string& name, int frameHeight, int dpi) {
    const int drawn = DrawnScaleFor(frameHeight, dpi);
    const BmpImage& image = Strip(drawn == 100 ? name + ".bmp" : name + "_" + std::to_string(drawn) + ".bmp");
    return ScaleStrip(StripPixels{image.width, image.height, image.pixels}, frameHeight * drawn / 100,
                      ScaledLength(image.width * 100 / drawn, dpi), ScaledLength(frameHeight, dpi));
}

HRGN ExpectedScaledFrameRegion(const std::string& name, int frame, int frameHeight, int dpi) {
    const int target = ScaledLength(frameHeight, dpi);
    const StripPixels scaled = ExpectedScaledStrip(name, frameHeight, dpi);
    return RegionOf(BuildFrameMask(scaled.width, scaled.height, frame * target, target, [&](int x, int y) {
        return scaled.pixels[static_cast<size_t>(y) * static_cast<size_t>(scaled.width) + static_cast<size_t>(x)];
    }));
}

StripPixels ExpectedPicture(const std::string& name, int dpi) {
    const int drawn = DrawnScaleFor(kBaseDpi, dpi);
    const BmpImage& image = Strip(drawn == 100 ? name + ".bmp" : name + "_" + std::to_string(drawn) + ".bmp");
    return ScalePicture(StripPixels{image.width, image.height, image.pixels},
                        ScaledLength(image.width * 100 / drawn, dpi), ScaledLength(image.height * 100 / drawn, dpi));
}

int ScreenDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

bool RegionEquals(HWND hwnd, HRGN expected) {
    HRGN actual = ::CreateRectRgn(0, 0, 0, 0);
    const bool equal = ::GetWindowRgn(hwnd, actual) != ERROR && ::EqualRgn(actual, expected);
    ::DeleteObject(actual);
    return equal;
}

}  // namespace e2e
