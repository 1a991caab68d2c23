#include "driver/os_architecture.h"

#include <gtest/gtest.h>

namespace {

TEST(OsArchitecture, BuildLabNamesTheArchitectureInAnyCase) {
    const struct {
        const char* buildLab;
        int architecture;
    } labels[] = {
        {"7601.24214.amd64fre.win7sp1_ldr_escrow.180801-1700", kArchAmd64},
        {"7601.17514.x86fre.win7sp1_rtm.101119-1850", kArchX86},
        {"6002.18005.X86FRE.LONGHORN_RTM.090410-1830", kArchX86},
        {"3790.srv03_sp2_rtm.070216-1710 AMD64", kArchAmd64},
        {"amd64 built on an x86 machine", kArchAmd64},  // amd64 is looked for first
        {"22621.1.arm64fre.ni_release.220506-1250", kArchUnknown},
        {"", kArchUnknown},
    };
    for (const auto& label : labels) {
        EXPECT_EQ(ClassifyBuildLab(label.buildLab), label.architecture) << label.buildLab;
    }
}

}  // namespace
