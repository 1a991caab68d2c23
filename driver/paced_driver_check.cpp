#include "driver/paced_driver_check.h"

void CPacedDriverCheck::Pass(CKeyboardDevices& devices, DriverCheckChanges changes) {
    // Passes without a look still age the attempts, so none outlives the clock's wrap-around.
    const bool pauseRanOut = m_holdBack.ForgetExpired(devices.NowMs());
    if (m_settled && !changes.keyboardKeys && !changes.driverPackage && !pauseRanOut) {
        return;
    }
    m_settled = RunDriverCheck(devices, m_holdBack);
}
