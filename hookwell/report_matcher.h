// Knows the keyboard's input reports by the key definition list ("KeyDef"),
// the same list the installer writes for the filter driver, so that both
// roads number the keys alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// The report code of one input report: the number of the first entry that
// holds exactly these bytes (some keys share their bytes; the first entry
// wins). Nothing for the all-keys-released reports, which stand for no key,
// and nothing for bytes, or a length, that no entry holds.
std::optional<int> MatchReport(const std::uint8_t* bytes, std::size_t length);
