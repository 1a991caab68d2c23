#include "dispatch/key_description.h"

#include "dispatch/built_in_programs.h"
#include "dispatch/chord_text.h"
#include "dispatch/key_command_dispatcher.h"
#include "dispatch/office_program.h"
#include "dispatch/version_sets.h"

#include <cstring>
#include <optional>

namespace {

// A typed text is shown up to this many characters.
constexpr std::size_t kShownTextChars = 40;

struct BuiltInText {
    const char* key;
    const char* text;
    // The releases on which Windows does the key's work and the program only
    // shows the picture, with what the key then does; null where all do alike.
    bool (*systemDoes)(int osKind);
    const char* systemText;
};

bool Never(int) {
    return false;
}

bool WindowsDoesBrowserKeys(int osKind) {
    return !ProgramSendsBrowserKeys(osKind);
}

const BuiltInText kBuiltInTexts[] = {
    {"mute", "mutes or unmutes the sound", SystemHandlesMediaKeys, "shows whether Windows muted the sound"},
    {"web-home", "opens the start page", SystemHandlesMediaKeys, "shows its picture; Windows opens the home page"},
    {"mail", "starts Outlook Express", Never, nullptr},
    {"web-stop", "stops loading the page in Internet Explorer", WindowsDoesBrowserKeys,
     "shows its picture; Windows stops loading the page"},
    {"web-back", "goes back a page in the browser or folder window", WindowsDoesBrowserKeys,
     "shows its picture; Windows goes back a page"},
    {"web-forward", "goes forward a page in the browser or folder window", WindowsDoesBrowserKeys,
     "shows its picture; Windows goes forward a page"},
    {"web-refresh", "reloads the page in the browser or folder window", WindowsDoesBrowserKeys,
     "shows its picture; Windows reloads the page"},
    {"play", "shows its picture; the player plays or pauses", Never, nullptr},
    {"previous", "shows its picture; the player goes to the previous track", Never, nullptr},
    {"next", "shows its picture; the player goes to the next track", Never, nullptr},
    {"stop", "stops the media players", WindowsDoesBrowserKeys, "shows its picture; the player stops"},
    {"volume-up", "shows its picture; Windows turns the volume up", ShowsVolumeLevel, "shows the volume level"},
    {"volume-down", "shows its picture; Windows turns the volume down", ShowsVolumeLevel, "shows the volume level"},
    {"calculator", "starts the calculator", SystemStartsAccessories,
     "shows its picture; Windows starts the calculator"},
    {"favourites", "opens the favourites in the browser", SystemHandlesMediaKeys,
     "shows its picture; Windows opens the favourites"},
    {"web-search", "opens the search", WindowsDoesBrowserKeys, "shows its picture; Windows opens the search"},
    {"media", "starts the media player", SystemHandlesMediaKeys, "shows its picture; Windows starts the media player"},
    {"my-computer", "opens My Computer", SystemStartsAccessories, "shows its picture; Windows opens My Computer"},
    {"scroll-up", "scrolls up", Never, nullptr},
    {"scroll-down", "scrolls down", Never, nullptr},
    {"word", "starts Word", Never, nullptr},
    {"excel", "starts Excel", Never, nullptr},
    {"powerpoint", "starts PowerPoint", Never, nullptr},
    {"calendar", "presses Ctrl+2 in Outlook, opens the date and time elsewhere", Never, nullptr},
    {"eject", "opens or closes the CD drive", Never, nullptr},
    {"shift-latch", "holds Shift down until pressed again", Never, nullptr},
    {"close-window", "closes the window in front", Never, nullptr},
    {"next-window", "switches to the next window", Never, nullptr},
    {"print", "prints in Word, Outlook, PowerPoint, FrontPage or Excel", Never, nullptr},
    {"reboot", "starts Reboot.exe", Never, nullptr},
    {"middle-click", "clicks the middle mouse button", Never, nullptr},
    {"messenger", "brings Windows Messenger forward", Never, nullptr},
    {"pictures", "opens the Pictures folder", Never, nullptr},
    {"sound-recorder", "starts the sound recorder", Never, nullptr},
    {"magnifier", "starts the magnifier", Never, nullptr},
    {"gadgets", "shows the gadgets", Never, nullptr},
    {"games", "opens the Games folder", Never, nullptr},
};

bool Is(const KeyName& key, const char* name) {
    return std::strcmp(key.name, name) == 0;
}

// The programs keys start by name; Office's are first looked for in Office's own folder.
struct KeyProgram {
    const char* key;
    const char* file;
    bool office;
};

const KeyProgram kKeyPrograms[] = {
    {"reboot", kRebootProgram, false},   {"magnifier", kMagnifierProgram, false},
    {"word", kWordProgram, true},        {"excel", kExcelProgram, true},
    {"powerpoint", kPowerPointProgram, true},
};

// The program a key's built-in action would start where it is not on this
// computer; nothing where it is, or where the key starts no program.
std::optional<std::string> MissingProgram(const KeyName& key, IDesktop& desktop, int osRelease) {
    const auto missing = [&desktop](const char* file) -> std::optional<std::string> {
        return desktop.ProgramOnComputer(file) ? std::nullopt : std::optional<std::string>(file);
    };
    for (const KeyProgram& entry : kKeyPrograms) {
        if (Is(key, entry.key)) {
            return entry.office && FindOfficeProgram(desktop, entry.file) ? std::nullopt : missing(entry.file);
        }
    }
    if (Is(key, "sound-recorder")) {
        if (IsWin10OrLater(osRelease) && !ClassicSoundRecorderOnComputer(desktop)) {
            return desktop.PackageInstalled(kSoundRecorderAppFamily) ? std::nullopt
                                                                     : std::optional<std::string>("Sound Recorder");
        }
        if (desktop.QueryOsArchitecture() != 1) {
            return missing(kSoundRecorderProgram);
        }
        return missing(kSoundRecorder64Other) ? missing(kSoundRecorder64Program) : std::nullopt;
    }
    if (Is(key, "gadgets") && !IsWin11(osRelease)) {
        const auto programFiles =
            desktop.MachineString("Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
        const bool found = programFiles && !programFiles->empty() && desktop.PathExists(*programFiles + kSidebarTail);
        return found ? std::nullopt : std::optional<std::string>("sidebar.exe");
    }
    return std::nullopt;
}

// What a key does from Windows 10 on where that differs from Vista's; null where it does not.
const char* Win10Text(const KeyName& key, int osKind, int osRelease, IDesktop& desktop) {
    if (!IsWin10OrLater(osRelease)) {
        return nullptr;
    }
    if (Is(key, "web-search") && ProgramSendsBrowserKeys(osKind)) {
        return "presses Ctrl+E in a web browser, otherwise Win+S (Windows' search)";
    }
    if (Is(key, "games")) {
        return "presses Win+G (the Game Bar) where there is no Games folder";
    }
    if (Is(key, "gadgets") && IsWin11(osRelease)) {
        return "presses Win+W (the Widgets board)";
    }
    if (Is(key, "sound-recorder") && !ClassicSoundRecorderOnComputer(desktop)) {
        return "starts Windows' Sound Recorder app";
    }
    return nullptr;
}

std::string BuiltIn(const KeyName& key, int osKind, IDesktop& desktop, int osRelease) {
    if (const std::vector<unsigned>* chord = BuiltInChord(key.codes[0])) {
        return "built in: presses " + ChordText(*chord);
    }
    if (Is(key, "mail") && !desktop.ProgramOnComputer(kMailProgram)) {
        return std::string("built in: opens the mail program set in Windows (") + kMailProgram + " is not installed)";
    }
    if (const auto missing = MissingProgram(key, desktop, osRelease)) {
        return "does nothing here: " + *missing + " is not installed";
    }
    if (const char* text = Win10Text(key, osKind, osRelease, desktop)) {
        return std::string("built in: ") + text;
    }
    for (const BuiltInText& entry : kBuiltInTexts) {
        if (Is(key, entry.key)) {
            return std::string("built in: ") + (entry.systemDoes(osKind) ? entry.systemText : entry.text);
        }
    }
    return "built in";
}

// The text on one line, cut after a few words at a whole character.
std::string Shown(const std::string& text) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool starts = (byte & 0xC0) != 0x80;
        if (starts && characters++ == kShownTextChars) {
            return shown + "...";
        }
        shown += byte == '\r' || byte == '\n' || byte == '\t' ? ' ' : text[i];
    }
    return shown;
}

}  // namespace

std::string DescribeKeyAction(const KeyName& key, const KeyAction& action, int osKind, IDesktop& desktop,
                              int osRelease) {
    switch (action.kind) {
        case KeyActionKind::kNothing:
            return "nothing";
        case KeyActionKind::kRun:
            return "starts " + action.text;
        case KeyActionKind::kKeys:
            return "presses " + ChordText(action.keys);
        case KeyActionKind::kText:
            return "types '" + Shown(action.text) + "'";
        case KeyActionKind::kBuiltIn:
            break;
    }
    const std::string builtIn = BuiltIn(key, osKind, desktop, osRelease);
    return action.fault.empty() ? builtIn : builtIn + " (its own action is not taken: " + action.fault + ")";
}
