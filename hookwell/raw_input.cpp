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

bool IsTheKeyboard(HANDLE device) {
    RID_DEVICE_INFO info{};
    info.cbSize = sizeof info;
    UINT size = sizeof info;
    if (::GetRawInputDeviceInfoA(device, RIDI_DEVICEINFO, &info, &size) == static_cast<UINT>(-1)) {
        return false;
    }
    return info.dwType == RIM_TYPEHID && info.hid.dwVendorId == kKeyboardVendorId &&
           info.hid.dwProductId == kKeyboardProductId;
}

}  // namespace

bool RegisterKeyboardCollections(HWND window) {
    return RegisterCollections(RIDEV_INPUTSINK, window);
}

void UnregisterKeyboardCollections() {
    RegisterCollections(RIDEV_REMOVE, nullptr);
}

void TakeRawInput(HRAWINPUT input, CKeyRoads& roads, DWORD timeMs) {
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
    if (record->header.dwType != RIM_TYPEHID || !IsTheKeyboard(record->header.hDevice)) {
        return;
    }
    roads.OnHidReports(record->data.hid.bRawData, read - reportsAt, record->data.hid.dwSizeHid,
                       record->data.hid.dwCount, timeMs);
}
