// Finding windows, key chords, the Office search and the user's folders.
#include "dispatch/folders.h"
#include "dispatch/key_chord.h"
#include "dispatch/office_program.h"
#include "dispatch/window_search.h"
#include "tests/unit/dispatch_fake_desktop.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(WindowSearch, TheWindowHighestInTheZOrderWinsAndClassesMatchExactly) {
    CFakeDesktop desktop;
    desktop.AddWindow("Notepad");
    const WindowId upper = desktop.AddWindow("SciCalc", "", "upper");
    desktop.AddWindow("SciCalc", "", "lower");
    const WindowId browser = desktop.AddWindow("IEFrame");
    desktop.SetMinimized(browser);
    EXPECT_EQ(FindTopWindowByClass(desktop, "SciCalc"), upper);
    EXPECT_EQ(FindTopWindowByClass(desktop, "IEFrame"), browser) << "minimised windows count";
    EXPECT_EQ(FindTopWindowByClass(desktop, "ieframe"), 0u);
    EXPECT_EQ(FindTopWindowByClass(desktop, "IEFram"), 0u);
    EXPECT_EQ(FindTopWindowByClass(desktop, "IEFrame2"), 0u);
}

TEST(WindowSearch, ForegroundByClassLooksAtTheForegroundWindowOnly) {
    CFakeDesktop desktop;
    const WindowId browser = desktop.AddWindow("IEFrame");
    const WindowId folder = desktop.AddWindow("CabinetWClass");
    EXPECT_EQ(GetForegroundByClass(desktop, "IEFrame"), 0u) << "no foreground window";
    desktop.SetForeground(folder);
    EXPECT_EQ(GetForegroundByClass(desktop, "IEFrame"), 0u) << "a browser behind the window in front";
    EXPECT_EQ(GetForegroundByClass(desktop, "CabinetWClass"), folder);
    desktop.SetForeground(browser);
    EXPECT_EQ(GetForegroundByClass(desktop, "IEFrame"), browser);
    EXPECT_TRUE(ForegroundIsOneOf(desktop, {"ExploreWClass", "IEFrame"}));
    EXPECT_FALSE(ForegroundIsOneOf(desktop, {"ExploreWClass", "CabinetWClass"}));
}

TEST(WindowSearch, SthPlayersAreTriedByClassNotByZOrder) {
    CFakeDesktop desktop;
    EXPECT_EQ(FindSthPlayerWindow(desktop), 0u);
    desktop.AddWindow("SthCDClass");
    desktop.AddWindow("SthADOClass");
    EXPECT_EQ(desktop.Window(FindSthPlayerWindow(desktop)).className, "SthADOClass");
    desktop.AddWindow("SthVCDClass");
    EXPECT_EQ(desktop.Window(FindSthPlayerWindow(desktop)).className, "SthVCDClass");
}

TEST(KeyChord, KeysGoDownInOrderAndComeUpInReverseLeavingTheModifiersAsTheUserHoldsThem) {
    const struct {
        std::vector<unsigned> keys;
        ModifierKeys before;
        const char* line;
    } chords[] = {
        {{0x1B}, {}, "keys +0x1B -0x1B"},
        {{0x12, 0x25}, {}, "keys +0x12 +0x25 -0x25 -0x12"},
        {{0x11, 0x10, 'R'}, {}, "keys +0x11 +0x10 +0x52 -0x52 -0x10 -0x11"},
        // The user holds Shift: a chord without it leaves it down, one with it presses it again.
        {{0x11, 'V'}, {{0x10}, {0x10}}, "keys +0x11 +0x56 -0x56 -0x11"},
        {{0x11, 0x10, 'R'}, {{0x10}, {0x10}}, "keys +0x11 +0x10 +0x52 -0x52 -0x10 -0x11 +0x10"},
        {{0x11, 0x10, 'R'}, {{0x10, 0x11}, {0x10, 0x11}}, "keys +0x11 +0x10 +0x52 -0x52 -0x10 -0x11 +0x10 +0x11"},
        // Down for programs, but let go of by the user: the chord leaves it up.
        {{0x11, 'C'}, {{0x10, 0x5B}, {}}, "keys +0x11 +0x43 -0x43 -0x11 -0x10 -0x5B"},
        {{0x12, 0x73}, {{0x12, 0x10}, {0x10}}, "keys +0x12 +0x73 -0x73 -0x12"},
    };
    for (const auto& chord : chords) {
        CFakeDesktop desktop;
        desktop.modifiers = chord.before;
        SendKeyChord(desktop, chord.keys);
        EXPECT_EQ(desktop.trace, std::vector<std::string>{chord.line});
    }
}

TEST(KeyChord, StrayModifiersAreLetGoOfAndHeldOnesKept) {
    const struct {
        ModifierKeys now;
        std::vector<unsigned> letGo;
        std::vector<std::string> trace;
    } cases[] = {
        {{}, {}, {}},
        {{{0x10, 0x11}, {0x10, 0x11}}, {}, {}},
        {{{0x10, 0x11, 0x5C}, {0x11}}, {0x10, 0x5C}, {"keys -0x10 -0x5C"}},
    };
    for (const auto& c : cases) {
        CFakeDesktop desktop;
        desktop.modifiers = c.now;
        EXPECT_EQ(LetGoOfStrayModifiers(desktop), c.letGo);
        EXPECT_EQ(desktop.trace, c.trace);
    }
}

TEST(KeyChord, AloneLetsGoOfTheOtherModifiersAndPressesTheHeldOnesAgain) {
    const struct {
        std::vector<unsigned> held;
        const char* line;
    } chords[] = {
        {{}, "keys +0x11 -0x10 -0x12 -0x5B -0x5C +0x56 -0x56 -0x11"},
        {{0x12}, "keys +0x11 -0x10 -0x12 -0x5B -0x5C +0x56 -0x56 -0x11 +0x12"},
        // A held key of the chord itself is held again after it.
        {{0x11, 0x5B}, "keys +0x11 -0x10 -0x12 -0x5B -0x5C +0x56 -0x56 -0x11 +0x11 +0x5B"},
    };
    for (const auto& chord : chords) {
        CFakeDesktop desktop;
        SendKeyChordAlone(desktop, {0x11, 'V'}, chord.held);
        EXPECT_EQ(desktop.trace, std::vector<std::string>{chord.line});
    }
}

// Office installed as the registry says: key "SOFTWARE\Microsoft\Office\<v>.0",
// its Word install root's "Path", and the program files that can be read.
struct OfficeCase {
    const char* what;
    std::function<void(CFakeDesktop&)> install;
    std::optional<std::string> found;
};

void Version(CFakeDesktop& desktop, int version, std::optional<std::string> path = std::nullopt) {
    const std::string key = "SOFTWARE\\Microsoft\\Office\\" + std::to_string(version) + ".0";
    desktop.machineKeys[key];
    if (path) {
        desktop.machineKeys[key + "\\Word\\InstallRoot"]["Path"] = *path;
    }
}

TEST(FindOfficeProgram, SearchesTheNewestVersionFirstAndSkipsVersionsWithoutTheFile) {
    const OfficeCase cases[] = {
        {"no Office at all", [](CFakeDesktop&) {}, std::nullopt},
        {"version 11 only",
         [](CFakeDesktop& d) {
             Version(d, 11, "C:\\Office11\\");
             d.readableFiles.insert("C:\\Office11\\EXCEL.EXE");
         },
         "C:\\Office11\\EXCEL.EXE"},
        {"version 11 without the file",
         [](CFakeDesktop& d) {
             Version(d, 11, "C:\\Office11\\");
             d.readableFiles.insert("C:\\Office11\\WINWORD.EXE");
         },
         std::nullopt},
        {"12 and 11 both there: the newest",
         [](CFakeDesktop& d) {
             Version(d, 11, "C:\\Office11\\");
             Version(d, 12, "C:\\Office12\\");
             d.readableFiles = {"C:\\Office11\\EXCEL.EXE", "C:\\Office12\\EXCEL.EXE"};
         },
         "C:\\Office12\\EXCEL.EXE"},
        {"9 is the last version tried",
         [](CFakeDesktop& d) {
             Version(d, 9, "C:\\Office\\");
             d.readableFiles.insert("C:\\Office\\EXCEL.EXE");
         },
         "C:\\Office\\EXCEL.EXE"},
        {"an install root without its version key is not looked at",
         [](CFakeDesktop& d) {
             d.machineKeys["SOFTWARE\\Microsoft\\Office\\10.0\\Word\\InstallRoot"]["Path"] = "C:\\Office10\\";
             d.readableFiles.insert("C:\\Office10\\EXCEL.EXE");
         },
         std::nullopt},
        {"12 without the file, 11 without a Path, then 10",
         [](CFakeDesktop& d) {
             Version(d, 12, "C:\\Office12\\");
             Version(d, 11);
             Version(d, 10, "C:\\Office10\\");
             d.readableFiles.insert("C:\\Office10\\EXCEL.EXE");
         },
         "C:\\Office10\\EXCEL.EXE"},
        {"an empty Path never means the current directory",
         [](CFakeDesktop& d) {
             Version(d, 12, "");
             d.readableFiles.insert("EXCEL.EXE");
         },
         std::nullopt},
        {"nor does a relative one, as a value of another type reads",
         [](CFakeDesktop& d) {
             Version(d, 12, "A");
             Version(d, 11, "C:Office11\\");
             Version(d, 10, "Office10\\");
             d.readableFiles = {"AEXCEL.EXE", "C:Office11\\EXCEL.EXE", "Office10\\EXCEL.EXE"};
         },
         std::nullopt},
        {"a network share is a full path",
         [](CFakeDesktop& d) {
             Version(d, 12, "\\\\server\\Office12\\");
             d.readableFiles.insert("\\\\server\\Office12\\EXCEL.EXE");
         },
         "\\\\server\\Office12\\EXCEL.EXE"},
    };
    for (const OfficeCase& c : cases) {
        CFakeDesktop desktop;
        c.install(desktop);
        EXPECT_EQ(FindOfficeProgram(desktop, "EXCEL.EXE"), c.found) << c.what;
    }
}

TEST(GetParentFolder, KeepsTheTextUpToTheLastBackslash) {
    EXPECT_EQ(GetParentFolder("C:\\Data\\Docs"), "C:\\Data\\");
    EXPECT_EQ(GetParentFolder("C:\\Data\\"), "C:\\Data\\");
    EXPECT_EQ(GetParentFolder("C:\\"), "C:\\");
    EXPECT_EQ(GetParentFolder("error"), "");
    EXPECT_EQ(GetParentFolder(""), "");
}

struct FolderCase {
    const char* what;
    std::optional<std::string> documents;
    std::vector<std::string> existing;
    std::vector<std::string> pictures;
    std::vector<std::string> games;
};

TEST(UserFolders, PicturesBesideTheDocumentsAndGamesOnTheirDrive) {
    const std::string english = "ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Games";
    const std::string chinese = u8"ProgramData\\Microsoft\\Windows\\「开始」菜单\\程序\\游戏";
    const std::string open = "open hidden cmd.exe /c explorer.exe ";
    const FolderCase cases[] = {
        {"English Games folder",
         "C:\\Users\\Ann\\Documents",
         {"C:\\" + english, "C:\\" + chinese},
         {open + "\"C:\\Users\\Ann\\Pictures\""},
         {open + "\"C:\\" + english + "\""}},
        {"Chinese Games folder", "D:\\Users\\Li\\Documents", {"D:\\" + chinese}, {open + "\"D:\\Users\\Li\\Pictures\""},
         {open + "\"D:\\" + chinese + "\""}},
        {"no Games folder", "C:\\Users\\Ann\\Documents", {"D:\\" + english}, {open + "\"C:\\Users\\Ann\\Pictures\""}, {}},
        {"documents folder unknown: nothing relative to the current directory", std::nullopt, {english, chinese}, {},
         {}},
    };
    for (const FolderCase& c : cases) {
        CFakeDesktop desktop;
        if (c.documents) {
            desktop.specialFolders[kCsidlPersonal] = *c.documents;
        }
        desktop.existingPaths.insert(c.existing.begin(), c.existing.end());
        OpenPicturesFolder(desktop);
        EXPECT_EQ(desktop.trace, c.pictures) << c.what;
        desktop.trace.clear();
        OpenGamesFolder(desktop);
        EXPECT_EQ(desktop.trace, c.games) << c.what;
    }
}

}  // namespace
