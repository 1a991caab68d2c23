#include "app/os_kind.h"

int QueryOsKind() {
    const OsVersion version = ReadOsVersion();
    return ClassifyOsKind(version.ntFamily, version.quickMajor, version.record);
}

int QueryOsRelease() {
    const OsVersion version = ReadOsVersion();
    return ClassifyOsRelease(version.ntFamily, version.record);
}
