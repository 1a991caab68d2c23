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
    // Windows 10 and 11 report major version 10 to a program that says it
    // knows them; they are later releases than Vista like any other.
    if (record->major == 6 || record->major >= 10) {
        return kOsVista;
    }
    return kOsOtherNt;
}

int ClassifyOsRelease(bool ntFamily, const std::optional<OsVersionNumbers>& record) {
    if (!ntFamily || !record || record->major < 10) {
        return kOsBeforeWin10;
    }
    return record->build >= 22000 ? kOsWin11 : kOsWin10;
}
