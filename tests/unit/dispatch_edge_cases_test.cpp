// The dispatcher's branches that the golden traces' two desktops do not reach,
// and the state it carries from one key to the next.
#include "app/os_kind.h"
#include "dispatch/folders.h"
#include "dispatch/volume_step.h"
#include "tests/unit/dispatch_scenes.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Scenario {
    const char* what;
    int osKind;
    std::function<void(CFakeDesktop&)> setup;
    std::initializer_list<std::uint32_t> codes;
    std::vector<std::string> trace;
    int osRelease = kOsBeforeWin10;  // within class 8: Windows 10 or 11
};

void RunScenarios(std::initializer_list<Scenario> scenarios) {
    for (const Scenario& s : scenarios) {
        CFakeDesktop desktop;
        s.setup(desktop);
        EXPECT_EQ(Dispatch(desktop, s.osKind, s.codes, s.osRelease), s.trace) << s.what;
    }
}

std::function<void(CFakeDesktop&)> Windows(std::initializer_list<const char*> classes) {
    return [classes](CFakeDesktop& d) {
        for (const char* className : classes) {
            d.AddWindow(className);
        }
    };
}

std::function<void(CFakeDesktop&)> InFront(const char* className, const char* title = "") {
    return [=](CFakeDesktop& d) { d.SetForeground(d.AddWindow(className, title)); };
}

void Nothing(CFakeDesktop&) {}

const std::string kStop = "picture VCDStop";

TEST(DispatchStop, ThePlayerCascadeEndsAtTheFirstPlayerFound) {
    RunScenarios({
        {"the older player's class comes first, whatever the Z order", kOsWin98,
         Windows({"WMPlayerApp", "Media Player 2"}), {0x0B}, {kStop, "post \"Media Player 2\" WM_COMMAND 3048"}},
        {"Media Player", kOsWin98, Windows({"Winamp v1.x", "WMPlayerApp"}), {0x2C},
         {kStop, "post \"WMPlayerApp\" WM_COMMAND 32809"}},
        {"CD player, sent and waited for", kOsNt4, Windows({"Winamp v1.x", "SJE_CdPlayerClass"}), {0x0B},
         {kStop, "send \"SJE_CdPlayerClass\" WM_COMMAND 1002"}},
        {"Winamp gets V wherever the focus is", kOsVista, Windows({"SthVCDClass", "Winamp v1.x"}), {0x0B},
         {kStop, "keys +0x56 -0x56"}},
        {"an Sth player", kOsWin95, Windows({"SthADOClass"}), {0x0B}, {kStop, "keys +0x11 +0x53 -0x53 -0x11"}},
        {"CyberLink video player in front", kOsWin98, InFront("CyberLink Video Window Class"), {0x0B},
         {kStop, "keys +0x53 -0x53"}},
        {"CyberLink universal player in front", kOsWin98, InFront("Class of CyberLink Universal Player"), {0x0B},
         {kStop, "keys +0x53 -0x53"}},
        {"a CyberLink player behind another window", kOsWin98,
         [](CFakeDesktop& d) {
             d.SetForeground(d.AddWindow("Notepad"));
             d.AddWindow("CyberLink Video Window Class");
         },
         {0x0B}, {kStop}},
        {"no player on Windows XP is left alone", kOsWinXp, Windows({"Media Player 2"}), {0x0B}, {kStop}},
    });
}

TEST(DispatchBrowserKeys, FolderWindowsTakeTheBrowserKeysButOnlyExactClasses) {
    RunScenarios({
        {"back in a folder window", kOsWin98, InFront("CabinetWClass"), {0x05},
         {"keys +0x12 +0x25 -0x25 -0x12", "picture WebBack"}},
        {"refresh in an explorer window", kOsNt4, InFront("ExploreWClass"), {0x26}, {"keys +0x74 -0x74", "picture WebRefresh"}},
        {"favourites in a folder window", kOsWin95, InFront("CabinetWClass"), {0x0F},
         {"picture WebFavorites", "keys +0x11 +0x49 -0x49 -0x11"}},
        {"a class differing in case", kOsWin98, InFront("ieframe"), {0x05}, {"picture WebBack"}},
        {"stop only in the browser itself", kOsWin98, InFront("CabinetWClass"), {0x04}, {"picture WebStop"}},
        {"search outside the browser on Vista", kOsVista, InFront("CabinetWClass"), {0x10},
         {"keys +0x5B +0x46 -0x46 -0x5B", "picture WebSearch"}},
    });
}

TEST(DispatchPrograms, WindowsFoundAreBroughtForwardOtherwiseProgramsStart) {
    RunScenarios({
        {"the older media player when the newer is not there", kOsWin98, Windows({"Media Player 2"}), {0x11},
         {"picture Media", "activate \"Media Player 2\""}},
        {"the upper of two calculators on Windows 2000", kOsWin2000,
         [](CFakeDesktop& d) {
             d.AddWindow("SciCalc", "", "upper");
             d.AddWindow("SciCalc", "", "lower");
         },
         {0x0E}, {"picture Calculator", "activate \"upper\""}},
        {"calendar outside Outlook sets the date", kOsWinXp, InFront("Notepad", "Untitled - Notepad"), {0x36},
         {"run RunDLL32.exe Shell32.dll,Control_RunDLL TimeDate.cpl,,0"}},
        {"sound recorder of 32-bit Windows", kOsVista,
         [](CFakeDesktop& d) {
             d.architecture = 2;
             d.AddWindow("SoundRec");
             d.AddWindow("SoundRecorder");
         },
         {0x57}, {"activate \"SoundRecorder\"", "top \"SoundRecorder\"", "send \"SoundRecorder\" WM_COMMAND 209"}},
        {"the audio recorder when the sound recorder is not there", kOsVista,
         [](CFakeDesktop& d) {
             d.architecture = 1;
             d.AddWindow("SoundRecorder");
             d.AddWindow("AudioRecorderMainFrameTraits");
         },
         {0x57}, {"activate \"AudioRecorderMainFrameTraits\"", "keys +0x12 +0x53 -0x53 -0x12"}},
        {"both recorders of 64-bit Windows are started", kOsVista, [](CFakeDesktop& d) { d.architecture = 1; },
         {0x57}, {"run sndrec32.exe", "run sndrec33.exe"}},
        {"gadgets without the program-files folder start nothing", kOsVista, Windows({"SideBar_AppBarBullet"}),
         {0x5A},
         {"picture GADGET", "sleep 500", "restore \"SideBar_AppBarBullet\"", "top \"SideBar_AppBarBullet\"",
          "keys +0x0D -0x0D"}},
    });
}

TEST(DispatchWindows10, SearchGamesAndTheRecorderApp) {
    const std::string search = "picture WebSearch";
    const std::string ctrlE = "keys +0x11 +0x45 -0x45 -0x11";
    const std::string winS = "keys +0x5B +0x53 -0x53 -0x5B";
    const std::string recorderApp = "open shell:AppsFolder\\Microsoft.WindowsSoundRecorder_8wekyb3d8bbwe!App";
    const auto recorderInstalled = [](CFakeDesktop& d) { d.packages.insert("Microsoft.WindowsSoundRecorder_8wekyb3d8bbwe"); };
    RunScenarios({
        {"Chrome and Edge in front", kOsVista, InFront("Chrome_WidgetWin_1"), {0x10}, {ctrlE, search}, kOsWin10},
        {"Firefox in front", kOsVista, InFront("MozillaWindowClass"), {0x30}, {ctrlE, search}, kOsWin11},
        {"Internet Explorer in front", kOsVista, InFront("IEFrame"), {0x10}, {ctrlE, search}, kOsWin10},
        {"a browser's class in another letter case", kOsVista, InFront("mozillawindowclass"), {0x10}, {winS, search},
         kOsWin10},
        {"a browser behind a folder window", kOsVista,
         [](CFakeDesktop& d) {
             d.SetForeground(d.AddWindow("CabinetWClass"));
             d.AddWindow("Chrome_WidgetWin_1");
         },
         {0x10}, {winS, search}, kOsWin10},
        {"Vista, 7 and 8 know only Internet Explorer", kOsVista, InFront("Chrome_WidgetWin_1"), {0x10},
         {"keys +0x5B +0x46 -0x46 -0x5B", search}},
        {"the Chinese Games folder is still opened", kOsVista,
         [](CFakeDesktop& d) {
             d.specialFolders[kCsidlPersonal] = "C:\\Users\\Ann\\Documents";
             d.existingPaths.insert(u8"C:\\ProgramData\\Microsoft\\Windows\\「开始」菜单\\程序\\游戏");
         },
         {0x5C},
         {"picture GAME", u8"open hidden cmd.exe /c explorer.exe \"C:\\ProgramData\\Microsoft\\Windows\\「开始」菜单\\程序\\游戏\""},
         kOsWin10},
        {"the recorder app", kOsVista, recorderInstalled, {0x57}, {recorderApp}, kOsWin10},
        {"a recorder of 64-bit Windows copied there comes first", kOsVista,
         [&](CFakeDesktop& d) {
             recorderInstalled(d);
             d.architecture = 1;
             d.programs.insert("sndrec33.exe");
         },
         {0x57}, {"run sndrec32.exe", "run sndrec33.exe"}, kOsWin11},
        {"a running recorder comes first", kOsVista,
         [&](CFakeDesktop& d) {
             recorderInstalled(d);
             d.AddWindow("AudioRecorderMainFrameTraits");
         },
         {0x57}, {"activate \"AudioRecorderMainFrameTraits\"", "keys +0x12 +0x53 -0x53 -0x12"}, kOsWin10},
        {"Vista does not look for the app", kOsVista, recorderInstalled, {0x57}, {"run soundrecorder.exe"}},
    });
}

TEST(DispatchPrograms, UnsetPathsStartNothingAndQuotedPathsStayAsTheyAre) {
    const struct {
        ProgramPaths paths;
        std::uint32_t code;
        std::vector<std::string> trace;
    } cases[] = {
        {{"", "", ""}, 0x02, {"picture WebHome"}},
        {{"", "", ""}, 0x11, {"picture Media"}},
        {{"", "", ""}, 0x0E, {"picture Calculator"}},
        {{"", "", "\"C:\\Tools\\calc.exe\" /s"}, 0x0E, {"picture Calculator", "run \"C:\\Tools\\calc.exe\" /s"}},
    };
    for (const auto& c : cases) {
        CFakeDesktop desktop;
        DispatcherState state;
        CKeyCommandDispatcher(desktop, kOsWin98, c.paths, state).Dispatch(c.code);
        EXPECT_EQ(desktop.trace, c.trace) << c.code;
    }
}

TEST(DispatchWindows, TheProgramsOwnWindowAndTheWindowsTitle) {
    const auto own = InFront("Afx:400000:8", "Keyvane V1.0.20010401");
    RunScenarios({
        {"scrolling its own window uses the arrow keys", kOsWinXp, own, {0x14, 0x1B},
         {"keys +0x26 -0x26", "keys +0x28 -0x28"}},
        {"its own window is never closed", kOsWinXp, own, {0x49}, {}},
        {"a title that only begins like its own is another window", kOsWinXp,
         InFront("Notepad", "Keyvane V1.0.20010401 - Notepad"), {0x49}, {"keys +0x12 +0x73 -0x73 -0x12"}},
        {"print in PowerPoint", kOsWinXp, InFront("PP12FrameClass", "Talk - Microsoft PowerPoint"), {0x4B},
         {"keys +0x11 +0x50 -0x50 -0x11"}},
        {"print in FrontPage", kOsWinXp, InFront("FrontPageMainWindow", "FrontPage - index.htm"), {0x4B},
         {"keys +0x11 +0x50 -0x50 -0x11"}},
        {"print in Word", kOsWinXp, InFront("OpusApp", "Letter - Microsoft Word"), {0x4B},
         {"keys +0x11 +0x50 -0x50 -0x11"}},
        {"titles are compared with case", kOsWinXp, InFront("Notepad", "word list.txt - Notepad"), {0x4B}, {}},
        {"the messenger window is restored and raised", kOsWinXp, Windows({"IMWindowClass"}), {0x52},
         {"restore \"IMWindowClass\"", "top \"IMWindowClass\""}},
    });
}

TEST(DispatchWindows, NextWindowRestoresAMinimisedForegroundWindow) {
    CFakeDesktop desktop;
    const WindowId window = desktop.AddWindow("Notepad");
    desktop.SetForeground(window);
    desktop.SetMinimized(window);
    const auto trace = Dispatch(desktop, kOsWinXp, {0x54});
    ASSERT_EQ(trace.size(), 9u);
    EXPECT_EQ(trace[7], "restore \"Notepad\"");
    EXPECT_EQ(trace[8], "top \"Notepad\"");
}

TEST(DispatchState, ShiftLatchHoldsShiftUntilToggledOrClicked) {
    RunScenarios({
        {"latch, then middle click", kOsWinXp, Nothing, {0x43, 0x4E},
         {"keys +0x10", "middle down", "middle up", "keys -0x10"}},
        {"latch twice", kOsWinXp, Nothing, {0x43, 0x43}, {"keys +0x10", "keys -0x10"}},
        {"middle button up toggles too", kOsWinXp, Nothing, {0x48, 0x48},
         {"middle up", "keys +0x10", "middle up", "keys -0x10"}},
        {"Shift stays held across other keys", kOsWinXp, Nothing, {0x43, 0x45, 0x4E},
         {"keys +0x10", "keys +0x11 +0x43 -0x43 -0x11", "middle down", "middle up", "keys -0x10"}},
        {"a click without latch leaves Shift alone", kOsWinXp, Nothing, {0x4E, 0x4E},
         {"middle down", "middle up", "middle down", "middle up"}},
    });
}

TEST(DispatchState, ShiftIsLetGoWhenTheProgramEnds) {
    CFakeDesktop desktop;
    DispatcherState state;
    const ProgramPaths paths = TestPaths();
    CKeyCommandDispatcher dispatcher(desktop, kOsWinXp, paths, state);
    dispatcher.ReleaseShiftLatch();
    EXPECT_TRUE(desktop.trace.empty()) << "nothing held, nothing released";
    dispatcher.Dispatch(0x43);
    dispatcher.ReleaseShiftLatch();
    dispatcher.ReleaseShiftLatch();
    EXPECT_EQ(desktop.trace, (std::vector<std::string>{"keys +0x10", "keys -0x10"}));
    EXPECT_FALSE(state.bShiftLatched);
}

TEST(DispatchState, EjectAlternatesOpenAndClosed) {
    CFakeDesktop desktop;
    DispatcherState state;
    EXPECT_EQ(Dispatch(desktop, kOsWinXp, {0x37, 0x37, 0x37}, state),
              (std::vector<std::string>{"picture EJECT", "cd door open", "picture EJECT", "cd door closed",
                                        "picture EJECT", "cd door open"}));
    EXPECT_FALSE(state.bEjectOpens);
}

TEST(DispatchState, MuteSwitchesItsOwnStateWithoutMixerAndReadsItWhereTheSystemSwitches) {
    CFakeDesktop noMixer;
    EXPECT_EQ(Dispatch(noMixer, kOsWin98, {0x01, 0x20}),
              (std::vector<std::string>{"mute 1", "picture Mute", "mute 0", "picture UnMute"}));
    CFakeDesktop mixer;
    mixer.mixerMute = 0;
    DispatcherState muted;
    muted.bMute = 1;
    EXPECT_EQ(Dispatch(mixer, kOsVista, {0x01}, muted), std::vector<std::string>{"picture UnMute"});
    EXPECT_EQ(muted.bMute, 0u);
}

TEST(DispatchState, VolumeLevelIsTheMixerVolumeOver2621) {
    const struct {
        std::optional<std::uint32_t> mixer;
        std::uint32_t lastRead;
        const char* line;
    } cases[] = {
        {65535, 0, "volume level 25"},     {2620, 0, "volume level 0"},  {2621, 0, "volume level 1"},
        {32768, 0, "volume level 12"},     {0x30000, 0, "volume level 25"},  // beyond the range: the top frame
        {std::nullopt, 5242, "volume level 2"},                                // a failed read shows the last level
    };
    for (const auto& c : cases) {
        CFakeDesktop desktop;
        desktop.mixerVolume = c.mixer;
        DispatcherState state;
        state.dwVolume = c.lastRead;
        EXPECT_EQ(Dispatch(desktop, kOsWin2000, {0x0C}, state), std::vector<std::string>{c.line});
    }
}

}  // namespace

namespace {

// A playback device at `volume` (0..65535), muted or not, whose volume keys
// the hook took from Windows.
std::function<void(CFakeDesktop&)> Device(std::uint32_t volume, std::uint32_t muted, bool taken = true,
                                          bool refuses = false) {
    return [=](CFakeDesktop& d) {
        d.mixerVolume = volume;
        d.mixerMute = muted;
        d.takesVolumeKeys = taken;
        d.refusesChanges = refuses;
    };
}

TEST(DispatchDeviceVolume, KeysTakenFromWindowsStepTheDeviceByEvenPercentages) {
    RunScenarios({
        {"21 % up to 22 %", kOsVista, Device(13762, 0), {0x27}, {"set volume 14418", "volume level 5"}},
        {"22 % up to 24 %", kOsVista, Device(14418, 0), {0x0C}, {"set volume 15728", "volume level 6"}},
        {"a hair below 22 % counts as 22 %", kOsVista, Device(14417, 0), {0x27}, {"set volume 15728", "volume level 6"}},
        {"22 % down to 20 %", kOsVista, Device(14418, 0), {0x28}, {"set volume 13107", "volume level 5"}},
        {"21 % down to 20 %", kOsVista, Device(13762, 0), {0x0D}, {"set volume 13107", "volume level 5"}},
        {"at most 100 %", kOsVista, Device(65535, 0), {0x27}, {"set volume 65535", "volume level 25"}},
        {"99 % up to 100 %", kOsVista, Device(64880, 0), {0x27}, {"set volume 65535", "volume level 25"}},
        {"at least 0 %", kOsVista, Device(0, 0), {0x28}, {"set volume 0", "volume level 0"}},
        {"each repeat steps once more", kOsVista, Device(13107, 0), {0x27, 0x27, 0x27},
         {"set volume 14418", "volume level 5", "set volume 15728", "volume level 6", "set volume 17039",
          "volume level 6"}},
        {"a muted device is unmuted and stepped", kOsVista, Device(32768, 1), {0x28},
         {"mute 0", "set volume 31457", "volume level 12"}},
        {"mute switches the device", kOsVista, Device(32768, 0), {0x20, 0x01},
         {"mute 1", "picture Mute", "mute 0", "picture UnMute"}},
        {"a refused level goes on to Windows", kOsVista, Device(32768, 0, true, true), {0x27},
         {"set volume 34078", "keys +0xAF -0xAF", "picture VOLINC"}},
        {"a refused unmute goes on to Windows", kOsVista, Device(32768, 1, true, true), {0x28},
         {"mute 0", "keys +0xAE -0xAE", "picture VOLDEC"}},
        {"a refused mute goes on to Windows and shows the state read", kOsVista, Device(32768, 0, true, true),
         {0x20}, {"mute 1", "keys +0xAD -0xAD", "picture UnMute"}},
        {"a device gone after the hook took the key", kOsVista,
         [](CFakeDesktop& d) { d.takesVolumeKeys = true; }, {0x27, 0x20},
         {"keys +0xAF -0xAF", "picture VOLINC", "keys +0xAD -0xAD", "picture UnMute"}},
        {"keys left to Windows show the device's level", kOsVista, Device(32768, 0, false), {0x27, 0x28},
         {"volume level 12", "volume level 12"}},
        {"mute left to Windows shows the state it has", kOsVista, Device(32768, 1, false), {0x20}, {"picture Mute"}},
        {"XP never sets the level", kOsWinXp, Device(32768, 0), {0x27, 0x20}, {"volume level 12", "picture UnMute"}},
    });
}

TEST(DispatchDeviceVolume, ChangesMadeElsewhereShowTheStripOrTheMutePicture) {
    CFakeDesktop desktop;
    DispatcherState state;
    const ProgramPaths paths = TestPaths();
    CKeyCommandDispatcher dispatcher(desktop, kOsVista, paths, state);
    dispatcher.VolumeChangedElsewhere(32768, 0);
    dispatcher.VolumeChangedElsewhere(32768, 1);
    dispatcher.VolumeChangedElsewhere(0, 1);
    dispatcher.VolumeChangedElsewhere(0, 0);
    EXPECT_EQ(desktop.trace, (std::vector<std::string>{"volume level 12", "picture Mute", "volume level 0",
                                                       "picture UnMute"}));
    EXPECT_EQ(state.dwVolume, 0u);
}

TEST(DispatchDeviceVolume, StepsAndFramesOfLevels) {
    const struct {
        std::uint32_t volume;
        int up, down, percent, frame;
    } cases[] = {
        {0, 2, 0, 0, 0},           {655, 2, 0, 1, 0},            {13762, 22, 20, 21, 5},
        {14417, 24, 20, 22, 5},    {14418, 24, 20, 22, 5},       {65535, 100, 98, 100, 25},
        {65534, 100, 98, 100, 25}, {0x30000, 100, 98, 100, 25},  {2621, 6, 2, 4, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StepVolumePercent(c.volume, true), c.up) << c.volume;
        EXPECT_EQ(StepVolumePercent(c.volume, false), c.down) << c.volume;
        EXPECT_EQ(PercentOfVolume(c.volume), c.percent) << c.volume;
        EXPECT_EQ(VolumeFrame(c.volume), c.frame) << c.volume;
    }
    EXPECT_EQ(VolumeOfPercent(22), 14418u);
    EXPECT_EQ(VolumeOfPercent(101), 65535u);
    EXPECT_EQ(VolumeOfScalar(0.2199999f), 14418u);
    EXPECT_EQ(VolumeOfScalar(1.5f), 65535u);
    EXPECT_EQ(VolumeOfScalar(-0.1f), 0u);
}

}  // namespace
