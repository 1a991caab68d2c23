#include "app/tamber_view.h"
#include "dispatch/key_commands.h"
#include "framework/diagnostics.h"

#include <cstdint>

void CTamberView::DispatchKeyCommand(UINT code) {
    const auto command = static_cast<std::uint8_t>(code & 0xFF);
    if (!IsDefinedKeyCommand(command)) {
        framework::Trace("no command 0x%02X", command);
        return;
    }
    framework::Trace("command 0x%02X", command);
}
