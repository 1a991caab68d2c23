#include "bench/stage_reader.h"

#include "tests/e2e/e2e.h"

namespace bench {

double CounterMs(LONGLONG counter) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(counter) * 1000.0 / frequency;
}

StampReader::StampReader(const e2e::KeyvaneProcess& keyvane)
    : m_process(::OpenProcess(PROCESS_VM_READ, FALSE, keyvane.Pid())),
      m_ring(keyvane.SendToView(::RegisterWindowMessageA("KeyvaneStageStamps"), 0, 0)) {
    E2E_CHECK(m_process != nullptr && m_ring != 0, "the program's stage stamps can be read");
}

StampReader::~StampReader() {
    ::CloseHandle(m_process);
}

const framework::StageStampRing& StampReader::Read() {
    SIZE_T read = 0;
    E2E_CHECK(::ReadProcessMemory(m_process, reinterpret_cast<LPCVOID>(m_ring), &m_copy, sizeof m_copy, &read) &&
                  read == sizeof m_copy,
              "the stage stamps were read");
    return m_copy;
}

Found First(const framework::StageStampRing& ring, framework::Stage stage, long from) {
    for (long number = from; number < ring.next; ++number) {
        const framework::StageStamp& entry =
            ring.entries[static_cast<unsigned long>(number) % framework::StageStampRing::kEntries];
        if (entry.sequence == static_cast<std::uint32_t>(number) && entry.stage == static_cast<std::uint32_t>(stage)) {
            return Found{number, CounterMs(entry.counter)};
        }
    }
    return Found{};
}

}  // namespace bench
