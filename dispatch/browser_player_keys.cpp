#include "dispatch/key_command_dispatcher.h"
#include "dispatch/version_sets.h"
#include "dispatch/virtual_keys.h"
#include "dispatch/window_search.h"

namespace {

constexpr const char* kBrowserWindow = "IEFrame";

// Whether the window in front understands the browser's keys: the browser or
// one of the shell's folder windows.
bool BrowserInFront(IDesktop& desktop) {
    return ForegroundIsOneOf(desktop, {kBrowserWindow, "CabinetWClass", "ExploreWClass"});
}

}  // namespace

void CKeyCommandDispatcher::BrowserKey(const std::vector<unsigned>& chord, const char* picture) {
    if (ProgramSendsBrowserKeys(m_nOsKind) && BrowserInFront(m_desktop)) {
        Chord(chord);
    }
    Picture(picture);
}

void CKeyCommandDispatcher::Favourites() {
    Picture("WebFavorites");
    if (!SystemHandlesMediaKeys(m_nOsKind) && BrowserInFront(m_desktop)) {
        Chord({kVkControl, 'I'});
    }
}

void CKeyCommandDispatcher::WebSearch() {
    if (ProgramSendsBrowserKeys(m_nOsKind)) {
        if (IsWin10OrLater(m_nOsRelease)) {
            // Win+F opens the Feedback Hub there; Win+S is Windows' own search.
            // Edge and Chrome share Chromium's window class.
            const bool browser =
                ForegroundIsOneOf(m_desktop, {kBrowserWindow, "Chrome_WidgetWin_1", "MozillaWindowClass"});
            Chord(browser ? std::vector<unsigned>{kVkControl, 'E'} : std::vector<unsigned>{kVkLwin, 'S'});
        } else if (GetForegroundByClass(m_desktop, kBrowserWindow) != 0) {
            Chord({kVkControl, 'E'});
        } else {
            Chord({kVkLwin, 'F'});
        }
    }
    Picture("WebSearch");
}

void CKeyCommandDispatcher::StopPlayers() {
    // The first player found is the one told to stop.
    if (const WindowId window = FindTopWindowByClass(m_desktop, "Media Player 2")) {
        m_desktop.PostCommand(window, 3048);
        return;
    }
    if (const WindowId window = FindTopWindowByClass(m_desktop, "WMPlayerApp")) {
        m_desktop.PostCommand(window, 32809);
        return;
    }
    if (const WindowId window = FindTopWindowByClass(m_desktop, "SJE_CdPlayerClass")) {
        m_desktop.SendCommand(window, 1002);
        return;
    }
    if (FindTopWindowByClass(m_desktop, "Winamp v1.x") != 0) {
        // Winamp takes the key wherever the focus is; it is not brought forward.
        Chord({'V'});
    } else if (FindSthPlayerWindow(m_desktop) != 0) {
        Chord({kVkControl, 'S'});
    } else if (ForegroundIsOneOf(m_desktop, {"CyberLink Video Window Class", "Class of CyberLink Universal Player"})) {
        Chord({'S'});
    }
}

void CKeyCommandDispatcher::MediaPlayer() {
    Picture("Media");
    if (SystemHandlesMediaKeys(m_nOsKind)) {
        return;
    }
    if (!ActivateFirstOf({"WMPlayerApp", "Media Player 2"})) {
        RunProgramFile(m_paths.strMediaPath);
    }
}
