#include "driver/driver_package.h"
#include "driver/program_directory.h"

#include <gtest/gtest.h>

namespace {

TEST(DriverPackage, CommandLinesQuoteTheInstallerAndTheInfFile) {
    const std::optional<DriverPackage> package = DriverPackageIn("C:\\Program Files\\Keyvane\\");
    ASSERT_TRUE(package);
    EXPECT_EQ(package->installer, "C:\\Program Files\\Keyvane\\Driver\\DPInst.exe");
    EXPECT_EQ(package->uninstallCommand,
              "\"C:\\Program Files\\Keyvane\\Driver\\DPInst.exe\"  /u "
              "\"C:\\Program Files\\Keyvane\\Driver\\UsbSnoop.inf\"");
    EXPECT_EQ(package->installCommand, "\"C:\\Program Files\\Keyvane\\Driver\\DPInst.exe\"  /f");
}

TEST(DriverPackage, NoneOutsideAFolderThatEndsInABackslash) {
    for (const char* directory : {"", kNoProgramDirectory, "C:\\Keyvane", "C:/Keyvane/"}) {
        EXPECT_FALSE(DriverPackageIn(directory)) << '"' << directory << '"';
    }
}

TEST(ProgramDirectory, CutAfterTheLastBackslash) {
    const struct {
        const char* path;
        const char* directory;
    } paths[] = {
        {"C:\\Program Files\\Keyvane\\keyvane.exe", "C:\\Program Files\\Keyvane\\"},
        {"C:\\keyvane.exe", "C:\\"},
        {"\\\\server\\share\\Keyvane\\keyvane.exe", "\\\\server\\share\\Keyvane\\"},
        {"C:\\Keyvane\\", "C:\\Keyvane\\"},
        {"C:\\Keyvane/bin/keyvane.exe", "C:\\"},  // only a backslash cuts
        {"keyvane.exe", ""},
        {"", ""},
    };
    for (const auto& path : paths) {
        EXPECT_EQ(ProgramDirectoryOf(std::string(path.path)), path.directory) << path.path;
    }
    EXPECT_EQ(ProgramDirectoryOf(std::nullopt), "false");
}

}  // namespace
