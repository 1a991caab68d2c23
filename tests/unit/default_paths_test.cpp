#include "settings/default_paths.h"

#include "app/os_kind.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const SystemPlaces kXpPlaces{"http://www.example.com/", "C:\\Program Files", "C:\\WINDOWS\\system32", "C:\\WINDOWS"};

TEST(DefaultPaths, CalculatorIsInTheSystemFolderOnlyOn2000AndXp) {
    const struct {
        int osKind;
        const char* calculator;
    } cases[] = {{kOsOld9x, "C:\\WINDOWS\\CALC.EXE"},   {kOsOtherNt, "C:\\WINDOWS\\CALC.EXE"},
                 {kOsWin95, "C:\\WINDOWS\\CALC.EXE"},   {kOsWin98, "C:\\WINDOWS\\CALC.EXE"},
                 {kOsWinMe, "C:\\WINDOWS\\CALC.EXE"},   {kOsNt4, "C:\\WINDOWS\\CALC.EXE"},
                 {kOsWin2000, "C:\\WINDOWS\\system32\\CALC.EXE"}, {kOsWinXp, "C:\\WINDOWS\\system32\\CALC.EXE"},
                 {kOsVista, "C:\\WINDOWS\\CALC.EXE"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ComposeDefaultPaths(kXpPlaces, c.osKind, [](const std::string&) { return true; }).calculatorPath,
                  c.calculator)
            << "os kind " << c.osKind;
    }
}

TEST(DefaultPaths, MediaPlayerIsTheNewerOneOnlyWhenItOpens) {
    for (const bool opens : {true, false}) {
        std::vector<std::string> probed;
        const DefaultPaths paths = ComposeDefaultPaths(kXpPlaces, kOsWinXp, [&](const std::string& path) {
            probed.push_back(path);
            return opens;
        });
        EXPECT_EQ(probed, std::vector<std::string>{"C:\\Program Files\\Windows Media Player\\wmplayer.exe"});
        EXPECT_EQ(paths.mediaPath, opens ? "C:\\Program Files\\Windows Media Player\\wmplayer.exe"
                                         : "C:\\Program Files\\Windows Media Player\\mplayer2.exe");
        EXPECT_EQ(paths.emailPath, "C:\\Program Files\\Outlook Express\\MSIMN.EXE");
        EXPECT_EQ(paths.startPage, "http://www.example.com/");
    }
}

TEST(DefaultPaths, WithoutAProgramFilesFolderOnlyTheTailsRemain) {
    SystemPlaces places = kXpPlaces;
    places.programFiles.clear();
    bool probed = false;
    const DefaultPaths paths = ComposeDefaultPaths(places, kOsWinXp, [&](const std::string&) {
        probed = true;
        return true;
    });
    EXPECT_EQ(paths.emailPath, "\\Outlook Express\\MSIMN.EXE");
    EXPECT_EQ(paths.mediaPath, "\\Windows Media Player\\mplayer2.exe");
    EXPECT_FALSE(probed) << "nothing is looked for at the root of the current drive";
}

}  // namespace
