// The driver check at the key log poll thread's pace. A pass looks at the
// keyboard's keys again only when something that could change its outcome
// may have changed since the last look: the keys themselves, the program's
// driver package, an attempt's pause running out, or an installer dialog that
// held an instance back. A keyboard without its filter that cannot be
// repaired (no installer, or an attempt that did not take) costs an idle pass
// nothing, as a keyboard in order does.
#pragma once

#include "driver/driver_check.h"
#include "driver/reinstall_hold_back.h"

// What may differ from the last look, or cannot be told.
struct DriverCheckChanges {
    bool keyboardKeys;   // anything under the keyboard's device key
    bool driverPackage;  // the files and folders beside the program
};

class CPacedDriverCheck {
public:
    void Pass(CKeyboardDevices& devices, DriverCheckChanges changes);

private:
    CReinstallHoldBack m_holdBack;
    // The last look found nothing a pass could do without a change.
    bool m_settled = false;
};
