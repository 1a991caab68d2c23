// The pause between two passes over the key log: at most 200 ms, and over as
// soon as something changes in the key log's folder, so that a key the driver
// writes is handed on within milliseconds instead of at the next tick.
#pragma once

#include <windows.h>

class CKeyLogWait {
public:
    // Watches the key log's folder; without a change notification (or in a
    // build without the early wake-up) every pause is the full 200 ms.
    CKeyLogWait();
    ~CKeyLogWait();
    CKeyLogWait(const CKeyLogWait&) = delete;
    CKeyLogWait& operator=(const CKeyLogWait&) = delete;

    void Wait();

private:
    HANDLE m_hChange;
    bool m_bChangeWoke = false;  // the last pause ended on a change
};
