// The input devices whose Raw Input reports reach the hook thread, by the
// handle Windows gives each: whether it is the keyboard (vendor 0x04D9,
// product 0x0022). A keyboard unplugged and plugged back comes with a new
// handle, and a handle Windows has taken back may later name another device,
// so a handle is known from its arrival (or its first report) until its
// removal, and is asked about afresh after that.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

class CKeyboardDevices {
public:
    using Handle = std::uintptr_t;
    // Asks Windows what a device is: whether it is the keyboard, or nothing
    // when Windows could not tell (a handle already gone).
    using Lookup = std::function<std::optional<bool>(Handle)>;

    explicit CKeyboardDevices(Lookup lookup);

    // Whether the reports of `device` are the keyboard's; a device not known
    // yet is asked about, and remembered when Windows could tell.
    bool IsTheKeyboard(Handle device);
    // A device arrived: asked about at once. Nothing when Windows could not tell.
    std::optional<bool> Arrived(Handle device);
    // A device went: forgotten. Whether it was known.
    bool Removed(Handle device);
    // Forgets every device, as after sleep, when each is asked about again.
    void Forget();
    std::size_t Known() const { return m_devices.size(); }

private:
    std::optional<bool> Ask(Handle device);

    Lookup m_lookup;
    std::map<Handle, bool> m_devices;
};
