// Every defined key command code on every Windows version class, on a busy and
// on an empty desktop, against the trace the key table asks for.
#include "app/os_kind.h"
#include "dispatch/key_commands.h"
#include "tests/unit/dispatch_scenes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The desktops: one per version class 0-8, where class 8 is Vista, 7 or 8,
// then Windows 10 and Windows 11, both of class 8.
constexpr int kWin10Desktop = 9;
constexpr int kWin11Desktop = 10;
constexpr int kLastDesktop = kWin11Desktop;

// Sets of desktops, one bit each; class 8 stands for Windows 10 and 11 as well.
constexpr unsigned Kinds(std::initializer_list<int> kinds) {
    unsigned set = 0;
    for (const int kind : kinds) {
        set |= 1u << kind;
        if (kind == 8) {
            set |= 1u << kWin10Desktop | 1u << kWin11Desktop;
        }
    }
    return set;
}
constexpr unsigned kAll = 0x7FF;
constexpr unsigned kWin10On = 1u << kWin10Desktop | 1u << kWin11Desktop;
constexpr unsigned kWin11 = 1u << kWin11Desktop;
constexpr unsigned kS = Kinds({2, 3, 5, 8});   // the program sends browser and player commands
constexpr unsigned kN = Kinds({4, 6, 7, 8});   // the system does home, favourites, media, mute
constexpr unsigned kOwnAccessories = Kinds({4, 7, 8});  // calculator and My Computer only show pictures
constexpr unsigned kLevel = Kinds({4, 6, 7});  // volume keys show the mixer's level
constexpr unsigned kDeviceLevel = Kinds({4, 6, 7, 8});  // ... or the playback device's, where there is one
constexpr unsigned Not(unsigned set) {
    return kAll & ~set;
}

enum Scene { kBusy = 1, kEmpty = 2, kBoth = 3 };

struct Row {
    std::vector<std::uint32_t> codes;
    unsigned kinds;
    int scenes;
    std::vector<std::string> trace;
};

const std::vector<std::string> kNextWindow = {"keys +0xA4(scan 0)", "sleep 50", "keys +0x1B(scan 0)", "sleep 50",
                                              "keys -0x1B(scan 0)", "sleep 50", "keys -0xA4(scan 0)"};

std::vector<std::string> Then(std::vector<std::string> lines, const std::string& last) {
    lines.push_back(last);
    return lines;
}

const std::vector<Row> kRows = {
    {{0x01, 0x20}, kN, kBusy, {"picture Mute"}},
    {{0x01, 0x20}, kN, kEmpty, {"picture UnMute"}},
    {{0x01, 0x20}, Not(kN), kBoth, {"mute 1", "picture Mute"}},
    {{0x02, 0x21}, kN, kBoth, {"picture WebHome"}},
    {{0x02, 0x21}, Not(kN), kBoth, {"picture WebHome", "open http://www.example.com/"}},
    {{0x03, 0x22}, kAll, kBusy, {"picture Mail", "open MSIMN.EXE"}},
    {{0x03, 0x22}, kAll, kEmpty, {"picture Mail", "open mailto:"}},
    {{0x04, 0x23}, kS, kBusy, {"keys +0x1B -0x1B", "picture WebStop"}},
    {{0x04, 0x23}, Not(kS), kBusy, {"picture WebStop"}},
    {{0x04, 0x23}, kAll, kEmpty, {"picture WebStop"}},
    {{0x05, 0x24}, kS, kBusy, {"keys +0x12 +0x25 -0x25 -0x12", "picture WebBack"}},
    {{0x05, 0x24}, Not(kS), kBusy, {"picture WebBack"}},
    {{0x05, 0x24}, kAll, kEmpty, {"picture WebBack"}},
    {{0x06, 0x25}, kS, kBusy, {"keys +0x12 +0x27 -0x27 -0x12", "picture WebNext"}},
    {{0x06, 0x25}, Not(kS), kBusy, {"picture WebNext"}},
    {{0x06, 0x25}, kAll, kEmpty, {"picture WebNext"}},
    {{0x07, 0x26}, kS, kBusy, {"keys +0x74 -0x74", "picture WebRefresh"}},
    {{0x07, 0x26}, Not(kS), kBusy, {"picture WebRefresh"}},
    {{0x07, 0x26}, kAll, kEmpty, {"picture WebRefresh"}},
    {{0x08, 0x29}, kAll, kBoth, {"picture VCDPlay"}},
    {{0x09, 0x2A}, kAll, kBoth, {"picture VCDPrev"}},
    {{0x0A, 0x2B}, kAll, kBoth, {"picture VCDNext"}},
    {{0x0B, 0x2C}, kS, kBusy, {"picture VCDStop", "post \"Media Player 2\" WM_COMMAND 3048"}},
    {{0x0B, 0x2C}, Not(kS), kBusy, {"picture VCDStop"}},
    {{0x0B, 0x2C}, kAll, kEmpty, {"picture VCDStop"}},
    {{0x0C, 0x27}, kDeviceLevel, kBusy, {"volume level 12"}},
    {{0x0C, 0x27}, kLevel, kEmpty, {"volume level 0"}},
    {{0x0C, 0x27}, Not(kDeviceLevel), kBusy, {"picture VOLINC"}},
    {{0x0C, 0x27}, Not(kLevel), kEmpty, {"picture VOLINC"}},
    {{0x0D, 0x28}, kDeviceLevel, kBusy, {"volume level 12"}},
    {{0x0D, 0x28}, kLevel, kEmpty, {"volume level 0"}},
    {{0x0D, 0x28}, Not(kDeviceLevel), kBusy, {"picture VOLDEC"}},
    {{0x0D, 0x28}, Not(kLevel), kEmpty, {"picture VOLDEC"}},
    {{0x0E, 0x2D}, kOwnAccessories, kBoth, {"picture Calculator"}},
    {{0x0E, 0x2D}, Not(kOwnAccessories), kBusy, {"picture Calculator", "activate \"SciCalc\""}},
    {{0x0E, 0x2D}, Not(kOwnAccessories), kEmpty, {"picture Calculator", "run \"C:\\WINDOWS\\system32\\CALC.EXE\""}},
    {{0x0F, 0x2F}, kN, kBoth, {"picture WebFavorites"}},
    {{0x0F, 0x2F}, Not(kN), kBusy, {"picture WebFavorites", "keys +0x11 +0x49 -0x49 -0x11"}},
    {{0x0F, 0x2F}, Not(kN), kEmpty, {"picture WebFavorites"}},
    {{0x10, 0x30}, kS, kBusy, {"keys +0x11 +0x45 -0x45 -0x11", "picture WebSearch"}},
    {{0x10, 0x30}, kS & ~kWin10On, kEmpty, {"keys +0x5B +0x46 -0x46 -0x5B", "picture WebSearch"}},
    {{0x10, 0x30}, kWin10On, kEmpty, {"keys +0x5B +0x53 -0x53 -0x5B", "picture WebSearch"}},
    {{0x10, 0x30}, Not(kS), kBoth, {"picture WebSearch"}},
    {{0x11, 0x31}, kN, kBoth, {"picture Media"}},
    {{0x11, 0x31}, Not(kN), kBusy, {"picture Media", "activate \"WMPlayerApp\""}},
    {{0x11, 0x31},
     Not(kN),
     kEmpty,
     {"picture Media", "run \"C:\\Program Files\\Windows Media Player\\wmplayer.exe\""}},
    {{0x12, 0x2E}, kOwnAccessories, kBoth, {"picture MyComputer"}},
    {{0x12, 0x2E}, Not(kOwnAccessories), kBusy, {"picture MyComputer", "activate \"ExploreWClass\""}},
    {{0x12, 0x2E}, Not(kOwnAccessories), kEmpty, {"picture MyComputer", "keys +0x5B +0x45 -0x45 -0x5B"}},
    {{0x14}, kAll, kBoth, {"wheel +96"}},
    {{0x15}, kAll, kBoth, {"wheel +64"}},
    {{0x16}, kAll, kBoth, {"wheel +128"}},
    {{0x17}, kAll, kBoth, {"wheel +256"}},
    {{0x18}, kAll, kBoth, {"wheel -96"}},
    {{0x19}, kAll, kBoth, {"wheel -64"}},
    {{0x1A}, kAll, kBoth, {"wheel -128"}},
    {{0x1B}, kAll, kBoth, {"wheel -256"}},
    {{0x32}, kAll, kBusy, {"picture WORD", "run \"C:\\Program Files\\Microsoft Office\\Office12\\WINWORD.EXE\""}},
    {{0x32}, kAll, kEmpty, {"picture WORD", "open WINWORD.exe"}},
    {{0x33}, kAll, kBusy, {"picture EXCEL", "run \"C:\\Program Files\\Microsoft Office\\Office12\\EXCEL.EXE\""}},
    {{0x33}, kAll, kEmpty, {"picture EXCEL", "open EXCEL.exe"}},
    {{0x35}, kAll, kBusy, {"picture PPOINT", "run \"C:\\Program Files\\Microsoft Office\\Office12\\POWERPNT.EXE\""}},
    {{0x35}, kAll, kEmpty, {"picture PPOINT", "open POWERPNT.exe"}},
    {{0x36}, kAll, kBusy, {"keys +0x11 +0x32 -0x32 -0x11"}},
    {{0x36}, kAll, kEmpty, {}},
    {{0x37}, kAll, kBoth, {"picture EJECT", "cd door open"}},
    {{0x38}, kAll, kBoth, {"keys +0x11 +0x4E -0x4E -0x11"}},
    {{0x39}, kAll, kBoth, {"keys +0x11 +0x4F -0x4F -0x11"}},
    {{0x3A}, kAll, kBoth, {"keys +0x11 +0x53 -0x53 -0x11"}},
    {{0x3B}, kAll, kBoth, {"keys +0x11 +0x48 -0x48 -0x11"}},
    {{0x3C}, kAll, kBoth, {"keys +0x76 -0x76"}},
    {{0x3D}, kAll, kBoth, {"keys +0x11 +0x5A -0x5A -0x11"}},
    {{0x3E}, kAll, kBoth, {"keys +0x11 +0x59 -0x59 -0x11"}},
    {{0x3F}, kAll, kBoth, {"keys +0x11 +0x52 -0x52 -0x11"}},
    {{0x40}, kAll, kBoth, {"keys +0x11 +0x10 +0x52 -0x52 -0x10 -0x11"}},
    {{0x41}, kAll, kBoth, {"keys +0x11 +0x46 -0x46 -0x11"}},
    {{0x42}, kAll, kBoth, {"keys +0x12 +0x53 -0x53 -0x12"}},
    {{0x43}, kAll, kBoth, {"keys +0x10"}},
    {{0x44}, kAll, kBoth, {"keys +0x11 +0x58 -0x58 -0x11"}},
    {{0x45}, kAll, kBoth, {"keys +0x11 +0x43 -0x43 -0x11"}},
    {{0x46}, kAll, kBoth, {"keys +0x11 +0x56 -0x56 -0x11"}},
    {{0x48}, kAll, kBoth, {"middle up", "keys +0x10"}},
    {{0x49}, kAll, kBoth, {"keys +0x12 +0x73 -0x73 -0x12"}},
    {{0x4A, 0x54, 0x56}, kAll, kBusy, Then(kNextWindow, "top \"IEFrame\"")},
    {{0x4A, 0x54, 0x56}, kAll, kEmpty, kNextWindow},
    {{0x4B}, kAll, kBusy, {"keys +0x11 +0x50 -0x50 -0x11"}},
    {{0x4B}, kAll, kEmpty, {}},
    {{0x4C}, kAll, kBoth, {"run Reboot.exe 0"}},
    {{0x4E}, kAll, kBoth, {"middle down", "middle up"}},
    {{0x51}, kAll, kBoth, {"keys +0x70 -0x70"}},
    {{0x52}, kAll, kBusy, {"restore \"IMWindowClass\"", "top \"IMWindowClass\""}},
    {{0x52}, kAll, kEmpty, {}},
    {{0x53}, kAll, kBusy, {"open hidden cmd.exe /c explorer.exe \"C:\\Users\\Ann\\Pictures\""}},
    {{0x53}, kAll, kEmpty, {}},
    {{0x57}, kAll, kBusy, {"activate \"SoundRec\"", "send \"SoundRec\" WM_COMMAND 209"}},
    {{0x57}, Not(kWin10On), kEmpty, {"run soundrecorder.exe"}},
    {{0x57}, kWin10On, kEmpty, {}},
    {{0x58}, kAll, kBoth, {"run magnify.exe"}},
    {{0x59}, kAll, kBoth, {"keys +0x5B +0x44 -0x44 -0x5B"}},
    {{0x5A},
     Not(kWin11),
     kBusy,
     {"picture GADGET", "run \"C:\\Program Files\\Windows Sidebar\\sidebar.exe\" /showgadgets", "sleep 500",
      "restore \"SideBar_AppBarBullet\"", "top \"SideBar_AppBarBullet\"", "keys +0x0D -0x0D"}},
    {{0x5A}, Not(kWin11), kEmpty, {"picture GADGET", "sleep 500"}},
    {{0x5A}, kWin11, kBoth, {"picture GADGET", "keys +0x5B +0x57 -0x57 -0x5B"}},
    {{0x5C},
     kAll,
     kBusy,
     {"picture GAME",
      "open hidden cmd.exe /c explorer.exe \"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Games\""}},
    {{0x5C}, Not(kWin10On), kEmpty, {"picture GAME"}},
    {{0x5C}, kWin10On, kEmpty, {"picture GAME", "keys +0x5B +0x47 -0x47 -0x5B"}},
};

std::vector<std::string> DispatchOn(std::uint32_t code, int desktopIndex, Scene scene) {
    CFakeDesktop desktop;
    if (scene == kBusy) {
        MakeBusyDesktop(desktop);
    }
    const int osKind = desktopIndex > 8 ? 8 : desktopIndex;
    const int osRelease = desktopIndex == kWin10Desktop ? kOsWin10 : desktopIndex == kWin11Desktop ? kOsWin11 : 0;
    return Dispatch(desktop, osKind, {code}, osRelease);
}

TEST(DispatchGoldenTrace, EveryDefinedCodeOnEveryVersionClassFollowsTheTable) {
    for (const Scene scene : {kBusy, kEmpty}) {
        for (int osKind = 0; osKind <= kLastDesktop; ++osKind) {
            for (std::uint32_t code = 0; code <= 0xFF; ++code) {
                const Row* expected = nullptr;
                for (const Row& row : kRows) {
                    const bool codeMatches = std::find(row.codes.begin(), row.codes.end(), code) != row.codes.end();
                    if (codeMatches && (row.kinds & (1u << osKind)) != 0 && (row.scenes & scene) != 0) {
                        ASSERT_EQ(expected, nullptr) << "two rows for code " << code << " kind " << osKind;
                        expected = &row;
                    }
                }
                const bool defined = IsDefinedKeyCommand(static_cast<std::uint8_t>(code));
                ASSERT_EQ(expected != nullptr, defined) << "a row for each defined code, code " << code;
                const auto trace = DispatchOn(code, osKind, scene);
                if (defined) {
                    EXPECT_EQ(trace, expected->trace) << "code 0x" << std::hex << code << std::dec << " kind " << osKind
                                                      << (scene == kBusy ? " busy" : " empty");
                } else {
                    EXPECT_TRUE(trace.empty()) << "undefined code 0x" << std::hex << code << " does nothing";
                }
            }
        }
    }
}

TEST(DispatchGoldenTrace, OnlyTheLowByteOfTheCodeCounts) {
    for (const Scene scene : {kBusy, kEmpty}) {
        for (int osKind = 0; osKind <= kLastDesktop; ++osKind) {
            EXPECT_EQ(DispatchOn(0x120, osKind, scene), DispatchOn(0x20, osKind, scene)) << osKind;
            EXPECT_TRUE(DispatchOn(0x113, osKind, scene).empty()) << osKind;
            EXPECT_TRUE(DispatchOn(0x15D, osKind, scene).empty()) << osKind;
        }
    }
}

}  // namespace
