#include "app/os_kind.h"

int ClassifyOsKind(bool ntFamily, unsigned quickMajor, const std::optional<OsVersionNumbers>& record) {
    if (!ntFamily) {
        if (quickMajor < 4) {
            return kOsOld9x;
        }
        if (!record) {
            return kOsWin95;
        }
        if (record->major == 4 && record->minor == 10) {
            return kOsWin98;
        }
        if (record->major == 4 && record->minor == 90) {
            return kOsWinMe;
        }
        return kOsWin95;
    }
    if (!record) {
        return kOsOtherNt;
    }
    if (record->major == 4) {
        return kOsNt4;
    }
    if (record->major == 5 && record->minor == 0) {
        return kOsWin2000;
    }
    if (record->major == 5 && record->minor == 1) {
        return kOsWinXp;
    }
    if (record->major == 6) {
        return kOsVista;
    }
    return kOsOtherNt;
}
