#include "dispatch/key_command_dispatcher.h"

#include "app/main_window_title.h"
#include "dispatch/built_in_programs.h"
#include "dispatch/folders.h"
#include "dispatch/key_chord.h"
#include "dispatch/key_commands.h"
#include "dispatch/version_sets.h"
#include "dispatch/virtual_keys.h"
#include "dispatch/window_search.h"

#include <map>
#include <vector>

namespace {

// The keys that only send a chord: editing commands and a few of the system's keys.
const std::map<std::uint8_t, std::vector<unsigned>> kChordKeys = {
    {0x38, {kVkControl, 'N'}},
    {0x39, {kVkControl, 'O'}},
    {0x3A, {kVkControl, 'S'}},
    {0x3B, {kVkControl, 'H'}},
    {0x3C, {kVkF7}},
    {0x3D, {kVkControl, 'Z'}},
    {0x3E, {kVkControl, 'Y'}},
    {0x3F, {kVkControl, 'R'}},
    {0x40, {kVkControl, kVkShift, 'R'}},
    {0x41, {kVkControl, 'F'}},
    {0x42, {kVkMenu, 'S'}},
    {0x44, {kVkControl, 'X'}},
    {0x45, {kVkControl, 'C'}},
    {0x46, {kVkControl, 'V'}},
    {0x51, {kVkF1}},
    {0x59, {kVkLwin, 'D'}},
};

}  // namespace

const std::vector<unsigned>* BuiltInChord(std::uint8_t command) {
    const auto chord = kChordKeys.find(command);
    return chord == kChordKeys.end() ? nullptr : &chord->second;
}

CKeyCommandDispatcher::CKeyCommandDispatcher(IDesktop& desktop, int osKind, const ProgramPaths& paths,
                                             DispatcherState& state, int osRelease)
    : m_desktop(desktop), m_nOsKind(osKind), m_nOsRelease(osRelease), m_paths(paths), m_state(state) {}

void CKeyCommandDispatcher::Dispatch(std::uint32_t code) {
    const auto command = static_cast<std::uint8_t>(code & 0xFF);
    if (!IsDefinedKeyCommand(command)) {
        return;
    }
    if (const std::vector<unsigned>* chord = BuiltInChord(command)) {
        Chord(*chord);
        return;
    }
    // The codes 0x20-0x31 repeat the multimedia commands of 0x01-0x12 in another order.
    switch (command) {
        case 0x01:
        case 0x20:
            Mute();
            break;
        case 0x02:
        case 0x21:
            Picture("WebHome");
            // An empty start page would open the current directory instead.
            if (!SystemHandlesMediaKeys(m_nOsKind) && !m_paths.strStartPage.empty()) {
                m_desktop.ShellOpen(m_paths.strStartPage, "", ShowMode::kNormal);
            }
            break;
        case 0x03:
        case 0x22:
            Picture("Mail");
            Mail();
            break;
        case 0x04:
        case 0x23:
            if (ProgramSendsBrowserKeys(m_nOsKind) && GetForegroundByClass(m_desktop, "IEFrame") != 0) {
                Chord({kVkEscape});
            }
            Picture("WebStop");
            break;
        case 0x05:
        case 0x24:
            BrowserKey({kVkMenu, kVkLeft}, "WebBack");
            break;
        case 0x06:
        case 0x25:
            BrowserKey({kVkMenu, kVkRight}, "WebNext");
            break;
        case 0x07:
        case 0x26:
            BrowserKey({kVkF5}, "WebRefresh");
            break;
        case 0x08:
        case 0x29:
            Picture("VCDPlay");
            break;
        case 0x09:
        case 0x2A:
            Picture("VCDPrev");
            break;
        case 0x0A:
        case 0x2B:
            Picture("VCDNext");
            break;
        case 0x0B:
        case 0x2C:
            Picture("VCDStop");
            if (ProgramSendsBrowserKeys(m_nOsKind)) {
                StopPlayers();
            }
            break;
        case 0x0C:
        case 0x27:
            Volume("VOLINC", kVkVolumeUp);
            break;
        case 0x0D:
        case 0x28:
            Volume("VOLDEC", kVkVolumeDown);
            break;
        case 0x0E:
        case 0x2D:
            Calculator();
            break;
        case 0x0F:
        case 0x2F:
            Favourites();
            break;
        case 0x10:
        case 0x30:
            WebSearch();
            break;
        case 0x11:
        case 0x31:
            MediaPlayer();
            break;
        case 0x12:
        case 0x2E:
            MyComputer();
            break;
        case 0x14:
        case 0x15:
        case 0x16:
        case 0x17:
        case 0x18:
        case 0x19:
        case 0x1A:
        case 0x1B:
            Scroll(command);
            break;
        case 0x32:
            OfficeProgram("WORD", kWordProgram, "WINWORD.exe");
            break;
        case 0x33:
            OfficeProgram("EXCEL", kExcelProgram, "EXCEL.exe");
            break;
        case 0x35:
            OfficeProgram("PPOINT", kPowerPointProgram, "POWERPNT.exe");
            break;
        case 0x36:
            Calendar();
            break;
        case 0x37:
            Picture("EJECT");
            Eject();
            break;
        case 0x43:
            ToggleShiftLatch();
            break;
        case 0x48:
            m_desktop.MiddleButton(true);
            ToggleShiftLatch();
            break;
        case 0x49:
            CloseWindow();
            break;
        case 0x4A:
        case 0x54:
        case 0x56:
            NextWindow();
            break;
        case 0x4B:
            Print();
            break;
        case 0x4C:
            m_desktop.Run(std::string(kRebootProgram) + " 0");
            break;
        case 0x4E:
            m_desktop.MiddleButton(false);
            m_desktop.MiddleButton(true);
            ReleaseShiftLatch();
            break;
        case 0x52:
            Messenger();
            break;
        case 0x53:
            OpenPicturesFolder(m_desktop);
            break;
        case 0x57:
            SoundRecorder();
            break;
        case 0x58:
            m_desktop.Run(kMagnifierProgram);
            break;
        case 0x5A:
            Picture("GADGET");
            Gadgets();
            break;
        case 0x5C:
            Picture("GAME");
            Games();
            break;
        default:
            break;
    }
}

void CKeyCommandDispatcher::Picture(const char* name) {
    m_desktop.ShowKeyPicture(name);
}

void CKeyCommandDispatcher::Chord(const std::vector<unsigned>& keys) {
    SendKeyChord(m_desktop, keys);
}

void CKeyCommandDispatcher::RunProgramFile(const std::string& path, const std::string& arguments) {
    if (path.empty()) {
        return;
    }
    std::string commandLine = path.front() == '"' ? path : "\"" + path + "\"";
    if (!arguments.empty()) {
        commandLine += " " + arguments;
    }
    m_desktop.Run(commandLine);
}

bool CKeyCommandDispatcher::ActivateFirstOf(std::initializer_list<const char*> classNames) {
    for (const char* className : classNames) {
        if (const WindowId window = FindTopWindowByClass(m_desktop, className)) {
            m_desktop.Activate(window);
            return true;
        }
    }
    return false;
}

bool CKeyCommandDispatcher::OwnWindowInFront() {
    return m_desktop.WindowTitle(m_desktop.ForegroundWindow()) == kMainWindowTitle;
}

void CKeyCommandDispatcher::Eject() {
    // The drive is not asked whether its door is open: the commands alternate.
    m_desktop.SetCdDoor(m_state.bEjectOpens);
    m_state.bEjectOpens = !m_state.bEjectOpens;
}
