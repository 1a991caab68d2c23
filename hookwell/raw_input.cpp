#include "hookwell/raw_input.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

constexpr DWORD kKeyboardVendorId = 0x04D9;
constexpr DWORD kKeyboardProductId = 0x0022;

constexpr USHORT kConsumerPage = 0x0C;
constexpr USHORT kConsumerControl = 0x01;
constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kSystemControl = 0x80;

bool RegisterCollections(DWORD flags, HWND window) {
    const RAWINPUTDEVICE devices[] = {
        {kConsumerPage, kConsumerControl, flags, window},
        {kGenericDesktopPage, kSystemControl, flags, window},
    };
    return ::RegisterRawInputDevices(devices, 2, sizeof(RAWINPUTDEVICE)) != FALSE;
}

}  // namespace

bool RegisterKeyboardCollections(HWND window) {
    // Releases before Vista refuse the flag for word of devices.
    return RegisterCollections(RIDEV_INPUTSINK | RIDEV_DEVNOTIFY, window) ||
           RegisterCollections(RIDEV_INPUTSINK, window);
}

std::optional<bool> LookUpDevice(CKeyboardDevices::Handle device) {
    RID_DEVICE_INFO info{};
    info.cbSize = sizeof info;
    UINT size = sizeof info;
    if (::GetRawInputDeviceInfoA(reinterpret_cast<HANDLE>(device), RIDI_DEVICEINFO, &info, &size) ==
        static_cast<UINT>(-1)) {
        return std::nullopt;
    }
    return info.dwType == RIM_TYPEHID && info.hid.dwVendorId == kKeyboardVendorId &&
           info.hid.dwProductId == kKeyboardProductId;
}

std::size_t ReadDevices(CKeyboardDevices& devices) {
    devices.Forget();
    UINT count = 0;
    if (::GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST)) != 0) {
        return 0;
    }
    std::vector<RAWINPUTDEVICELIST> list(count);
    const UINT listed = ::GetRawInputDeviceList(list.data(), &count, sizeof(RAWINPUTDEVICELIST));
    if (listed == static_cast<UINT>(-1)) {
        return 0;
    }
    for (UINT i = 0; i < listed; ++i) {
        devices.Arrived(reinterpret_cast<CKeyboardDevices::Handle>(list[i].hDevice));
    }
    return listed;
}

void UnregisterKeyboardCollections() {
    RegisterCollections(RIDEV_REMOVE, nullptr);
}

void TakeRawInput(HRAWINPUT input, CKeyRoads& roads, CKeyboardDevices& devices, DWORD timeMs) {
    UINT size = 0;
    if (::GetRawInputData(input, RID_INPUT, nullptr, &size, sizeof(RAWINPUTHEADER)) != 0) {
        return;
    }
    // Whole 8-byte units keep the record aligned as RAWINPUT needs.
    std::vector<std::uint64_t> buffer((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
    const UINT read = ::GetRawInputData(input, RID_INPUT, buffer.data(), &size, sizeof(RAWINPUTHEADER));
    const std::size_t reportsAt = offsetof(RAWINPUT, data.hid.bRawData);
    if (read == static_cast<UINT>(-1) || read < reportsAt) {
        return;
    }
    const auto* record = reinterpret_cast<const RAWINPUT*>(buffer.data());
    if (record->header.dwType != RIM_TYPEHID ||
        !devices.IsTheKeyboard(reinterpret_cast<CKeyboardDevices::Handle>(record->header.hDevice))) {
        return;
    }
    roads.OnHidReports(record->data.hid.bRawData, read - reportsAt, record->data.hid.dwSizeHid,
                       record->data.hid.dwCount, timeMs);
}
