#include "registry/access_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Outcome = GrantMerge::Outcome;

const SidBytes kSystem = NtAuthoritySid({18});
const SidBytes kInteractive = NtAuthoritySid({4});
const SidBytes kAdministrators = NtAuthoritySid({32, 544});
const SidBytes kUsers = NtAuthoritySid({32, 545});

constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kGenericAll = 0x10000000;
constexpr std::uint32_t kGenericRead = 0x80000000;
constexpr std::uint8_t kObjectInherit = 0x01;
constexpr std::uint8_t kContainerInherit = 0x02;

void Put16(Bytes& out, std::size_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

// An entry as the system stores it, `spare` bytes longer than its identifier needs.
Bytes Entry(std::uint8_t type, std::uint8_t flags, std::uint32_t mask, const SidBytes& sid, std::size_t spare = 0) {
    Bytes entry{type, flags};
    Put16(entry, 8 + sid.size() + spare);
    Put16(entry, mask & 0xFFFF);
    Put16(entry, mask >> 16);
    entry.insert(entry.end(), sid.begin(), sid.end());
    entry.resize(entry.size() + spare, 0xAB);
    return entry;
}

Bytes List(std::uint8_t revision, const std::vector<Bytes>& entries) {
    Bytes body;
    for (const Bytes& entry : entries) {
        body.insert(body.end(), entry.begin(), entry.end());
    }
    Bytes list{revision, 0};
    Put16(list, 8 + body.size());
    Put16(list, entries.size());
    Put16(list, 0);
    list.insert(list.end(), body.begin(), body.end());
    return list;
}

std::string Name(const SidBytes& sid) {
    if (sid == kSystem) return "SYSTEM";
    if (sid == kInteractive) return "INTERACTIVE";
    if (sid == kAdministrators) return "Administrators";
    if (sid == kUsers) return "Users";
    return sid.empty() ? "-" : "?";
}

// "type/flags/mask/whom" per entry, so a whole list compares at once.
std::vector<std::string> Describe(const AccessList& list) {
    std::vector<std::string> lines;
    for (const AccessEntry& entry : list.entries) {
        char line[80];
        std::snprintf(line, sizeof line, "%u/%02X/%05X/%s", entry.type, entry.flags, entry.mask,
                      Name(entry.sid).c_str());
        lines.emplace_back(line);
    }
    return lines;
}

AccessList Parse(const Bytes& bytes) {
    std::optional<AccessList> list = ParseAccessList(bytes.data(), bytes.size());
    EXPECT_TRUE(list.has_value());
    return list.value_or(AccessList{});
}

// The access list of the driver's service key "Security" value: four allow
// entries, each 4 bytes longer than its identifier needs.
const Bytes kServiceAccessList = {
    0x02, 0x00, 0x70, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x18, 0x00, 0xFD, 0x01, 0x02, 0x00,
    0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x12, 0x00, 0x00, 0x00, 0x62, 0x00, 0x66, 0x00,
    0x00, 0x00, 0x1C, 0x00, 0xFF, 0x01, 0x0F, 0x00, 0x01, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05,
    0x20, 0x00, 0x00, 0x00, 0x20, 0x02, 0x00, 0x00, 0x69, 0x00, 0x6C, 0x00, 0x00, 0x00, 0x18, 0x00,
    0x8D, 0x01, 0x02, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x0B, 0x00, 0x00, 0x00,
    0x20, 0x02, 0x00, 0x00, 0x00, 0x00, 0x1C, 0x00, 0xFD, 0x01, 0x02, 0x00, 0x01, 0x02, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x05, 0x20, 0x00, 0x00, 0x00, 0x23, 0x02, 0x00, 0x00, 0x69, 0x00, 0x6C, 0x00};

TEST(AccessList, ParsesEntriesLongerThanTheirIdentifiers) {
    const AccessList list = Parse(kServiceAccessList);
    EXPECT_EQ(list.revision, 2);
    ASSERT_EQ(list.entries.size(), 4u);
    EXPECT_EQ(list.entries[0].sid, kSystem);
    EXPECT_EQ(list.entries[1].sid, kAdministrators);
    EXPECT_EQ(list.entries[2].sid, NtAuthoritySid({11}));
    EXPECT_EQ(list.entries[3].sid, NtAuthoritySid({32, 547}));
    EXPECT_EQ(list.entries[1].mask, 0xF01FFu);
    EXPECT_EQ(list.entries[2].mask, 0x2018Du);
    EXPECT_EQ(list.entries[3].bytes, Bytes(kServiceAccessList.begin() + 84, kServiceAccessList.end()));
}

TEST(AccessList, RejectsMalformedLists) {
    const Bytes good = List(2, {Entry(0, 0, kKeyRead, kUsers)});
    struct Case {
        const char* what;
        Bytes bytes;
    };
    Bytes countTooHigh = good;
    countTooHigh[4] = 2;
    Bytes sizePastBuffer = good;
    sizePastBuffer[2] = static_cast<std::uint8_t>(good.size() + 1);
    Bytes entryTooShort = good;
    entryTooShort[10] = 7;
    Bytes entryPastList = good;
    entryPastList[10] = static_cast<std::uint8_t>(good.size());
    Bytes identifierPastEntry = good;
    identifierPastEntry[17] = 3;  // three sub-authorities in a two-sub-authority entry
    const Case cases[] = {{"shorter than the header", Bytes(good.begin(), good.begin() + 7)},
                          {"more entries than bytes", countTooHigh},
                          {"list size past the buffer", sizePastBuffer},
                          {"entry shorter than its header and mask", entryTooShort},
                          {"entry running past the list", entryPastList},
                          {"identifier running past its entry", identifierPastEntry}};
    for (const Case& c : cases) {
        EXPECT_FALSE(ParseAccessList(c.bytes.data(), c.bytes.size()).has_value()) << c.what;
    }
}

TEST(AccessList, NtAuthorityIdentifiersAreStoredAsTheSystemStoresThem) {
    EXPECT_EQ(kAdministrators, Bytes(kServiceAccessList.begin() + 40, kServiceAccessList.begin() + 56));
    EXPECT_EQ(kInteractive, (Bytes{1, 1, 0, 0, 0, 0, 0, 5, 4, 0, 0, 0}));
}

struct MergeCase {
    const char* what;
    Bytes list;
    Outcome outcome;
    std::vector<std::string> merged;
};

class AddMissingGrantsTest : public testing::TestWithParam<MergeCase> {};

TEST_P(AddMissingGrantsTest, KeepsEveryEntryAndAddsWhatIsMissing) {
    const MergeCase& c = GetParam();
    const GrantMerge merge = AddMissingGrants(Parse(c.list), KeyAccessGrants());
    ASSERT_EQ(merge.outcome, c.outcome) << c.what;
    if (c.outcome == Outcome::kMerged) {
        EXPECT_EQ(Describe(Parse(merge.list)), c.merged) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, AddMissingGrantsTest,
    testing::Values(
        MergeCase{"empty list", List(2, {}), Outcome::kMerged,
                  {"0/00/20019/INTERACTIVE", "0/00/F003F/Administrators"}},
        MergeCase{"administrators already have full access",
                  List(2, {Entry(0, 0, kKeyAllAccess, kSystem), Entry(0, 0, kKeyAllAccess, kAdministrators)}),
                  Outcome::kMerged,
                  {"0/00/F003F/SYSTEM", "0/00/F003F/Administrators", "0/00/20019/INTERACTIVE"}},
        MergeCase{"generic rights count as the key rights they stand for",
                  List(2, {Entry(0, 0, kGenericAll, kAdministrators), Entry(0, 0, kGenericRead, kInteractive)}),
                  Outcome::kGivenAlready, {}},
        MergeCase{"full access includes read",
                  List(2, {Entry(0, 0, kKeyAllAccess, kInteractive), Entry(0, 0, kKeyAllAccess, kAdministrators)}),
                  Outcome::kGivenAlready, {}},
        MergeCase{"an entry for subkeys only gives nothing to the key",
                  List(2, {Entry(0, kInheritOnlyFlag | kContainerInherit, kKeyAllAccess, kAdministrators),
                           Entry(0, 0, kKeyRead, kInteractive)}),
                  Outcome::kMerged, {"0/0A/F003F/Administrators", "0/00/20019/INTERACTIVE", "0/00/F003F/Administrators"}},
        MergeCase{"part of read is not read",
                  List(2, {Entry(0, 0, kKeyQueryValue, kInteractive), Entry(0, 0, kKeyAllAccess, kAdministrators)}),
                  Outcome::kMerged,
                  {"0/00/00001/INTERACTIVE", "0/00/F003F/Administrators", "0/00/20019/INTERACTIVE"}},
        MergeCase{"a deny entry stays in front and grants nothing",
                  List(2, {Entry(1, 0, kKeyWrite, kInteractive), Entry(0, 0, kKeyAllAccess, kAdministrators)}),
                  Outcome::kMerged,
                  {"1/00/20006/INTERACTIVE", "0/00/F003F/Administrators", "0/00/20019/INTERACTIVE"}},
        MergeCase{"read for someone else is not read for interactive users",
                  List(2, {Entry(0, 0, kKeyRead, kUsers), Entry(0, 0, kKeyAllAccess, kAdministrators)}),
                  Outcome::kMerged, {"0/00/20019/Users", "0/00/F003F/Administrators", "0/00/20019/INTERACTIVE"}},
        MergeCase{"new entries join the key's own, before the inherited ones",
                  List(2, {Entry(0, kContainerInherit, kKeyAllAccess, kSystem),
                           Entry(0, kInheritedFlag | kObjectInherit, kKeyRead, kUsers),
                           Entry(0, kInheritedFlag, kKeyAllAccess, kSystem)}),
                  Outcome::kMerged,
                  {"0/02/F003F/SYSTEM", "0/00/20019/INTERACTIVE", "0/00/F003F/Administrators", "0/11/20019/Users",
                   "0/10/F003F/SYSTEM"}},
        MergeCase{"an inherited grant counts",
                  List(2, {Entry(0, kInheritedFlag, kKeyAllAccess, kAdministrators)}), Outcome::kMerged,
                  {"0/00/20019/INTERACTIVE", "0/10/F003F/Administrators"}},
        MergeCase{"entries of other kinds are kept", List(2, {Entry(7, 0, 0x1234, {}, 12)}), Outcome::kMerged,
                  {"7/00/01234/-", "0/00/20019/INTERACTIVE", "0/00/F003F/Administrators"}}));

TEST(AddMissingGrants, KeepsStoredEntriesByteForByte) {
    const GrantMerge merge = AddMissingGrants(Parse(kServiceAccessList), KeyAccessGrants());
    ASSERT_EQ(merge.outcome, Outcome::kMerged);
    // Administrators' 0xF01FF covers full key access; only interactive users' read is added.
    const Bytes added = Entry(0, 0, kKeyRead, kInteractive);
    ASSERT_EQ(merge.list.size(), kServiceAccessList.size() + added.size());
    EXPECT_EQ(Bytes(merge.list.begin() + 8, merge.list.end() - added.size()),
              Bytes(kServiceAccessList.begin() + 8, kServiceAccessList.end()));
    EXPECT_EQ(Bytes(merge.list.end() - added.size(), merge.list.end()), added);
    EXPECT_EQ(merge.list[4], 5) << "entry count";
}

TEST(AddMissingGrants, KeepsANewerRevisionAndRaisesAnOlderOne) {
    for (const auto& [revision, expected] : {std::pair<int, int>{4, 4}, {2, 2}, {1, 2}}) {
        const GrantMerge merge = AddMissingGrants(AccessList{static_cast<std::uint8_t>(revision), {}}, KeyAccessGrants());
        ASSERT_EQ(merge.outcome, Outcome::kMerged);
        EXPECT_EQ(merge.list[0], expected) << "revision " << revision;
    }
}

TEST(AddMissingGrants, RefusesAListTooLargeToStore) {
    // 2047 entries of 32 bytes fill the list to 65512 bytes; the two grants do not fit.
    const Bytes entry = Entry(0, 0, kKeyRead, kUsers, 8);
    const std::vector<Bytes> entries(2047, entry);
    const GrantMerge merge = AddMissingGrants(Parse(List(2, entries)), KeyAccessGrants());
    EXPECT_EQ(merge.outcome, Outcome::kTooLarge);
}

}  // namespace
