#include "app/key_intake.h"

#include "app/report_command_table.h"

namespace {

KeyIntake KeyEvent(std::optional<std::uint8_t> command) {
    return KeyIntake{KeyIntake::Icon::kActive, true, command};
}

}  // namespace

KeyIntake TakeKeyEvent(unsigned message, unsigned keyCommandMsg, std::uintptr_t wParam, std::intptr_t lParam) {
    const auto lowByte = static_cast<std::uint8_t>(lParam & 0xFF);
    // A registered message number is never 0, so a failed registration takes nothing.
    if (keyCommandMsg != 0 && message == keyCommandMsg) {
        return wParam == 0 ? KeyEvent(lowByte) : KeyIntake{};
    }
    switch (message) {
        case kMsgKeyActivity:
            return KeyEvent(std::nullopt);
        case kMsgIconNormal:
            return KeyIntake{KeyIntake::Icon::kNormal, false, std::nullopt};
        case kMsgKeyLogRecord:
            return KeyEvent(CommandForReport(static_cast<std::uint32_t>(lParam)));
        default:
            return KeyIntake{};
    }
}
