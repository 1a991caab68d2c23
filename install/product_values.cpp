#include "install/install_steps.h"
#include "registry/reg_access.h"

namespace {

constexpr char kProductKey[] = "SOFTWARE\\Corvale";

void ReadString(CRegAccess& key, const char* name, std::string& value) {
    if (key.ValueExists(name)) {
        key.QueryString(name, value);
    }
}

// Only a number stored as one: the bytes of a text are no identifier.
std::optional<std::uint32_t> ReadNumber(CRegAccess& key, const char* name) {
    DWORD number = 0;
    if (key.ValueExists(name) && key.QueryDword(name, number) && key.m_dwLastType == REG_DWORD &&
        key.m_dwLastSize == sizeof number) {
        return number;
    }
    return std::nullopt;
}

}  // namespace

ProductValues ReadProductValues() {
    ProductValues values;
    {
        CRegAccess key(HKEY_LOCAL_MACHINE);
        if (key.Open(HKEY_LOCAL_MACHINE, kProductKey)) {
            ReadString(key, "InfPATH", values.infPath);
            ReadString(key, "Mfg", values.mfg);
            values.idProduct = ReadNumber(key, "idProduct");
            values.idVendor = ReadNumber(key, "idVendor");
        }
    }
    // A setup running as a user whom the key keeps out gets in after the grant.
    CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, kProductKey);
    CRegAccess key(HKEY_LOCAL_MACHINE);
    if (key.Open(HKEY_LOCAL_MACHINE, kProductKey)) {
        ReadString(key, "InfPATH", values.infPath);
    }
    return values;
}
