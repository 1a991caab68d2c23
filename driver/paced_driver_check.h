// The driver check at the key log poll thread's pace. A pass looks at the
// keyboard's keys again only when they may have changed since the last look,
// or when that look found an instance without its filter driver (then the
// installer's presence, its dialogs and the hold-back decide anew every pass).
// On a machine whose keyboard is in order an idle pass reads nothing.
#pragma once

#include "driver/driver_check.h"
#include "driver/reinstall_hold_back.h"

class CPacedDriverCheck {
public:
    // `keysMayHaveChanged`: something under the keyboard's key may differ
    // from the last look, or that cannot be told.
    void Pass(CKeyboardDevices& devices, bool keysMayHaveChanged);

private:
    CReinstallHoldBack m_holdBack;
    // The last look found every instance in order.
    bool m_settled = false;
};
