#include "tests/e2e/hook_fixture.h"

#include <windows.h>

namespace e2e {

void FeedReports(CKeyRoads& roads, const std::vector<ReportBytes>& reports) {
    ReportBytes block;
    for (const ReportBytes& report : reports) {
        block.insert(block.end(), report.begin(), report.end());
    }
    const auto size = static_cast<DWORD>(reports.empty() ? 0 : reports.front().size());
    roads.OnHidReports(block.data(), block.size(), size, static_cast<DWORD>(reports.size()), ::GetTickCount());
}

}  // namespace e2e
