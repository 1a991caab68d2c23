#include "install/install_log.h"

std::string DeviceKeyLogLines(const std::string& keyPath, const std::string& lowerFilter,
                              const std::string& oldDescription) {
    // "Root: 2" names HKEY_LOCAL_MACHINE by its number among the root keys.
    return "RegDB Key: " + keyPath + "\n" +
           "RegDB Val: " + lowerFilter + "\n" +
           "RegDB Name: LowerFilters\n"
           "RegDB Root: 2\n"
           "RegDB Key: " + keyPath + "\n" +
           "RegDB Val: StrTemp\n"
           "RegDB Name: DeviceDesc\n"
           "RegDB Root: 2\n"
           "RegDB Old: " + oldDescription + "\n";
}
