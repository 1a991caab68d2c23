// A desktop made up for a test: windows in Z order, a foreground window,
// folders, files, registry values and a mixer. Every call that acts is
// written to the trace as one line of text; calls that only ask leave no line.
//
// Lines: `picture WebBack`, `volume level 12`, `mute 1`, `set volume 14418`, `keys +0x12 +0x25 -0x25 -0x12`
// (down and up, in order; `(scan 0)` marks an event without scan code),
// `wheel -96`, `middle down`, `sleep 50`, `activate "SciCalc"`, `restore "X"`,
// `top "X"`, `post "Media Player 2" WM_COMMAND 3048`, `send "X" WM_COMMAND 1002`,
// `run magnify.exe`, `open MSIMN.EXE`, `open hidden cmd.exe /c explorer.exe "C:\x"`,
// `cd door open`.
#pragma once

#include "dispatch/desktop.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct FakeWindow {
    std::string className;
    std::string title;
    std::string label;  // how the trace names the window
    bool minimized;
};

class CFakeDesktop : public IDesktop {
public:
    // Adds a top-level window below those added before and returns its id; the
    // trace names it by `label`, or by its class when there is none.
    WindowId AddWindow(const std::string& className, const std::string& title = "", const std::string& label = "");
    void SetMinimized(WindowId window) { m_windows.at(window - 1).minimized = true; }
    void SetForeground(WindowId window) { m_foreground = window; }
    const FakeWindow& Window(WindowId window) const { return m_windows.at(window - 1); }

    std::map<int, std::string> specialFolders;  // a folder not listed is "error"
    std::set<std::string> existingPaths;
    std::set<std::string> readableFiles;
    std::set<std::string> programs;  // on the computer, by file name
    std::set<std::string> packages;  // packaged apps installed, by family
    std::map<std::string, std::map<std::string, std::string>> machineKeys;  // key -> value -> text
    int architecture = 0;
    // Nothing: no mixer device, every read and write fails.
    std::optional<std::uint32_t> mixerVolume;
    std::optional<std::uint32_t> mixerMute;
    // None down: a chord's keys alone.
    ModifierKeys modifiers;
    // Vista and later: the hook took the volume keys; the device refuses every change.
    bool takesVolumeKeys = false;
    bool refusesChanges = false;

    std::vector<std::string> trace;

    WindowId ForegroundWindow() override { return m_foreground; }
    WindowId TopWindow() override;
    WindowId NextWindow(WindowId window) override;
    std::string WindowClass(WindowId window) override;
    std::string WindowTitle(WindowId window) override;
    bool IsMinimized(WindowId window) override;
    void RestoreWindow(WindowId window) override;
    void BringWindowToTop(WindowId window) override;
    void Activate(WindowId window) override;
    void PostCommand(WindowId window, unsigned id) override;
    void SendCommand(WindowId window, unsigned id) override;
    void SendKeys(const std::vector<KeyEvent>& events) override;
    ModifierKeys Modifiers() override { return modifiers; }
    void MouseWheel(int amount) override;
    void MiddleButton(bool up) override;
    void Sleep(unsigned milliseconds) override;
    void Run(const std::string& commandLine) override;
    void ShellOpen(const std::string& file, const std::string& parameters, ShowMode show) override;
    bool PathExists(const std::string& path) override { return existingPaths.count(path) != 0; }
    bool CanReadFile(const std::string& path) override { return readableFiles.count(path) != 0; }
    bool ProgramOnComputer(const std::string& file) override { return programs.count(file) != 0; }
    bool PackageInstalled(const std::string& family) override { return packages.count(family) != 0; }
    std::string GetSpecialFolder(int csidl) override;
    bool MachineKeyExists(const std::string& key) override { return machineKeys.count(key) != 0; }
    std::optional<std::string> MachineString(const std::string& key, const std::string& value) override;
    int QueryOsArchitecture() override { return architecture; }
    void SetCdDoor(bool open) override;
    void ShowKeyPicture(const std::string& name) override;
    void RequestVolumeDisplay(std::uint32_t volume) override;
    bool GetVolume(std::uint32_t& volume) override;
    bool GetMute(std::uint32_t& mute) override;
    bool SetMute(std::uint32_t mute) override;
    bool SetVolume(std::uint32_t volume) override;
    bool TakesVolumeKeys() override { return takesVolumeKeys; }

private:
    std::string Name(WindowId window) const;

    std::vector<FakeWindow> m_windows;   // id n is element n-1
    std::vector<WindowId> m_zOrder;      // top first
    WindowId m_foreground = 0;
};
