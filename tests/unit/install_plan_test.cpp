#include "install/install_log.h"
#include "install/install_plan.h"

#include <gtest/gtest.h>

namespace {

const char kWindows[] = "C:\\WINDOWS";
const char kSetup[] = "D:\\Setup\\";
const char kProduct[] = "C:\\Program Files\\Keyvane";

ProductValues Keyboard() {
    return ProductValues{kProduct, "Corvale ", 0x22, 0x4D9};
}

struct PlanCase {
    const char* release;
    int kind;
    const char* driverFile;
    const char* deviceKey;
    bool instances;
    const char* lowerFilter;
    const char* description;
    std::size_t packageFiles;
};

class InstallPlanTest : public testing::TestWithParam<PlanCase> {};

TEST_P(InstallPlanTest, FollowsTheRelease) {
    const PlanCase& c = GetParam();
    const InstallPlan plan = MakeInstallPlan(c.kind, Keyboard(), kWindows, kSetup);
    ASSERT_TRUE(plan.driverCopy) << c.release;
    EXPECT_EQ(plan.driverCopy->from, std::string(kProduct) + "\\Driver\\" + c.driverFile) << c.release;
    EXPECT_EQ(plan.driverCopy->to, "C:\\WINDOWS\\SYSTEM32\\DRIVERS\\filtrum.sys") << c.release;
    EXPECT_EQ(plan.installedDriver, plan.driverCopy->to) << c.release;
    EXPECT_EQ(plan.imagePath, "\\??\\C:\\WINDOWS\\SYSTEM32\\DRIVERS\\filtrum.sys") << c.release;
    EXPECT_EQ(plan.installLog, "C:\\Program Files\\Keyvane\\INSTALL.LOG") << c.release;
    EXPECT_EQ(plan.deviceKey, c.deviceKey) << c.release;
    EXPECT_EQ(plan.deviceKeyHasInstances, c.instances) << c.release;
    EXPECT_EQ(plan.lowerFilter, c.lowerFilter) << c.release;
    EXPECT_EQ(plan.deviceDescription, c.description) << c.release;
    EXPECT_EQ(plan.packageCopies.size(), c.packageFiles) << c.release;
    EXPECT_EQ(plan.uninstallCommand.empty(), c.packageFiles == 0) << c.release;
    EXPECT_EQ(plan.installCommand.empty(), c.packageFiles == 0) << c.release;
}

constexpr char k9xKey[] = "Enum\\USB\\VID_04D9&PID_0022\\INST_0";
constexpr char kNtKey[] = "SYSTEM\\CurrentControlSet\\Enum\\USB\\Vid_04D9&Pid_0022";

INSTANTIATE_TEST_SUITE_P(
    Releases, InstallPlanTest,
    testing::Values(
        PlanCase{"Windows 95", 2, "filtrum_98.sys", k9xKey, false, "filtrum.sys", "Corvale USB Office Keyboard", 0},
        PlanCase{"Windows 98", 3, "filtrum_98.sys", k9xKey, false, "filtrum.sys", "Corvale USB Office Keyboard", 0},
        PlanCase{"Windows Me", 4, "filtrum_98.sys", k9xKey, false, "filtrum.sys", "Corvale USB Office Keyboard", 0},
        PlanCase{"Windows 3.x family", 0, "filtrum_nt.sys", kNtKey, true, "filtrum", "USB Office Keyboard", 0},
        PlanCase{"later NT", 1, "filtrum_nt.sys", kNtKey, true, "filtrum", "USB Office Keyboard", 0},
        PlanCase{"NT 4", 5, "filtrum_nt.sys", kNtKey, true, "filtrum", "USB Office Keyboard", 0},
        PlanCase{"Windows 2000", 6, "filtrum_nt.sys", kNtKey, true, "filtrum", "USB Office Keyboard", 0},
        PlanCase{"Windows XP", 7, "filtrum_nt.sys", kNtKey, true, "filtrum", "USB Office Keyboard", 0},
        PlanCase{"Vista x86", 8, "filtrum_nt.sys", kNtKey, true, "filtrum", "USB Office Keyboard", 4},
        PlanCase{"Vista x64", 9, "filtrum_nt.sys", kNtKey, true, "filtrum", "USB Office Keyboard", 5}));

std::string Copy(const char* from, const char* file) {
    return std::string("/c copy /y \"D:\\Setup\\Driver\\") + from + file +
           "\" \"C:\\Program Files\\Keyvane\\Driver\\" + file + "\"";
}

TEST(InstallPlan, VistaCopiesItsArchitecturesPackageThenRunsTheInstallerWithItsPathQuoted) {
    const InstallPlan x86 = MakeInstallPlan(8, Keyboard(), kWindows, kSetup);
    EXPECT_EQ(x86.packageCopies, (std::vector<std::string>{Copy("X86\\", "DPInst.exe"),
                                                          Copy("X86\\", "uninstall.bat"),
                                                          Copy("X86\\", "UsbSnoop.Inf"),
                                                          Copy("X86\\", "UsbSnoop.sys")}));
    EXPECT_EQ(x86.uninstallCommand,
              "\"C:\\Program Files\\Keyvane\\Driver\\DPInst.exe\"  /u  "
              "\"C:\\Program Files\\Keyvane\\Driver\\UsbSnoop.inf\"");
    EXPECT_EQ(x86.installCommand, "\"C:\\Program Files\\Keyvane\\Driver\\DPInst.exe\"  /f");

    const InstallPlan x64 = MakeInstallPlan(9, Keyboard(), kWindows, kSetup);
    EXPECT_EQ(x64.packageCopies, (std::vector<std::string>{Copy("X64\\", "DPInst.exe"),
                                                          Copy("X64\\", "uninstall.bat"),
                                                          Copy("X64\\", "UsbSnoop.Inf"),
                                                          Copy("X64\\", "UsbSnoop.sys"),
                                                          Copy("X64\\", "UsbSnoop.cat")}));
    EXPECT_EQ(x64.uninstallCommand, x86.uninstallCommand);
    EXPECT_EQ(x64.installCommand, x86.installCommand);
}

TEST(InstallPlan, WithoutTheProductFolderNothingIsCopiedRunOrLogged) {
    ProductValues values = Keyboard();
    values.infPath.clear();
    for (int kind : {3, 7, 8, 9}) {
        const InstallPlan plan = MakeInstallPlan(kind, values, kWindows, kSetup);
        EXPECT_TRUE(plan.packageCopies.empty()) << kind;
        EXPECT_TRUE(plan.uninstallCommand.empty()) << kind;
        EXPECT_TRUE(plan.installCommand.empty()) << kind;
        EXPECT_FALSE(plan.driverCopy) << kind;
        EXPECT_TRUE(plan.installLog.empty()) << kind;
        // A filter already in the driver folder may still be named.
        EXPECT_FALSE(plan.deviceKey.empty()) << kind;
    }
}

TEST(InstallPlan, WithoutBothKeyboardIdentifiersNoDeviceKeyIsNamed) {
    for (int kind : {3, 7, 8}) {
        ProductValues noVendor = Keyboard();
        noVendor.idVendor.reset();
        ProductValues noProduct = Keyboard();
        noProduct.idProduct.reset();
        EXPECT_EQ(MakeInstallPlan(kind, noVendor, kWindows, kSetup).deviceKey, "") << kind;
        EXPECT_EQ(MakeInstallPlan(kind, noProduct, kWindows, kSetup).deviceKey, "") << kind;
        // The rest goes on: the driver still arrives.
        EXPECT_TRUE(MakeInstallPlan(kind, noVendor, kWindows, kSetup).driverCopy) << kind;
    }
}

TEST(InstallPlan, IdentifiersAreFourUpperCaseHexDigits) {
    ProductValues values = Keyboard();
    values.idVendor = 0xa;
    values.idProduct = 0xbeef;
    EXPECT_EQ(MakeInstallPlan(3, values, kWindows, kSetup).deviceKey, "Enum\\USB\\VID_000A&PID_BEEF\\INST_0");
    EXPECT_EQ(MakeInstallPlan(7, values, kWindows, kSetup).deviceKey,
              "SYSTEM\\CurrentControlSet\\Enum\\USB\\Vid_000A&Pid_BEEF");
}

TEST(InstallPlan, WithoutTheWindowsFolderTheDriverIsNotCopied) {
    const InstallPlan plan = MakeInstallPlan(7, Keyboard(), "", kSetup);
    EXPECT_FALSE(plan.driverCopy);
    EXPECT_EQ(plan.installedDriver, "");
}

TEST(InstallLog, TwoBlocksPerDeviceKey) {
    EXPECT_EQ(DeviceKeyLogLines(k9xKey, "filtrum.sys", "HID Keyboard Device"),
              "RegDB Key: Enum\\USB\\VID_04D9&PID_0022\\INST_0\n"
              "RegDB Val: filtrum.sys\n"
              "RegDB Name: LowerFilters\n"
              "RegDB Root: 2\n"
              "RegDB Key: Enum\\USB\\VID_04D9&PID_0022\\INST_0\n"
              "RegDB Val: StrTemp\n"
              "RegDB Name: DeviceDesc\n"
              "RegDB Root: 2\n"
              "RegDB Old: HID Keyboard Device\n");
    // A key without a description still gets its "Old" line, empty.
    EXPECT_EQ(DeviceKeyLogLines("K", "filtrum", ""),
              "RegDB Key: K\nRegDB Val: filtrum\nRegDB Name: LowerFilters\nRegDB Root: 2\n"
              "RegDB Key: K\nRegDB Val: StrTemp\nRegDB Name: DeviceDesc\nRegDB Root: 2\nRegDB Old: \n");
}

}  // namespace
