// Opening a key to interactive users and administrators. The key keeps every
// entry of its access list: SYSTEM, services and app containers depend on
// theirs on keys such as the USB device keys, so only what is missing is added.
#include "registry/access_list.h"
#include "registry/reg_access.h"

#include <vector>

namespace {

// The key's security descriptor with its access list, or nothing.
std::vector<BYTE> ReadDaclDescriptor(HKEY key) {
    DWORD size = 0;
    if (::RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size) != ERROR_INSUFFICIENT_BUFFER) {
        return {};
    }
    std::vector<BYTE> descriptor(size);
    if (::RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor.data(), &size) != ERROR_SUCCESS) {
        return {};
    }
    return descriptor;
}

bool AddKeyAccessGrants(HKEY key) {
    std::vector<BYTE> current = ReadDaclDescriptor(key);
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    if (current.empty() || !::GetSecurityDescriptorDacl(current.data(), &present, &dacl, &defaulted) ||
        !::GetSecurityDescriptorControl(current.data(), &control, &revision)) {
        return false;
    }
    // Without an access list everyone has full access already.
    if (!present || dacl == nullptr) {
        return true;
    }
    const auto* listBytes = reinterpret_cast<const std::uint8_t*>(dacl);
    const auto available = static_cast<std::size_t>(current.data() + current.size() - listBytes);
    const std::optional<AccessList> list = ParseAccessList(listBytes, available);
    if (!list) {
        return false;
    }
    GrantMerge merge = AddMissingGrants(*list, KeyAccessGrants());
    if (merge.outcome != GrantMerge::Outcome::kMerged) {
        return merge.outcome == GrantMerge::Outcome::kGivenAlready;
    }
    SECURITY_DESCRIPTOR descriptor;
    constexpr SECURITY_DESCRIPTOR_CONTROL kKeptControl = SE_DACL_AUTO_INHERITED | SE_DACL_PROTECTED;
    return ::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
           ::SetSecurityDescriptorDacl(&descriptor, TRUE, reinterpret_cast<PACL>(merge.list.data()), FALSE) &&
           ::SetSecurityDescriptorControl(&descriptor, kKeptControl, control & kKeptControl) &&
           ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
}

}  // namespace

bool CRegAccess::GrantKeyAccess(HKEY root, const char* path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path, 0, READ_CONTROL | WRITE_DAC, &key) != ERROR_SUCCESS) {
        return false;
    }
    const bool granted = AddKeyAccessGrants(key);
    ::RegCloseKey(key);
    return granted;
}
