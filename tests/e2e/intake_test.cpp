// The two key roads and the tray icon's active period.
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"

#include <algorithm>

using e2e::KeyvaneProcess;

namespace {

constexpr UINT kKeyActivity = WM_USER + 101;
constexpr UINT kKeyLogRecord = WM_USER + 104;

const UINT g_keyCommand = ::RegisterWindowMessageA("KeyCommand");

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

// The lines a send caused, up to the marker that follows it.
std::vector<std::string> LinesOf(const KeyvaneProcess& keyvane, UINT message, WPARAM wParam, LPARAM lParam) {
    const size_t from = keyvane.Mark();
    keyvane.SendToView(message, wParam, lParam);
    const long marker = keyvane.Sync();
    E2E_CHECK(marker >= 0, "the view answered after message " + std::to_string(message));
    std::vector<std::string> lines = keyvane.LinesSince(from);
    lines.pop_back();  // the marker's own "icon normal"
    return lines;
}

// The key acts first: its command's line leads, the icon's switch follows it.
bool ActsBeforeTheIcon(const std::vector<std::string>& lines, const std::string& command) {
    const auto icon = std::find(lines.begin(), lines.end(), "keyvane: icon active");
    return !lines.empty() && lines[0] == command && icon != lines.end();
}

KeyvaneProcess& Running() {
    return e2e::SharedKeyvane("winxp");
}

}  // namespace

E2E_CASE(Intake, KeyCommandWithNonZeroWParamDoesNothing) {
    const auto lines = LinesOf(Running(), g_keyCommand, 1, 0x20);
    E2E_CHECK(lines.empty(), "no icon change and no command, got " + std::to_string(lines.size()) + " lines");
}

E2E_CASE(Intake, KeyCommandDispatchesTheLowByte) {
    const auto lines = LinesOf(Running(), g_keyCommand, 0, 0x120);
    // The command's own lines (its picture, for one) follow.
    E2E_CHECK(ActsBeforeTheIcon(lines, "keyvane: command 0x20"), "command 0x20, then icon active");
}

E2E_CASE(Intake, KeyLogRecordDispatchesItsTableEntry) {
    const auto lines = LinesOf(Running(), kKeyLogRecord, 0, 0x11D);
    E2E_CHECK(ActsBeforeTheIcon(lines, "keyvane: command 0x0D"), "command 0x0D (volume down), then icon active");
}

E2E_CASE(Intake, ReportsWithoutCommandDispatchNothing) {
    KeyvaneProcess& keyvane = Running();
    std::vector<LPARAM> reports = {0, 55, 56, 57};
    for (LPARAM low = 60; low <= 255; ++low) {
        reports.push_back(low);
        reports.push_back(0x7F00 | low);
    }
    for (LPARAM report : reports) {
        const auto lines = LinesOf(keyvane, kKeyLogRecord, 0, report);
        E2E_CHECK(Contains(lines, "keyvane: icon active"), "report " + std::to_string(report) + " turns the icon active");
        E2E_CHECK(!Contains(lines, "keyvane: command"), "report " + std::to_string(report) + " runs no command");
    }
    E2E_CHECK(keyvane.IsRunning(), "keyvane survived every report");
}

E2E_CASE(Intake, KeyActivityBlinksTheIconWithoutCommand) {
    KeyvaneProcess& keyvane = Running();
    const size_t from = keyvane.Mark();
    keyvane.SendToView(kKeyActivity, 0, 0x20);
    const long normal = keyvane.WaitForLine(from, "keyvane: icon normal", 2000);
    E2E_CHECK(normal >= 0, "the normal icon came back by itself");
    const auto lines = keyvane.LinesSince(from);
    E2E_CHECK(!lines.empty() && lines[0] == "keyvane: icon active", "the icon went active first");
    E2E_CHECK(!Contains(lines, "keyvane: command"), "no command ran");
}

E2E_CASE(Intake, ActiveIconLastsUntil100msAfterTheLastKey) {
    KeyvaneProcess& keyvane = Running();
    const size_t from = keyvane.Mark();
    keyvane.SendToView(g_keyCommand, 0, 0x5D);
    ::Sleep(60);
    keyvane.SendToView(g_keyCommand, 0, 0x5D);
    const double second = e2e::NowMs();
    const long normal = keyvane.WaitForLine(from, "keyvane: icon normal", 2000);
    E2E_CHECK(normal >= 0, "the normal icon came back");
    const double elapsed = e2e::Monitor().Lines(static_cast<size_t>(normal))[0].atMs - second;
    // Without the restart the icon would turn normal 40 ms after the second key.
    E2E_CHECK(elapsed >= 80, "the icon stayed active " + std::to_string(elapsed) + " ms after the second key");
    E2E_CHECK(elapsed < 1000, "the icon turned normal soon after");
}
