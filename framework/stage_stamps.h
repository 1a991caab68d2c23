// Where a key's time goes. Each stage of a key's road stamps the performance
// counter into a small ring in memory; nothing is written per key, so the
// stamps cost a counter read and no more. The view answers the registered
// message "KeyvaneStageStamps" with the ring's address, and the latency
// benchmark reads the ring from outside with ReadProcessMemory. The counter
// is the system's, so the stamps line up with the benchmark's own.
#pragma once

#include <windows.h>

#include <cstdint>

namespace framework {

enum class Stage : std::uint32_t {
    kKeyLogPosted = 1,  // the poll thread hands a key log record to the view
    kViewTook,          // the view takes a key message
    kDispatcherEntered, // the dispatcher starts on a command
    kInputHanded,       // the first synthetic key event goes to the system
    kInputReturned,     // the system has taken that event back from the hooks
    kHookSaw,           // the program's own keyboard hook sees a key event
    kIconSwitching,     // the view asks for the active tray icon
    kIconSwitched,      // and goes on (the icon's own thread makes the switch)
    kPictureShowing,    // a key picture is asked for
    kPictureShown,      // and the key goes on (the first frame follows on the popup's timer)
    kLevelShown,        // the popup shows the volume strip's frame
};

struct StageStamp {
    std::uint32_t stage;
    std::uint32_t sequence;  // the stamp's number, so a reader can tell old entries
    LONGLONG counter;
};

struct StageStampRing {
    static constexpr LONG kEntries = 256;
    volatile LONG next;  // the number of stamps ever taken
    StageStamp entries[kEntries];
};

// Safe from any thread.
void StampStage(Stage stage);
const StageStampRing& StageStamps();

}  // namespace framework
