#include "registry/access_list.h"

#include <algorithm>

namespace {

constexpr std::size_t kListHeaderSize = 8;
// The list size is a 16-bit number.
constexpr std::size_t kMaxListSize = 0xFFFF;
constexpr std::size_t kEntryHeaderSize = 4;
// Entry header and access mask come before an entry's identifier.
constexpr std::size_t kSidOffset = 8;
// An identifier: revision, sub-authority count, 6-byte authority, then 4 bytes per sub-authority.
constexpr std::size_t kSidHeaderSize = 8;
constexpr std::uint8_t kSidRevision = 1;
constexpr std::uint8_t kMinListRevision = 2;

constexpr std::uint32_t kGenericRead = 0x80000000;
constexpr std::uint32_t kGenericWrite = 0x40000000;
constexpr std::uint32_t kGenericExecute = 0x20000000;
constexpr std::uint32_t kGenericAll = 0x10000000;

std::uint16_t Read16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t Read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void Append16(std::vector<std::uint8_t>& out, std::size_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

void Append32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Append16(out, value & 0xFFFF);
    Append16(out, value >> 16);
}

// The identifier at the start of `size` bytes, or nothing when it does not fit.
std::optional<SidBytes> ParseSid(const std::uint8_t* data, std::size_t size) {
    if (size < kSidHeaderSize) {
        return std::nullopt;
    }
    const std::size_t length = kSidHeaderSize + 4u * data[1];
    if (data[0] != kSidRevision || length > size) {
        return std::nullopt;
    }
    return SidBytes(data, data + length);
}

// A registry entry may name its rights generically; these are the key rights they stand for.
std::uint32_t MapKeyGenericRights(std::uint32_t mask) {
    std::uint32_t specific = mask & ~(kGenericRead | kGenericWrite | kGenericExecute | kGenericAll);
    if (mask & (kGenericRead | kGenericExecute)) {
        specific |= kKeyRead;
    }
    if (mask & kGenericWrite) {
        specific |= kKeyWrite;
    }
    if (mask & kGenericAll) {
        specific |= kKeyAllAccess;
    }
    return specific;
}

bool Grants(const AccessEntry& entry, const AccessGrant& grant) {
    return entry.type == kAccessAllowedType && (entry.flags & kInheritOnlyFlag) == 0 && entry.sid == grant.sid &&
           (MapKeyGenericRights(entry.mask) & grant.mask) == grant.mask;
}

void AppendAllowEntry(std::vector<std::uint8_t>& out, const AccessGrant& grant) {
    out.push_back(kAccessAllowedType);
    out.push_back(0);
    Append16(out, kSidOffset + grant.sid.size());
    Append32(out, grant.mask);
    out.insert(out.end(), grant.sid.begin(), grant.sid.end());
}

}  // namespace

std::optional<AccessList> ParseAccessList(const std::uint8_t* data, std::size_t size) {
    if (size < kListHeaderSize) {
        return std::nullopt;
    }
    const std::size_t listSize = Read16(data + 2);
    const std::size_t count = Read16(data + 4);
    if (listSize < kListHeaderSize || listSize > size) {
        return std::nullopt;
    }
    AccessList list{data[0], {}};
    std::size_t offset = kListHeaderSize;
    for (std::size_t i = 0; i < count; ++i) {
        if (listSize - offset < kEntryHeaderSize) {
            return std::nullopt;
        }
        const std::uint8_t* entry = data + offset;
        const std::size_t entrySize = Read16(entry + 2);
        if (entrySize < kSidOffset || entrySize > listSize - offset) {
            return std::nullopt;
        }
        AccessEntry parsed{entry[0], entry[1], Read32(entry + 4), {}, {entry, entry + entrySize}};
        if (parsed.type == kAccessAllowedType || parsed.type == kAccessDeniedType) {
            std::optional<SidBytes> sid = ParseSid(entry + kSidOffset, entrySize - kSidOffset);
            if (!sid) {
                return std::nullopt;
            }
            parsed.sid = std::move(*sid);
        }
        list.entries.push_back(std::move(parsed));
        offset += entrySize;
    }
    return list;
}

SidBytes NtAuthoritySid(std::initializer_list<std::uint32_t> subAuthorities) {
    SidBytes sid{kSidRevision, static_cast<std::uint8_t>(subAuthorities.size()), 0, 0, 0, 0, 0, 5};
    for (std::uint32_t subAuthority : subAuthorities) {
        Append32(sid, subAuthority);
    }
    return sid;
}

std::vector<AccessGrant> KeyAccessGrants() {
    return {AccessGrant{NtAuthoritySid({4}), kKeyRead}, AccessGrant{NtAuthoritySid({32, 544}), kKeyAllAccess}};
}

GrantMerge AddMissingGrants(const AccessList& list, const std::vector<AccessGrant>& grants) {
    std::vector<AccessGrant> missing;
    for (const AccessGrant& grant : grants) {
        const bool given = std::any_of(list.entries.begin(), list.entries.end(),
                                       [&grant](const AccessEntry& entry) { return Grants(entry, grant); });
        if (!given) {
            missing.push_back(grant);
        }
    }
    if (missing.empty()) {
        return GrantMerge{GrantMerge::Outcome::kGivenAlready, {}};
    }
    // The key's own entries come first and inherited ones after them; the new ones join the key's own.
    const auto firstInherited = std::find_if(list.entries.begin(), list.entries.end(), [](const AccessEntry& entry) {
        return (entry.flags & kInheritedFlag) != 0;
    });
    const auto position = static_cast<std::size_t>(firstInherited - list.entries.begin());
    std::vector<std::uint8_t> body;
    for (std::size_t i = 0; i <= list.entries.size(); ++i) {
        if (i == position) {
            for (const AccessGrant& grant : missing) {
                AppendAllowEntry(body, grant);
            }
        }
        if (i < list.entries.size()) {
            body.insert(body.end(), list.entries[i].bytes.begin(), list.entries[i].bytes.end());
        }
    }
    const std::size_t listSize = kListHeaderSize + body.size();
    if (listSize > kMaxListSize) {
        return GrantMerge{GrantMerge::Outcome::kTooLarge, {}};
    }
    GrantMerge merge{GrantMerge::Outcome::kMerged, {std::max(list.revision, kMinListRevision), 0}};
    Append16(merge.list, listSize);
    Append16(merge.list, list.entries.size() + missing.size());
    Append16(merge.list, 0);
    merge.list.insert(merge.list.end(), body.begin(), body.end());
    return merge;
}
