// Keyboard instances whose driver package was reinstalled lately. An install
// that cannot succeed (the user cancels the wizard, the driver is refused)
// leaves the instance without its filter; without a pause the user would get
// the wizard again every few seconds for as long as the program runs.
#pragma once

#include <cstdint>
#include <map>
#include <string>

class CReinstallHoldBack {
public:
    // How long an instance is left alone after an attempt.
    static constexpr std::uint32_t kHoldBackMs = 10 * 60 * 1000;

    // Times are milliseconds of a clock that wraps around after 2^32 ms (the
    // system's tick count, 49.7 days); only differences smaller than that count.
    bool HoldsBack(const std::string& instance, std::uint32_t nowMs) const;
    // A reinstall for `instance` ended at `nowMs`.
    void Attempted(const std::string& instance, std::uint32_t nowMs);
    // Drops the attempts whose pause is over; whether there were any. Done
    // every pass, so that no attempt lives to see the clock come round to its
    // time again.
    bool ForgetExpired(std::uint32_t nowMs);

private:
    std::map<std::string, std::uint32_t> m_attempts;
};
