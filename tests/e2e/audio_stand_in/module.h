// The DLL's own bookkeeping: the live objects that keep it loaded, and the
// state shared with every other process, opened once per process.
#pragma once

#include "tests/e2e/audio_stand_in/shared_state.h"

namespace audio_stand_in {

// Objects alive and class-factory locks held, for DllCanUnloadNow.
void ModuleAddRef();
void ModuleRelease();
// Keeps the DLL loaded until the process ends (its notifier thread runs in it).
void PinModule();

const SharedState& Shared();

}  // namespace audio_stand_in
