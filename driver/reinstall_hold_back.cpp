#include "driver/reinstall_hold_back.h"

namespace {

// Unsigned difference: right across the clock's wrap-around.
bool Expired(std::uint32_t attemptMs, std::uint32_t nowMs) {
    return static_cast<std::uint32_t>(nowMs - attemptMs) >= CReinstallHoldBack::kHoldBackMs;
}

}  // namespace

bool CReinstallHoldBack::HoldsBack(const std::string& instance, std::uint32_t nowMs) const {
    const auto attempt = m_attempts.find(instance);
    return attempt != m_attempts.end() && !Expired(attempt->second, nowMs);
}

void CReinstallHoldBack::Attempted(const std::string& instance, std::uint32_t nowMs) {
    m_attempts[instance] = nowMs;
}

bool CReinstallHoldBack::ForgetExpired(std::uint32_t nowMs) {
    const std::size_t before = m_attempts.size();
    for (auto attempt = m_attempts.begin(); attempt != m_attempts.end();) {
        if (Expired(attempt->second, nowMs)) {
            attempt = m_attempts.erase(attempt);
        } else {
            ++attempt;
        }
    }
    return m_attempts.size() != before;
}
