// The Windows version class (0-8) the program works by, from version numbers.
#pragma once

#include <optional>

// 0 a 9x release before 4.0, 1 an NT release not listed below, 2 Windows 95,
// 3 Windows 98, 4 Windows Me, 5 NT 4, 6 Windows 2000, 7 XP, 8 Vista or later.
enum OsKind : int {
    kOsOld9x = 0,
    kOsOtherNt = 1,
    kOsWin95 = 2,
    kOsWin98 = 3,
    kOsWinMe = 4,
    kOsNt4 = 5,
    kOsWin2000 = 6,
    kOsWinXp = 7,
    kOsVista = 8,
};

struct OsVersionNumbers {
    unsigned major;
    unsigned minor;
    unsigned build = 0;
};

// `quickMajor` is the major version of the quick version query; `record` the
// full version record's numbers, or nothing when the record could not be
// allocated (the full record is not consulted below 9x version 4).
int ClassifyOsKind(bool ntFamily, unsigned quickMajor, const std::optional<OsVersionNumbers>& record);

// Within version class 8, the releases from Windows 10 on, where keys that
// older releases served do something else: 0 before Windows 10, 10 for
// Windows 10 and 11 for Windows 11 (build 22000 and later). Windows reports
// major version 10 only to a program whose manifest names Windows 10.
enum OsRelease : int {
    kOsBeforeWin10 = 0,
    kOsWin10 = 10,
    kOsWin11 = 11,
};

int ClassifyOsRelease(bool ntFamily, const std::optional<OsVersionNumbers>& record);

// What the running system says of its version, as ClassifyOsKind takes it.
struct OsVersion {
    bool ntFamily;
    unsigned quickMajor;
    std::optional<OsVersionNumbers> record;
};

// Windows only. The installer library reads the version the same way.
OsVersion ReadOsVersion();

// Ask the running system (Windows only).
int QueryOsKind();
int QueryOsRelease();
