// Each press of a key is dispatched once, though Windows may report it more
// often: the keyboard hook sees a held key's auto-repeat, and a multimedia key
// of the keyboard arrives both as the keyboard's own report (Raw Input) and as
// the virtual key Windows makes of it (the hook). Whichever road brings a
// press first dispatches it; the other road's copy of it is dropped when it
// arrives within kPairingMs. Times are the system's millisecond ticks, which
// wrap around; the two roads' times may come slightly out of order.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

class COnceOnlyRule {
public:
    // Both copies of one press come from the same input event, a few
    // milliseconds apart. A copy pairs with one copy of the other road only,
    // so quick presses of one key stay apart all the same.
    static constexpr std::uint32_t kPairingMs = 300;

    // A key event the hook saw (`down` false for a release): whether it is a
    // press to dispatch. Only the first key-down of a held key is, unless the
    // key `repeats`: then each auto-repeat is one more press of its own (a
    // held volume key the program takes steps on). Reports never repeat, so a
    // repeat pairs with none.
    bool TakeVirtualKey(unsigned vk, bool down, std::uint32_t timeMs, bool repeats = false);
    // A report of the keyboard, by its report code: whether to dispatch it.
    bool TakeReport(int reportCode, std::uint32_t timeMs);
    // How many reports' keys never came through the hook, kPairingMs having
    // passed by `nowMs`; each counts once. The hook may be gone.
    int TakeReportsMissedByHook(std::uint32_t nowMs);
    // Once the hook is installed afresh, releases it did not see are lost:
    // no key counts as held any longer.
    void ForgetHeldKeys();

private:
    enum class Road : std::uint8_t { kHook, kReport };
    struct Pending {
        Road road;
        unsigned vk;
        std::uint32_t timeMs;
    };

    // Whether this copy of a press is the first: then it waits for its
    // other copy; otherwise it takes the other road's waiting copy.
    bool TakeFirstCopy(Road road, unsigned vk, std::uint32_t timeMs);
    void Expire(std::uint32_t nowMs);
    void Remove(std::size_t index);

    // A fixed store, so that the hook never allocates; copies waiting for
    // their twins are few (a key press makes one).
    std::array<Pending, 32> m_pending{};
    std::size_t m_nPending = 0;
    std::bitset<256> m_held;
    int m_nMissedByHook = 0;
};
