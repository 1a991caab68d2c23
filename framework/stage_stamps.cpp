#include "framework/stage_stamps.h"

namespace framework {

namespace {

StageStampRing g_ring;

}  // namespace

void StampStage(Stage stage) {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    const LONG number = ::InterlockedIncrement(&g_ring.next) - 1;
    StageStamp& entry = g_ring.entries[static_cast<ULONG>(number) % StageStampRing::kEntries];
    entry.stage = static_cast<std::uint32_t>(stage);
    entry.sequence = static_cast<std::uint32_t>(number);
    entry.counter = now.QuadPart;
}

const StageStampRing& StageStamps() {
    return g_ring;
}

}  // namespace framework
