// The program's ring of stage stamps (framework/stage_stamps.h), read from
// outside, and its stamps' times on the clock of e2e::NowMs.
#pragma once

#include "framework/stage_stamps.h"
#include "tests/e2e/keyvane_process.h"

#include <windows.h>

namespace bench {

double CounterMs(LONGLONG counter);

class StampReader {
public:
    explicit StampReader(const e2e::KeyvaneProcess& keyvane);
    ~StampReader();
    StampReader(const StampReader&) = delete;
    StampReader& operator=(const StampReader&) = delete;

    const framework::StageStampRing& Read();

private:
    HANDLE m_process;
    LRESULT m_ring;
    framework::StageStampRing m_copy{};
};

// The first stamp of `stage` numbered `from` or later; its number and time, or none.
struct Found {
    long number = -1;
    double ms = 0;
};

Found First(const framework::StageStampRing& ring, framework::Stage stage, long from);

}  // namespace bench
