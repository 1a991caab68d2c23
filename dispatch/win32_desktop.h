// The desktop of the running Windows, for the key command dispatcher: thin
// calls of the system, and of the view for the pictures and the mixer. Each
// program start and CD door command is reported on the diagnostics channel.
#pragma once

#include "dispatch/desktop.h"

class CTamberView;

class CWin32Desktop : public IDesktop {
public:
    explicit CWin32Desktop(CTamberView& view) : m_view(view) {}

    WindowId ForegroundWindow() override;
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
    ModifierKeys Modifiers() override;
    void MouseWheel(int amount) override;
    void MiddleButton(bool up) override;
    void Sleep(unsigned milliseconds) override;
    void Run(const std::string& commandLine) override;
    void ShellOpen(const std::string& file, const std::string& parameters, ShowMode show) override;
    bool PathExists(const std::string& path) override;
    bool CanReadFile(const std::string& path) override;
    bool ProgramOnComputer(const std::string& file) override;
    bool PackageInstalled(const std::string& family) override;
    std::string GetSpecialFolder(int csidl) override;
    bool MachineKeyExists(const std::string& key) override;
    std::optional<std::string> MachineString(const std::string& key, const std::string& value) override;
    int QueryOsArchitecture() override;
    void SetCdDoor(bool open) override;
    void ShowKeyPicture(const std::string& name) override;
    void RequestVolumeDisplay(std::uint32_t volume) override;
    bool GetVolume(std::uint32_t& volume) override;
    bool GetMute(std::uint32_t& mute) override;
    bool SetMute(std::uint32_t mute) override;
    bool SetVolume(std::uint32_t volume) override;
    bool TakesVolumeKeys() override;

private:
    CTamberView& m_view;
};
