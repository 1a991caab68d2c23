// The filter driver service's security descriptor, read back by the system's
// own security functions as the service control manager would read it.
#include "install/service_security.h"
#include "tests/e2e/e2e.h"

#include <windows.h>

#include <vector>

namespace e2e {

namespace {

bool IsWellKnown(PSID sid, WELL_KNOWN_SID_TYPE type) {
    BYTE known[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof known;
    return ::CreateWellKnownSid(type, nullptr, known, &size) && ::EqualSid(sid, known);
}

struct Grant {
    BYTE aceType;
    BYTE aceFlags;
    WELL_KNOWN_SID_TYPE sid;
    DWORD mask;
};

// Allow and audit entries share one layout: header, mask, then the SID.
void CheckEntries(PACL list, const std::vector<Grant>& expected, const char* which) {
    E2E_CHECK(::IsValidAcl(list), which);
    ACL_SIZE_INFORMATION size{};
    E2E_CHECK(::GetAclInformation(list, &size, sizeof size, AclSizeInformation), which);
    E2E_CHECK_EQ(size.AceCount, static_cast<DWORD>(expected.size()), which);
    for (DWORD i = 0; i < size.AceCount; ++i) {
        void* entry = nullptr;
        E2E_CHECK(::GetAce(list, i, &entry), which);
        const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
        const std::string what = std::string(which) + " entry " + std::to_string(i);
        E2E_CHECK_EQ(allowed->Header.AceType, expected[i].aceType, what);
        E2E_CHECK_EQ(allowed->Header.AceFlags, expected[i].aceFlags, what);
        E2E_CHECK_EQ(allowed->Mask, expected[i].mask, what);
        PSID sid = const_cast<DWORD*>(&allowed->SidStart);
        E2E_CHECK(::IsValidSid(sid) && IsWellKnown(sid, expected[i].sid), what + ": identifier");
    }
}

}  // namespace

E2E_CASE(InstallSecurity, IsAValidSelfRelativeDescriptorWithTheServicesFourGrants) {
    std::vector<BYTE> bytes(ServiceSecurity.begin(), ServiceSecurity.end());
    PSECURITY_DESCRIPTOR descriptor = bytes.data();
    E2E_CHECK(::IsValidSecurityDescriptor(descriptor), "a valid descriptor");
    E2E_CHECK_EQ(::GetSecurityDescriptorLength(descriptor), DWORD{184}, "its length");
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    E2E_CHECK(::GetSecurityDescriptorControl(descriptor, &control, &revision), "control");
    E2E_CHECK_EQ(revision, DWORD{SECURITY_DESCRIPTOR_REVISION}, "revision");
    E2E_CHECK_EQ(control, SECURITY_DESCRIPTOR_CONTROL{SE_SELF_RELATIVE | SE_SACL_PRESENT | SE_DACL_PRESENT}, "control");

    PSID owner = nullptr;
    PSID group = nullptr;
    BOOL defaulted = TRUE;
    E2E_CHECK(::GetSecurityDescriptorOwner(descriptor, &owner, &defaulted) && IsWellKnown(owner, WinLocalSystemSid),
              "owned by LocalSystem");
    E2E_CHECK(::GetSecurityDescriptorGroup(descriptor, &group, &defaulted) && IsWellKnown(group, WinLocalSystemSid),
              "group LocalSystem");

    BOOL present = FALSE;
    PACL list = nullptr;
    E2E_CHECK(::GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) && present && list != nullptr,
              "an access list");
    E2E_CHECK(!defaulted, "an access list of its own");
    CheckEntries(list,
                 {{ACCESS_ALLOWED_ACE_TYPE, 0, WinLocalSystemSid, 0x000201FD},
                  {ACCESS_ALLOWED_ACE_TYPE, 0, WinBuiltinAdministratorsSid, 0x000F01FF},
                  {ACCESS_ALLOWED_ACE_TYPE, 0, WinAuthenticatedUserSid, 0x0002018D},
                  {ACCESS_ALLOWED_ACE_TYPE, 0, WinBuiltinPowerUsersSid, 0x000201FD}},
                 "access list");

    PACL audit = nullptr;
    E2E_CHECK(::GetSecurityDescriptorSacl(descriptor, &present, &audit, &defaulted) && present && audit != nullptr,
              "a system access list");
    CheckEntries(audit, {{SYSTEM_AUDIT_ACE_TYPE, FAILED_ACCESS_ACE_FLAG, WinWorldSid, 0x000F01FF}},
                 "system access list");
}

}  // namespace e2e
