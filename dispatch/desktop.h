// The desktop as the key command dispatcher sees it: windows, synthetic input,
// program starts, files, the registry and the view's own pictures and mixer.
// The dispatcher decides; an implementation of this interface acts. The
// program's implementation is CWin32Desktop; tests record the calls instead.
//
// Texts are UTF-8 whatever the system's ANSI code page, so that folder names
// such as the Chinese Games folder survive on every system; the Win32 side
// converts at each call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A top-level window; 0 is no window.
using WindowId = std::uintptr_t;

// One synthetic key event.
struct KeyEvent {
    unsigned vk;
    bool up;
    // Whether the event carries the key's scan code as the keyboard layout
    // maps it; otherwise it carries 0.
    bool mappedScan;
};

// The modifier keys (Shift, Ctrl, Alt, either Windows key) down now as
// programs read them, and those of them the user holds down: a key the user
// let go of may still be down for programs (its release went astray), and a
// Shift the program latched counts as held.
struct ModifierKeys {
    std::vector<unsigned> down;
    std::vector<unsigned> held;
};

// How a shell-opened file's window is shown.
enum class ShowMode { kNormal, kHidden };

class IDesktop {
public:
    virtual ~IDesktop() = default;

    // Windows. Class names and titles are read as the system holds them, at
    // most 99 characters; a window that is gone reads as empty.
    virtual WindowId ForegroundWindow() = 0;
    // The top-level window highest in the Z order, and the one below `window`.
    virtual WindowId TopWindow() = 0;
    virtual WindowId NextWindow(WindowId window) = 0;
    virtual std::string WindowClass(WindowId window) = 0;
    virtual std::string WindowTitle(WindowId window) = 0;
    virtual bool IsMinimized(WindowId window) = 0;
    virtual void RestoreWindow(WindowId window) = 0;
    virtual void BringWindowToTop(WindowId window) = 0;
    // Makes the window the foreground window, then the active one.
    virtual void Activate(WindowId window) = 0;
    // WM_COMMAND with `id` and no control, posted or sent (and waited for).
    virtual void PostCommand(WindowId window, unsigned id) = 0;
    virtual void SendCommand(WindowId window, unsigned id) = 0;

    // Synthetic input, into the system's input stream, in the order given.
    virtual void SendKeys(const std::vector<KeyEvent>& events) = 0;
    virtual ModifierKeys Modifiers() = 0;
    // One wheel event of `amount` (a notch is 120), no pointer movement.
    virtual void MouseWheel(int amount) = 0;
    virtual void MiddleButton(bool up) = 0;
    virtual void Sleep(unsigned milliseconds) = 0;

    // Program starts; a failure to start is passed over.
    virtual void Run(const std::string& commandLine) = 0;
    virtual void ShellOpen(const std::string& file, const std::string& parameters, ShowMode show) = 0;

    // Files and folders.
    virtual bool PathExists(const std::string& path) = 0;
    virtual bool CanReadFile(const std::string& path) = 0;
    // Whether a program named without its folder ("MSIMN.EXE") is on this
    // computer where the shell would find it: registered under App Paths, or
    // in the search path.
    virtual bool ProgramOnComputer(const std::string& file) = 0;
    // Whether a packaged app of `family` is installed for the user (never
    // before Windows 8).
    virtual bool PackageInstalled(const std::string& family) = 0;
    // The shell's special folder `csidl`, or the text "error".
    virtual std::string GetSpecialFolder(int csidl) = 0;

    // HKEY_LOCAL_MACHINE: whether a key opens for reading, and a string value
    // (nothing when the key or value is missing or cannot be read).
    virtual bool MachineKeyExists(const std::string& key) = 0;
    virtual std::optional<std::string> MachineString(const std::string& key, const std::string& value) = 0;
    // 1 on a 64-bit (amd64) build of Windows, 2 on an x86 build, 0 when neither can be told.
    virtual int QueryOsArchitecture() = 0;

    // The CD drive's door.
    virtual void SetCdDoor(bool open) = 0;

    // The view's own operations: the key pictures, the volume level strip and
    // the speakers' mixer (reads leave their output alone when they fail).
    virtual void ShowKeyPicture(const std::string& name) = 0;
    // The strip shows the frame of `volume` (0..65535) and says the volume.
    virtual void RequestVolumeDisplay(std::uint32_t volume) = 0;
    virtual bool GetVolume(std::uint32_t& volume) = 0;
    virtual bool GetMute(std::uint32_t& mute) = 0;
    virtual bool SetMute(std::uint32_t mute) = 0;
    // Vista and later: sets the default playback device's level (0..65535);
    // and whether the keyboard hook takes the volume keys from Windows, so
    // that the program sets the level itself.
    virtual bool SetVolume(std::uint32_t volume) = 0;
    virtual bool TakesVolumeKeys() = 0;
};
