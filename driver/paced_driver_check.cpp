#include "driver/paced_driver_check.h"

void CPacedDriverCheck::Pass(CKeyboardDevices& devices, bool keysMayHaveChanged) {
    if (m_settled && !keysMayHaveChanged) {
        // Passes without a look still age the attempts, so none outlives the clock's wrap-around.
        m_holdBack.ForgetExpired(devices.NowMs());
        return;
    }
    m_settled = RunDriverCheck(devices, m_holdBack);
}
