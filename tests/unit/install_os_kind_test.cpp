#include "install/install_os_kind.h"

#include <gtest/gtest.h>

namespace {

struct InstallOsKindCase {
    const char* release;
    OsVersion version;
    const char* buildLabel;
    int kind;
};

class InstallOsKindTest : public testing::TestWithParam<InstallOsKindCase> {};

TEST_P(InstallOsKindTest, ClassifiesRelease) {
    const InstallOsKindCase& c = GetParam();
    int labelReads = 0;
    const int kind = ClassifyInstallOsKind(c.version, [&] {
        ++labelReads;
        return std::string(c.buildLabel);
    });
    EXPECT_EQ(kind, c.kind) << c.release;
    // The label is read (and its key opened to the user) on 6.0 alone.
    const bool is60 = c.version.ntFamily && c.version.record && c.version.record->major == 6 &&
                      c.version.record->minor == 0;
    EXPECT_EQ(labelReads, is60 ? 1 : 0) << c.release;
}

constexpr char kX86[] = "6000.16386.x86fre.vista_rtm.061101-2205";
constexpr char kAmd64[] = "6001.18000.amd64fre.longhorn_rtm.080118-1840";

INSTANTIATE_TEST_SUITE_P(
    Releases, InstallOsKindTest,
    testing::Values(
        InstallOsKindCase{"Windows 3.x family", {false, 3, std::nullopt}, kX86, 0},
        InstallOsKindCase{"Windows 95", {false, 4, OsVersionNumbers{4, 0}}, kX86, 2},
        InstallOsKindCase{"Windows 98", {false, 4, OsVersionNumbers{4, 10}}, kX86, 3},
        InstallOsKindCase{"Windows Me", {false, 4, OsVersionNumbers{4, 90}}, kX86, 4},
        InstallOsKindCase{"9x without a version record", {false, 4, std::nullopt}, kX86, 2},
        InstallOsKindCase{"NT 3.51", {true, 3, OsVersionNumbers{3, 51}}, kX86, 1},
        InstallOsKindCase{"NT 4", {true, 4, OsVersionNumbers{4, 0}}, kX86, 5},
        InstallOsKindCase{"Windows 2000", {true, 5, OsVersionNumbers{5, 0}}, kX86, 6},
        InstallOsKindCase{"Windows XP", {true, 5, OsVersionNumbers{5, 1}}, kX86, 7},
        InstallOsKindCase{"Server 2003", {true, 5, OsVersionNumbers{5, 2}}, kX86, 1},
        InstallOsKindCase{"Vista x86", {true, 6, OsVersionNumbers{6, 0}}, kX86, 8},
        InstallOsKindCase{"Vista x64", {true, 6, OsVersionNumbers{6, 0}}, kAmd64, 9},
        InstallOsKindCase{"Vista with an upper-case label", {true, 6, OsVersionNumbers{6, 0}}, "6000.X86FRE", 8},
        InstallOsKindCase{"Vista naming both, amd64 first", {true, 6, OsVersionNumbers{6, 0}}, "x86.AMD64", 9},
        InstallOsKindCase{"Vista without a label", {true, 6, OsVersionNumbers{6, 0}}, "", 9},
        InstallOsKindCase{"Windows 7 needs no package", {true, 6, OsVersionNumbers{6, 1}}, kX86, 1},
        InstallOsKindCase{"Windows 10", {true, 10, OsVersionNumbers{10, 0}}, kAmd64, 1},
        InstallOsKindCase{"NT without a version record", {true, 6, std::nullopt}, kX86, 1}));

}  // namespace
