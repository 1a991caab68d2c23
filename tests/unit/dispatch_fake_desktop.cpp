#include "tests/unit/dispatch_fake_desktop.h"

#include "dispatch/volume_step.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

template <class T>
bool Read(const std::optional<T>& source, T& out) {
    if (source) {
        out = *source;
    }
    return source.has_value();
}

}  // namespace

WindowId CFakeDesktop::AddWindow(const std::string& className, const std::string& title, const std::string& label) {
    m_windows.push_back(FakeWindow{className, title, label.empty() ? className : label, false});
    m_zOrder.push_back(m_windows.size());
    return m_windows.size();
}

WindowId CFakeDesktop::TopWindow() {
    return m_zOrder.empty() ? 0 : m_zOrder.front();
}

WindowId CFakeDesktop::NextWindow(WindowId window) {
    auto at = std::find(m_zOrder.begin(), m_zOrder.end(), window);
    return at == m_zOrder.end() || ++at == m_zOrder.end() ? 0 : *at;
}

std::string CFakeDesktop::WindowClass(WindowId window) {
    return window == 0 ? std::string() : Window(window).className;
}

std::string CFakeDesktop::WindowTitle(WindowId window) {
    return window == 0 ? std::string() : Window(window).title;
}

bool CFakeDesktop::IsMinimized(WindowId window) {
    return Window(window).minimized;
}

std::string CFakeDesktop::Name(WindowId window) const {
    return "\"" + Window(window).label + "\"";
}

void CFakeDesktop::RestoreWindow(WindowId window) {
    trace.push_back("restore " + Name(window));
    m_windows.at(window - 1).minimized = false;
}

void CFakeDesktop::BringWindowToTop(WindowId window) {
    trace.push_back("top " + Name(window));
    m_zOrder.erase(std::find(m_zOrder.begin(), m_zOrder.end(), window));
    m_zOrder.insert(m_zOrder.begin(), window);
}

void CFakeDesktop::Activate(WindowId window) {
    trace.push_back("activate " + Name(window));
    m_foreground = window;
}

void CFakeDesktop::PostCommand(WindowId window, unsigned id) {
    trace.push_back("post " + Name(window) + " WM_COMMAND " + std::to_string(id));
}

void CFakeDesktop::SendCommand(WindowId window, unsigned id) {
    trace.push_back("send " + Name(window) + " WM_COMMAND " + std::to_string(id));
}

void CFakeDesktop::SendKeys(const std::vector<KeyEvent>& events) {
    std::string line = "keys";
    for (const KeyEvent& event : events) {
        line += (event.up ? " -" : " +") + Hex(event.vk) + (event.mappedScan ? "" : "(scan 0)");
    }
    trace.push_back(line);
}

void CFakeDesktop::MouseWheel(int amount) {
    trace.push_back("wheel " + std::string(amount > 0 ? "+" : "") + std::to_string(amount));
}

void CFakeDesktop::MiddleButton(bool up) {
    trace.push_back(up ? "middle up" : "middle down");
}

void CFakeDesktop::Sleep(unsigned milliseconds) {
    trace.push_back("sleep " + std::to_string(milliseconds));
}

void CFakeDesktop::Run(const std::string& commandLine) {
    trace.push_back("run " + commandLine);
}

void CFakeDesktop::ShellOpen(const std::string& file, const std::string& parameters, ShowMode show) {
    trace.push_back("open " + std::string(show == ShowMode::kHidden ? "hidden " : "") + file +
                    (parameters.empty() ? "" : " " + parameters));
}

std::string CFakeDesktop::GetSpecialFolder(int csidl) {
    const auto found = specialFolders.find(csidl);
    return found == specialFolders.end() ? "error" : found->second;
}

std::optional<std::string> CFakeDesktop::MachineString(const std::string& key, const std::string& value) {
    const auto foundKey = machineKeys.find(key);
    if (foundKey == machineKeys.end()) {
        return std::nullopt;
    }
    const auto found = foundKey->second.find(value);
    return found == foundKey->second.end() ? std::nullopt : std::optional<std::string>(found->second);
}

void CFakeDesktop::SetCdDoor(bool open) {
    trace.push_back(open ? "cd door open" : "cd door closed");
}

void CFakeDesktop::ShowKeyPicture(const std::string& name) {
    trace.push_back("picture " + name);
}

void CFakeDesktop::RequestVolumeDisplay(std::uint32_t volume) {
    trace.push_back("volume level " + std::to_string(VolumeFrame(volume)));
}

bool CFakeDesktop::GetVolume(std::uint32_t& volume) {
    return Read(mixerVolume, volume);
}

bool CFakeDesktop::GetMute(std::uint32_t& mute) {
    return Read(mixerMute, mute);
}

bool CFakeDesktop::SetMute(std::uint32_t mute) {
    trace.push_back("mute " + std::to_string(mute));
    if (!mixerMute || refusesChanges) {
        return false;
    }
    mixerMute = mute;
    return true;
}

bool CFakeDesktop::SetVolume(std::uint32_t volume) {
    trace.push_back("set volume " + std::to_string(volume));
    if (!mixerVolume || refusesChanges) {
        return false;
    }
    mixerVolume = volume;
    return true;
}
