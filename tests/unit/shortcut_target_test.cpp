#include "settings/shortcut_target.h"

#include <gtest/gtest.h>

namespace {

struct TargetCase {
    const char* target;
    const char* file;
    const char* parameters;
    const char* directory;
};

class ShortcutTargetTest : public testing::TestWithParam<TargetCase> {};

TEST_P(ShortcutTargetTest, Splits) {
    const TargetCase& c = GetParam();
    const ShortcutLaunch launch = SplitShortcutTarget(c.target);
    EXPECT_EQ(launch.file, c.file) << c.target;
    EXPECT_EQ(launch.parameters, c.parameters) << c.target;
    EXPECT_EQ(launch.directory, c.directory) << c.target;
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ShortcutTargetTest,
    testing::Values(
        TargetCase{R"(C:\Program Files\Tool\tool.exe -x)", R"(C:\Program Files\Tool\tool.exe)", "-x",
                   R"(C:\Program Files\Tool\)"},
        TargetCase{R"(C:\Program Files\Tool\tool.exe)", R"(C:\Program Files\Tool\tool.exe)", "",
                   R"(C:\Program Files\Tool\)"},
        // The blank after the quoted program stays with the parameters.
        TargetCase{R"("C:\Program Files\Tool\tool.exe" -x)", R"(C:\Program Files\Tool\tool.exe)", " -x",
                   R"(C:\Program Files\Tool\)"},
        TargetCase{R"("C:\Program Files\Tool\tool.exe -x)", R"("C:\Program Files\Tool\tool.exe -x)", "",
                   R"("C:\Program Files\Tool\)"},
        TargetCase{"http://www.example.com/a b", "http://www.example.com/a b", "", ""},
        TargetCase{"HTTP://WWW.EXAMPLE.COM", "HTTP://WWW.EXAMPLE.COM", "", ""},
        TargetCase{"HtTp://x", "HtTp://x", "", ""},
        // Only plain http counts as an address; the rest goes through the split.
        TargetCase{"https://www.example.com/a b", "https://www.example.com/a", "b", "https://www.example.com/"},
        TargetCase{"notepad.exe readme.txt", "notepad.exe", "readme.txt", ""},
        TargetCase{"notepad.exe", "notepad.exe", "", ""},
        TargetCase{"", "", "", ""},
        TargetCase{R"(D:\Tools\run.bat  two  blanks)", R"(D:\Tools\run.bat)", " two  blanks", R"(D:\Tools\)"}));

struct PathCase {
    const char* path;
    unsigned parts;
    const char* expected;
};

class PathPartTest : public testing::TestWithParam<PathCase> {};

TEST_P(PathPartTest, SelectsParts) {
    const PathCase& c = GetParam();
    EXPECT_EQ(GetPathPart(c.path, c.parts), c.expected) << c.path << " parts " << c.parts;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathPartTest,
    testing::Values(PathCase{R"(C:\Windows\help.chm)", kPathDrive, "C:"},
                    PathCase{R"(C:\Windows\help.chm)", kPathFolder, R"(\Windows\)"},
                    PathCase{R"(C:\Windows\help.chm)", kPathFileName, "help"},
                    PathCase{R"(C:\Windows\help.chm)", kPathExtension, ".chm"},
                    PathCase{R"(C:\Windows\help.chm)", kPathDrive | kPathFolder, R"(C:\Windows\)"},
                    PathCase{R"(C:\Windows\help.chm)", kPathFileName | kPathExtension, "help.chm"},
                    PathCase{R"(C:\Windows\help.chm)", 15, R"(C:\Windows\help.chm)"},
                    PathCase{"tool.exe", kPathDrive | kPathFolder, ""},
                    PathCase{R"(C:\a.b\tool)", kPathExtension, ""},
                    PathCase{R"(C:\a.b\tool)", kPathFileName, "tool"},
                    PathCase{"C:tool.exe", kPathDrive | kPathFolder, "C:"},
                    PathCase{"C:/Data/x.tar.gz", kPathFolder | kPathExtension, "/Data/.gz"},
                    PathCase{R"(\\server\share\f.txt)", kPathFolder, R"(\\server\share\)"}));

}  // namespace
