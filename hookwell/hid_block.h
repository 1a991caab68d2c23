// One block of Raw Input from a HID collection: `count` reports of `size`
// bytes each, one after another. The sizes come from the system as they
// stand and are checked before a byte is read.
#pragma once

#include <cstddef>
#include <cstdint>

// Whether `count` reports of `size` bytes fit in the `available` bytes of
// the block (a size of 0 fits nothing: it would make a count of reports out
// of no bytes at all).
bool HidReportsFit(std::size_t available, std::uint32_t size, std::uint32_t count);
