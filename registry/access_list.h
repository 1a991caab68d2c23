// A key's access list as the system stores it, and the grants that open a key
// to interactive users and administrators without taking anything from anyone.
//
// The stored form (an ACL) is an 8-byte header (revision, a spare byte, the
// 16-bit list size, the 16-bit entry count, two spare bytes) followed by the
// entries. Each entry is a 4-byte header (type, flags, 16-bit entry size), a
// 32-bit access mask and, for allow and deny entries, the identifier (SID) of
// whom it names; an entry may be longer than its identifier needs. All numbers
// are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

using SidBytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kAccessAllowedType = 0;
constexpr std::uint8_t kAccessDeniedType = 1;
constexpr std::uint8_t kInheritOnlyFlag = 0x08;
constexpr std::uint8_t kInheritedFlag = 0x10;

constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyWrite = 0x20006;
constexpr std::uint32_t kKeyAllAccess = 0xF003F;

struct AccessEntry {
    std::uint8_t type;
    std::uint8_t flags;
    std::uint32_t mask;
    SidBytes sid;                     // allow and deny entries only
    std::vector<std::uint8_t> bytes;  // the whole entry as stored
};

struct AccessList {
    std::uint8_t revision;
    std::vector<AccessEntry> entries;
};

// Nothing when the bytes are not a well-formed list.
std::optional<AccessList> ParseAccessList(const std::uint8_t* data, std::size_t size);

// An identifier under the NT authority (S-1-5-...), in its stored form.
SidBytes NtAuthoritySid(std::initializer_list<std::uint32_t> subAuthorities);

struct AccessGrant {
    SidBytes sid;
    std::uint32_t mask;
};

// Read access for Interactive users (S-1-5-4), full access for Administrators
// (S-1-5-32-544).
std::vector<AccessGrant> KeyAccessGrants();

struct GrantMerge {
    enum class Outcome { kGivenAlready, kMerged, kTooLarge };
    Outcome outcome;
    std::vector<std::uint8_t> list;  // the merged list (kMerged only)
};

// The list with an allow entry added for each grant that no entry gives
// already, placed after the key's own entries and before the inherited ones
// so the list stays in the order the system expects. An entry gives a grant
// when it allows the grant's rights (generic rights counted as the key rights
// they stand for) to the same identifier and is not there for subkeys only.
GrantMerge AddMissingGrants(const AccessList& list, const std::vector<AccessGrant>& grants);
