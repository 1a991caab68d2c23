#include "hookwell/once_only_rule.h"

#include "hookwell/multimedia_keys.h"

namespace {

// How long before `nowMs` the event at `timeMs` happened; negative for an
// event of the other road stamped a little later than the one at hand.
std::int32_t AgeMs(std::uint32_t timeMs, std::uint32_t nowMs) {
    return static_cast<std::int32_t>(nowMs - timeMs);
}

}  // namespace

bool COnceOnlyRule::TakeVirtualKey(unsigned vk, bool down, std::uint32_t timeMs, bool repeats) {
    if (vk >= m_held.size()) {
        return false;
    }
    if (!down) {
        m_held.reset(vk);
        return false;
    }
    if (m_held.test(vk)) {
        return repeats;
    }
    m_held.set(vk);
    return TakeFirstCopy(Road::kHook, vk, timeMs);
}

bool COnceOnlyRule::TakeReport(int reportCode, std::uint32_t timeMs) {
    const auto vk = VirtualKeyForReport(reportCode);
    // A key Windows makes no virtual key of comes on this road alone.
    return !vk || TakeFirstCopy(Road::kReport, *vk, timeMs);
}

int COnceOnlyRule::TakeReportsMissedByHook(std::uint32_t nowMs) {
    Expire(nowMs);
    const int missed = m_nMissedByHook;
    m_nMissedByHook = 0;
    return missed;
}

void COnceOnlyRule::ForgetHeldKeys() {
    m_held.reset();
}

bool COnceOnlyRule::TakeFirstCopy(Road road, unsigned vk, std::uint32_t timeMs) {
    Expire(timeMs);
    for (std::size_t i = 0; i < m_nPending; ++i) {
        const Pending& other = m_pending[i];
        if (other.road != road && other.vk == vk) {
            Remove(i);
            return false;
        }
    }
    if (m_nPending == m_pending.size()) {
        // Never in practice; the oldest copy gives way rather than the newest.
        Remove(0);
    }
    m_pending[m_nPending++] = Pending{road, vk, timeMs};
    return true;
}

void COnceOnlyRule::Expire(std::uint32_t nowMs) {
    std::size_t i = 0;
    while (i < m_nPending) {
        const Pending& pending = m_pending[i];
        if (AgeMs(pending.timeMs, nowMs) <= static_cast<std::int32_t>(kPairingMs)) {
            ++i;
            continue;
        }
        // A key the hook saw alone came from another keyboard; a report alone
        // means the hook missed a key.
        m_nMissedByHook += pending.road == Road::kReport ? 1 : 0;
        Remove(i);
    }
}

void COnceOnlyRule::Remove(std::size_t index) {
    for (std::size_t i = index + 1; i < m_nPending; ++i) {
        m_pending[i - 1] = m_pending[i];
    }
    --m_nPending;
}
