#include "app/os_kind.h"

#include <gtest/gtest.h>

namespace {

struct OsKindCase {
    const char* release;
    bool nt;
    unsigned quickMajor;
    std::optional<OsVersionNumbers> record;
    int kind;
};

class OsKindTest : public testing::TestWithParam<OsKindCase> {};

TEST_P(OsKindTest, ClassifiesRelease) {
    const OsKindCase& c = GetParam();
    EXPECT_EQ(ClassifyOsKind(c.nt, c.quickMajor, c.record), c.kind) << c.release;
}

INSTANTIATE_TEST_SUITE_P(
    Releases, OsKindTest,
    testing::Values(
        OsKindCase{"Windows 3.x family", false, 3, std::nullopt, 0},
        // Below 4 the full record is not consulted, whatever it would say.
        OsKindCase{"9x 3.95 with a record", false, 3, OsVersionNumbers{4, 10}, 0},
        OsKindCase{"Windows 95", false, 4, OsVersionNumbers{4, 0}, 2},
        OsKindCase{"Windows 95 OSR2", false, 4, OsVersionNumbers{4, 3}, 2},
        OsKindCase{"Windows 98", false, 4, OsVersionNumbers{4, 10}, 3},
        OsKindCase{"Windows Me", false, 4, OsVersionNumbers{4, 90}, 4},
        OsKindCase{"9x 5.0", false, 5, OsVersionNumbers{5, 0}, 2},
        OsKindCase{"9x without a version record", false, 4, std::nullopt, 2},
        OsKindCase{"NT 3.51", true, 3, OsVersionNumbers{3, 51}, 1},
        OsKindCase{"NT 4", true, 4, OsVersionNumbers{4, 0}, 5},
        OsKindCase{"NT 4 minor 1", true, 4, OsVersionNumbers{4, 1}, 5},
        OsKindCase{"Windows 2000", true, 5, OsVersionNumbers{5, 0}, 6},
        OsKindCase{"Windows XP", true, 5, OsVersionNumbers{5, 1}, 7},
        OsKindCase{"Server 2003", true, 5, OsVersionNumbers{5, 2}, 1},
        OsKindCase{"Vista", true, 6, OsVersionNumbers{6, 0}, 8},
        OsKindCase{"Windows 7", true, 6, OsVersionNumbers{6, 1}, 8},
        OsKindCase{"Windows 8 and later without a manifest", true, 6, OsVersionNumbers{6, 2}, 8},
        // The manifest names Windows 10, so Windows 10 and 11 report themselves.
        OsKindCase{"Windows 10 reporting itself", true, 10, OsVersionNumbers{10, 0, 19045}, 8},
        OsKindCase{"Windows 11 reporting itself", true, 10, OsVersionNumbers{10, 0, 22631}, 8},
        OsKindCase{"NT without a version record", true, 6, std::nullopt, 1}));

struct OsReleaseCase {
    const char* release;
    bool nt;
    std::optional<OsVersionNumbers> record;
    int osRelease;
};

class OsReleaseTest : public testing::TestWithParam<OsReleaseCase> {};

TEST_P(OsReleaseTest, TellsWindows10And11Apart) {
    const OsReleaseCase& c = GetParam();
    EXPECT_EQ(ClassifyOsRelease(c.nt, c.record), c.osRelease) << c.release;
}

INSTANTIATE_TEST_SUITE_P(
    Releases, OsReleaseTest,
    testing::Values(OsReleaseCase{"Windows 8.1", true, OsVersionNumbers{6, 3, 9600}, kOsBeforeWin10},
                    OsReleaseCase{"Windows 10 without a manifest", true, OsVersionNumbers{6, 2, 9200}, kOsBeforeWin10},
                    OsReleaseCase{"Windows 10 1507", true, OsVersionNumbers{10, 0, 10240}, kOsWin10},
                    OsReleaseCase{"Windows 10 22H2", true, OsVersionNumbers{10, 0, 19045}, kOsWin10},
                    OsReleaseCase{"Server 2022", true, OsVersionNumbers{10, 0, 20348}, kOsWin10},
                    OsReleaseCase{"Windows 11 21H2", true, OsVersionNumbers{10, 0, 22000}, kOsWin11},
                    OsReleaseCase{"Windows 11 23H2", true, OsVersionNumbers{10, 0, 22631}, kOsWin11},
                    OsReleaseCase{"9x never", false, OsVersionNumbers{10, 0, 22000}, kOsBeforeWin10},
                    OsReleaseCase{"NT without a version record", true, std::nullopt, kOsBeforeWin10}));

}  // namespace
