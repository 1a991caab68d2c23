#include "hookwell/report_matcher.h"

#include "install/key_definitions.h"

#include <algorithm>

std::optional<int> MatchReport(const std::uint8_t* bytes, std::size_t length) {
    for (int entry = 0; entry < kKeyDefinitionCount; ++entry) {
        const KeyDefinition& definition = KeyDefinitions[entry];
        if (definition.length != length || !std::equal(bytes, bytes + length, definition.report.begin())) {
            continue;
        }
        if (entry == kKeysReleasedEntry || entry == kMultimediaKeysReleasedEntry) {
            return std::nullopt;
        }
        return entry;
    }
    return std::nullopt;
}
