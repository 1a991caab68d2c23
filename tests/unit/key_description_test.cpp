// What the Keys window says a key does, on a desktop with the programs of the
// built-in actions and on one without them.
#include "app/os_kind.h"
#include "dispatch/key_description.h"
#include "tests/unit/dispatch_scenes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

enum Scene { kBusy, kEmpty };

struct Row {
    const char* key;
    std::string stored;  // the value under the key's name
    int osKind;
    Scene scene;
    std::vector<std::string> programs;  // also on the computer (and for the sidebar, its path; for an app, its package)
    std::string description;
    int osRelease = kOsBeforeWin10;
};


const std::vector<Row> kRows = {
    {"mail", "", kOsWinXp, kBusy, {}, "built in: starts Outlook Express"},
    {"mail", "", kOsVista, kEmpty, {}, "built in: opens the mail program set in Windows (MSIMN.EXE is not installed)"},
    {"word", "", kOsVista, kBusy, {}, "built in: starts Word"},
    {"word", "", kOsVista, kEmpty, {}, "does nothing here: WINWORD.EXE is not installed"},
    {"excel", "", kOsVista, kEmpty, {"EXCEL.EXE"}, "built in: starts Excel"},
    {"reboot", "", kOsWinXp, kEmpty, {}, "does nothing here: Reboot.exe is not installed"},
    {"magnifier", "", kOsWinXp, kEmpty, {"magnify.exe"}, "built in: starts the magnifier"},
    {"sound-recorder", "", kOsWin98, kEmpty, {}, "does nothing here: soundrecorder.exe is not installed"},
    {"sound-recorder", "", kOsVista, kBusy, {}, "does nothing here: sndrec32.exe is not installed"},
    {"sound-recorder", "", kOsVista, kBusy, {"sndrec33.exe"}, "built in: starts the sound recorder"},
    {"gadgets", "", kOsVista, kBusy, {}, "does nothing here: sidebar.exe is not installed"},
    {"gadgets",
     "",
     kOsVista,
     kBusy,
     {"C:\\Program Files\\Windows Sidebar\\sidebar.exe"},
     "built in: shows the gadgets"},
    {"sound-recorder", "", kOsVista, kEmpty, {}, "does nothing here: Sound Recorder is not installed", kOsWin10},
    {"sound-recorder", "", kOsVista, kEmpty, {"Microsoft.WindowsSoundRecorder_8wekyb3d8bbwe"},
     "built in: starts Windows' Sound Recorder app", kOsWin11},
    {"sound-recorder", "", kOsVista, kEmpty, {"soundrecorder.exe"}, "built in: starts the sound recorder", kOsWin10},
    {"gadgets", "", kOsVista, kBusy, {}, "does nothing here: sidebar.exe is not installed", kOsWin10},
    {"gadgets", "", kOsVista, kEmpty, {}, "built in: presses Win+W (the Widgets board)", kOsWin11},
    {"games", "", kOsVista, kEmpty, {}, "built in: opens the Games folder"},
    {"games", "", kOsVista, kEmpty, {}, "built in: presses Win+G (the Game Bar) where there is no Games folder",
     kOsWin10},
    {"web-search", "", kOsVista, kBusy, {}, "built in: opens the search"},
    {"web-search", "", kOsVista, kEmpty, {},
     "built in: presses Ctrl+E in a web browser, otherwise Win+S (Windows' search)", kOsWin11},
    {"mute", "", kOsWin98, kBusy, {}, "built in: mutes or unmutes the sound"},
    {"mute", "", kOsWinXp, kBusy, {}, "built in: shows whether Windows muted the sound"},
    {"web-back", "", kOsVista, kBusy, {}, "built in: goes back a page in the browser or folder window"},
    {"web-back", "", kOsWinXp, kBusy, {}, "built in: shows its picture; Windows goes back a page"},
    {"volume-up", "", kOsWin2000, kBusy, {}, "built in: shows the volume level"},
    {"volume-up", "", kOsVista, kBusy, {}, "built in: shows its picture; Windows turns the volume up"},
    {"calculator", "", kOsWin2000, kEmpty, {}, "built in: starts the calculator"},
    {"calculator", "", kOsVista, kEmpty, {}, "built in: shows its picture; Windows starts the calculator"},
    {"new", "", kOsVista, kEmpty, {}, "built in: presses Ctrl+N"},
    {"reply-all", "", kOsVista, kEmpty, {}, "built in: presses Ctrl+Shift+R"},
    {"spelling", "", kOsVista, kEmpty, {}, "built in: presses F7"},
    {"show-desktop", "", kOsVista, kEmpty, {}, "built in: presses Win+D"},
    // The user's own actions, whatever the computer has.
    {"mail", "run:C:\\Apps\\thunderbird.exe -compose", kOsVista, kEmpty, {},
     "starts C:\\Apps\\thunderbird.exe -compose"},
    {"word", "keys:ctrl+SHIFT+n", kOsVista, kBusy, {}, "presses Ctrl+Shift+N"},
    {"play", "keys:MediaPlayPause", kOsVista, kBusy, {}, "presses MediaPlayPause"},
    {"calculator", "text:Kind regards", kOsVista, kBusy, {}, "types 'Kind regards'"},
    {"calculator", "text:Grüße ✓\r\n日本", kOsVista, kBusy, {}, "types 'Grüße ✓  日本'"},
    // Cut after 40 characters, not bytes, and never inside one.
    {"calculator", "text:" + std::string(39, 'x') + "ü✓日", kOsVista, kBusy, {},
     "types '" + std::string(39, 'x') + "ü...'"},
    {"next", "none", kOsVista, kBusy, {}, "nothing"},
    // A value that is not taken leaves the built-in action, and says why.
    {"new", "keys:Ctrl+Hyper", kOsVista, kBusy, {},
     "built in: presses Ctrl+N (its own action is not taken: keys: unknown key name \"Hyper\")"},
};

const KeyName& Key(const char* name) {
    for (const KeyName& key : KeyNames) {
        if (std::strcmp(key.name, name) == 0) {
            return key;
        }
    }
    throw std::invalid_argument(name);
}

TEST(KeyDescription, BuiltInAndOwnActionsByReleaseAndComputer) {
    for (const Row& row : kRows) {
        CFakeDesktop desktop;
        if (row.scene == kBusy) {
            MakeBusyDesktop(desktop);
        }
        for (const std::string& program : row.programs) {
            desktop.programs.insert(program);
            desktop.existingPaths.insert(program);
            desktop.packages.insert(program);
        }
        const KeyAction action = ParseKeyAction(StoredValueType::kString, row.stored);
        EXPECT_EQ(DescribeKeyAction(Key(row.key), action, row.osKind, desktop, row.osRelease), row.description)
            << row.key << " \"" << row.stored << "\"";
        EXPECT_TRUE(desktop.trace.empty()) << row.key << ": describing a key does nothing";
    }
}

TEST(KeyDescription, EveryKeySaysWhatItDoesBuiltInOnEveryRelease) {
    for (int osKind = kOsOld9x; osKind <= kOsVista; ++osKind) {
        for (const int osRelease : {kOsBeforeWin10, kOsWin10, kOsWin11}) {
            for (const Scene scene : {kBusy, kEmpty}) {
                CFakeDesktop desktop;
                if (scene == kBusy) {
                    MakeBusyDesktop(desktop);
                }
                for (const KeyName& key : KeyNames) {
                    const std::string description = DescribeKeyAction(key, KeyAction{}, osKind, desktop, osRelease);
                    EXPECT_TRUE(description.rfind("built in: ", 0) == 0 ||
                                description.rfind("does nothing here: ", 0) == 0)
                        << key.name << " kind " << osKind << " release " << osRelease << ": " << description;
                }
            }
        }
    }
}

}  // namespace
