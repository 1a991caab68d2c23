#include "dispatch/key_command_dispatcher.h"
#include "dispatch/built_in_programs.h"
#include "dispatch/folders.h"
#include "dispatch/office_program.h"
#include "dispatch/version_sets.h"
#include "dispatch/virtual_keys.h"
#include "dispatch/window_search.h"

namespace {

constexpr unsigned kSoundRecorderRecord = 209;
constexpr unsigned kGadgetsWaitMs = 500;

}  // namespace

void CKeyCommandDispatcher::Mail() {
    // Today's Windows has no Outlook Express; whatever mail program the user
    // chose answers "mailto:" instead.
    const bool outlookExpress = m_desktop.ProgramOnComputer(kMailProgram);
    m_desktop.ShellOpen(outlookExpress ? kMailProgram : "mailto:", "", ShowMode::kNormal);
}

void CKeyCommandDispatcher::Calculator() {
    Picture("Calculator");
    if (SystemStartsAccessories(m_nOsKind)) {
        return;
    }
    if (!ActivateFirstOf({"SciCalc"})) {
        RunProgramFile(m_paths.strCalculatorPath);
    }
}

void CKeyCommandDispatcher::MyComputer() {
    Picture("MyComputer");
    if (SystemStartsAccessories(m_nOsKind)) {
        return;
    }
    if (!ActivateFirstOf({"ExploreWClass"})) {
        Chord({kVkLwin, 'E'});
    }
}

void CKeyCommandDispatcher::OfficeProgram(const char* picture, const char* file, const char* fallback) {
    Picture(picture);
    if (const auto path = FindOfficeProgram(m_desktop, file)) {
        RunProgramFile(*path);
    } else {
        // The shell may still know the program by its registered name.
        m_desktop.ShellOpen(fallback, "", ShowMode::kNormal);
    }
}

void CKeyCommandDispatcher::Calendar() {
    const WindowId foreground = m_desktop.ForegroundWindow();
    if (foreground == 0) {
        return;
    }
    if (m_desktop.WindowTitle(foreground).find("Outlook") != std::string::npos) {
        Chord({kVkControl, '2'});
    } else {
        m_desktop.Run("RunDLL32.exe Shell32.dll,Control_RunDLL TimeDate.cpl,,0");
    }
}

void CKeyCommandDispatcher::Messenger() {
    if (const WindowId window = FindTopWindowByClass(m_desktop, "IMWindowClass")) {
        m_desktop.RestoreWindow(window);
        m_desktop.BringWindowToTop(window);
    }
}

void CKeyCommandDispatcher::SoundRecorder() {
    const bool amd64 = m_desktop.QueryOsArchitecture() == 1;
    const char* recorderClass = amd64 ? "SoundRec" : "SoundRecorder";
    if (const WindowId window = FindTopWindowByClass(m_desktop, recorderClass)) {
        m_desktop.Activate(window);
        if (!amd64) {
            m_desktop.BringWindowToTop(window);
        }
        m_desktop.SendCommand(window, kSoundRecorderRecord);
        return;
    }
    if (const WindowId window = FindTopWindowByClass(m_desktop, "AudioRecorderMainFrameTraits")) {
        m_desktop.Activate(window);
        Chord({kVkMenu, 'S'});
        return;
    }
    if (IsWin10OrLater(m_nOsRelease) && !ClassicSoundRecorderOnComputer(m_desktop)) {
        // Windows 10 and 11 have only their recorder app, when it is installed.
        if (m_desktop.PackageInstalled(kSoundRecorderAppFamily)) {
            m_desktop.ShellOpen(std::string("shell:AppsFolder\\") + kSoundRecorderAppId, "", ShowMode::kNormal);
        }
        return;
    }
    if (amd64) {
        // Both are tried, whatever the first one did.
        m_desktop.Run(kSoundRecorder64Program);
        m_desktop.Run(kSoundRecorder64Other);
    } else {
        m_desktop.Run(kSoundRecorderProgram);
    }
}

void CKeyCommandDispatcher::Gadgets() {
    if (IsWin11(m_nOsRelease)) {
        // The Sidebar is long gone; the Widgets board has its place.
        Chord({kVkLwin, 'W'});
        return;
    }
    // Without the program-files folder the sidebar's path would name a folder
    // of whatever drive is current.
    const auto programFiles =
        m_desktop.MachineString("Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
    if (programFiles && !programFiles->empty()) {
        RunProgramFile(*programFiles + kSidebarTail, "/showgadgets");
    }
    // Give a sidebar that was already running the time to show its bullet.
    m_desktop.Sleep(kGadgetsWaitMs);
    if (const WindowId bullet = FindTopWindowByClass(m_desktop, "SideBar_AppBarBullet")) {
        m_desktop.RestoreWindow(bullet);
        m_desktop.BringWindowToTop(bullet);
        Chord({kVkReturn});
    }
}

void CKeyCommandDispatcher::Games() {
    // Windows 10 and 11 have no Games folder, but the Game Bar.
    if (!OpenGamesFolder(m_desktop) && IsWin10OrLater(m_nOsRelease)) {
        Chord({kVkLwin, 'G'});
    }
}

bool ClassicSoundRecorderOnComputer(IDesktop& desktop) {
    if (desktop.QueryOsArchitecture() != 1) {
        return desktop.ProgramOnComputer(kSoundRecorderProgram);
    }
    return desktop.ProgramOnComputer(kSoundRecorder64Program) || desktop.ProgramOnComputer(kSoundRecorder64Other);
}
