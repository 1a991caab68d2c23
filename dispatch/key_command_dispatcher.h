// The key command dispatcher: what each key of the keyboard does, by the
// Windows version class the program runs on. It decides; the desktop acts.
#pragma once

#include "dispatch/desktop.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// The program paths that keys start, as the application object holds them.
struct ProgramPaths {
    std::string strStartPage;
    std::string strMediaPath;
    std::string strCalculatorPath;
};

// What the dispatcher remembers from one command to the next; the view keeps it.
struct DispatcherState {
    bool bEjectOpens = true;     // the next eject command opens the CD door
    bool bShiftLatched = false;  // the dispatcher holds Shift down
    std::uint32_t dwVolume = 0;  // the last volume read, 0..65535
    std::uint32_t bMute = 0;     // the last mute state read or written
};

// The chord of a key whose built-in action is only that chord; null for every other key.
const std::vector<unsigned>* BuiltInChord(std::uint8_t command);

// Whether a sound recorder program of the older releases is on this computer.
bool ClassicSoundRecorderOnComputer(IDesktop& desktop);

class CKeyCommandDispatcher {
public:
    // `osRelease` tells Windows 10 and 11 apart within class 8 (see OsRelease).
    CKeyCommandDispatcher(IDesktop& desktop, int osKind, const ProgramPaths& paths, DispatcherState& state,
                          int osRelease = 0);

    // Performs the key command in the low byte of `code`; an undefined code does nothing.
    void Dispatch(std::uint32_t code);

    // Lets go of a Shift the dispatcher holds down, if it holds one.
    void ReleaseShiftLatch();

    // The playback device's level or mute changed by another program, the
    // system's mixer or a headset: the mute picture when mute switched, the
    // level strip otherwise.
    void VolumeChangedElsewhere(std::uint32_t volume, std::uint32_t muted);

private:
    void Picture(const char* name);
    void Chord(const std::vector<unsigned>& keys);
    void PressShift(bool up);
    // Starts a program file (nothing when there is none); its path is quoted
    // so that spaces in it cannot make the system start another program.
    void RunProgramFile(const std::string& path, const std::string& arguments = "");
    // Brings the first window found of `classNames` forward; false when there is none.
    bool ActivateFirstOf(std::initializer_list<const char*> classNames);
    bool OwnWindowInFront();

    void Volume(const char* picture, unsigned vk);
    // Vista and later: the default playback device's level on the strip, set
    // by the program when the hook took the key; false when there is no device
    // or it refused, and the key went on to Windows.
    bool DeviceVolume(bool up, unsigned vk);
    void Mute();
    // Hands a volume key the hook took back to Windows, which then acts.
    void PassKeyToWindows(unsigned vk);
    void BrowserKey(const std::vector<unsigned>& chord, const char* picture);
    void Favourites();
    void WebSearch();
    void StopPlayers();
    void MediaPlayer();
    void Mail();
    void Calculator();
    void MyComputer();
    void OfficeProgram(const char* picture, const char* file, const char* fallback);
    void Calendar();
    void Eject();
    void ToggleShiftLatch();
    void CloseWindow();
    void NextWindow();
    void Print();
    void Messenger();
    void Scroll(std::uint8_t code);
    void SoundRecorder();
    void Gadgets();
    void Games();

    IDesktop& m_desktop;
    int m_nOsKind;
    int m_nOsRelease;
    const ProgramPaths& m_paths;
    DispatcherState& m_state;
};
