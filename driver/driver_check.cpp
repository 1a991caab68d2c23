#include "driver/driver_check.h"

bool LacksFilterDriver(const KeyboardInstance& instance) {
    return instance.firstLowerFilter != kFilterDriver && instance.configFlags == 0u;
}

bool RunDriverCheck(CKeyboardDevices& devices, CReinstallHoldBack& holdBack) {
    holdBack.ForgetExpired(devices.NowMs());
    bool settled = true;
    for (int index = 0; index < kMaxKeyboardInstances; ++index) {
        const std::optional<KeyboardInstance> instance = devices.ReadInstance(index);
        if (!instance) {
            return settled;
        }
        if (!LacksFilterDriver(*instance)) {
            continue;
        }
        if (holdBack.HoldsBack(instance->name, devices.NowMs()) || !devices.InstallerExists()) {
            continue;
        }
        // One installer at a time: a second would fight the first over the package.
        if (devices.InstallerWindowOpen()) {
            settled = false;
            continue;
        }
        devices.Reinstall(*instance);
        // Counted from the attempt's end: the user may sit on the wizard a while.
        holdBack.Attempted(instance->name, devices.NowMs());
    }
    return settled;
}
