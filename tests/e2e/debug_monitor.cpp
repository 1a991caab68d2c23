#include "tests/e2e/debug_monitor.h"

#include "tests/e2e/e2e.h"

#include <cstring>
#include <memory>
#include <stdexcept>

namespace e2e {

namespace {

constexpr DWORD kBufferSize = 4096;
// A writer holds the buffer for microseconds; one silent this long is gone.
constexpr DWORD kWriterGoneMs = 1000;

}  // namespace

DebugMonitor::DebugMonitor() {
    m_bufferReady = ::CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY");
    m_dataReady = ::CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY");
    m_mapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize, "DBWIN_BUFFER");
    m_stop = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (m_bufferReady == nullptr || m_dataReady == nullptr || m_mapping == nullptr || m_stop == nullptr) {
        throw std::runtime_error("cannot create the debug-output buffer");
    }
    m_buffer = static_cast<const char*>(::MapViewOfFile(m_mapping, FILE_MAP_READ, 0, 0, kBufferSize));
    if (m_buffer == nullptr) {
        throw std::runtime_error("cannot map the debug-output buffer");
    }
    m_thread = std::thread([this] { Collect(); });
}

DebugMonitor::~DebugMonitor() {
    ::SetEvent(m_stop);
    m_thread.join();
    ::UnmapViewOfFile(m_buffer);
    for (HANDLE handle : {m_bufferReady, m_dataReady, m_mapping, m_stop}) {
        ::CloseHandle(handle);
    }
}

void DebugMonitor::Collect() {
    const HANDLE waits[] = {m_stop, m_dataReady};
    ::SetEvent(m_bufferReady);
    for (;;) {
        const DWORD woke = ::WaitForMultipleObjects(2, waits, FALSE, kWriterGoneMs);
        // A program ended while it wrote a line (a case terminates keyvane
        // mid-start) took the buffer with it: without a new one every later
        // line would wait out its writer's own timeout, and be lost.
        if (woke == WAIT_TIMEOUT) {
            ::SetEvent(m_bufferReady);
            continue;
        }
        if (woke != WAIT_OBJECT_0 + 1) {
            return;
        }
        DWORD pid = 0;
        std::memcpy(&pid, m_buffer, sizeof pid);
        std::string text(m_buffer + sizeof pid, strnlen(m_buffer + sizeof pid, kBufferSize - sizeof pid));
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
            text.pop_back();
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_lines.push_back(DebugLine{pid, std::move(text), NowMs()});
        }
        ::SetEvent(m_bufferReady);
    }
}

size_t DebugMonitor::Count() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lines.size();
}

std::vector<DebugLine> DebugMonitor::Lines(size_t from) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (from >= m_lines.size()) {
        return {};
    }
    return std::vector<DebugLine>(m_lines.begin() + static_cast<long>(from), m_lines.end());
}

long DebugMonitor::WaitForLine(size_t from, DWORD pid, const std::string& text, unsigned timeoutMs) const {
    long found = -1;
    WaitFor(
        [&] {
            std::lock_guard<std::mutex> lock(m_mutex);
            for (size_t i = from; i < m_lines.size(); ++i) {
                if ((pid == 0 || m_lines[i].pid == pid) && m_lines[i].text.find(text) != std::string::npos) {
                    found = static_cast<long>(i);
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

namespace {

std::unique_ptr<DebugMonitor>& SharedMonitor() {
    static std::unique_ptr<DebugMonitor> monitor;
    return monitor;
}

}  // namespace

DebugMonitor& Monitor() {
    std::unique_ptr<DebugMonitor>& monitor = SharedMonitor();
    if (monitor == nullptr) {
        monitor = std::make_unique<DebugMonitor>();
    }
    return *monitor;
}

void CloseMonitor() {
    SharedMonitor().reset();
}

}  // namespace e2e
