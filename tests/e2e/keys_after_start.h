// Keys written into the key log in the first seconds of a run: keyvane.exe is
// started on a fresh key log and one key (report code 19, Ctrl+C) is written
// at each moment asked for, each timed from its write to the dispatcher's
// line. Both the end-to-end case and the benchmark use it, so the figure and
// the bound measure the same road.
#pragma once

#include <vector>

namespace e2e {

// Starts keyvane.exe (Windows XP) on a key log whose header names
// `headerSlot`, and writes a key at each of `afterStartMs`
// (ascending, counted from just before CreateProcess), one key at a time. A
// moment before the poll thread has taken its place in the ring counts as that
// moment: a key written earlier would be one already in the key log, which the
// program rightly ignores. Returns for each key its write-to-dispatch time in
// ms; a key not dispatched within `waitMs` fails the case.
std::vector<double> KeyLatenciesAfterStart(const std::vector<double>& afterStartMs, int headerSlot = 19,
                                           unsigned waitMs = 3000);

}  // namespace e2e
