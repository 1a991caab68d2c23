#include "hookwell/hid_block.h"

bool HidReportsFit(std::size_t available, std::uint32_t size, std::uint32_t count) {
    // Divided, not multiplied: size times count can overflow.
    return size != 0 && count <= available / size;
}
