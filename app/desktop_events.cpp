#include "app/desktop_events.h"

namespace desktop_events {

namespace {

struct Row {
    unsigned message;
    unsigned long code;
    Response response;
};

constexpr Row kRows[] = {
    {kPowerBroadcast, 0x04, {"going to sleep", false, true}},             // PBT_APMSUSPEND
    {kPowerBroadcast, 0x07, {"resumed by the user", true, false}},        // PBT_APMRESUMESUSPEND
    {kPowerBroadcast, 0x12, {"resumed", true, false}},                    // PBT_APMRESUMEAUTOMATIC
    {kSessionChange, 0x1, {"console connected", true, false}},            // WTS_CONSOLE_CONNECT
    {kSessionChange, 0x2, {"console disconnected", false, true}},         // WTS_CONSOLE_DISCONNECT
    {kSessionChange, 0x3, {"remote session connected", true, false}},     // WTS_REMOTE_CONNECT
    {kSessionChange, 0x4, {"remote session disconnected", false, true}},  // WTS_REMOTE_DISCONNECT
    {kSessionChange, 0x7, {"session locked", false, true}},               // WTS_SESSION_LOCK
    {kSessionChange, 0x8, {"session unlocked", true, false}},             // WTS_SESSION_UNLOCK
};

}  // namespace

Response ResponseTo(unsigned message, unsigned long wParam) {
    for (const Row& row : kRows) {
        if (row.message == message && row.code == wParam) {
            return row.response;
        }
    }
    return {};
}

}  // namespace desktop_events
