#include "registry/reg_access.h"

#ifndef KEYVANE_REGISTRY_INSTALLER
#include "dispatch/text_encoding_win32.h"
#endif

#include <cstring>
#include <cwchar>

CRegAccess::CRegAccess(HKEY root) : m_hKey(root) {}

CRegAccess::~CRegAccess() {
    Close();
}

#ifdef KEYVANE_REGISTRY_INSTALLER
bool CRegAccess::Open(HKEY root, const char* path) {
    return OpenKey(root, path, KEY_READ);
}
#else
bool CRegAccess::Open(HKEY root, const char* path, bool write) {
    return OpenKey(root, path, write ? KEY_WRITE : KEY_READ);
}
#endif

bool CRegAccess::OpenKey(HKEY root, const char* path, REGSAM access) {
    // No path opens the root again, as the system does.
    m_strPath = path == nullptr ? "" : path;
    HKEY key = nullptr;
    const LONG result = ::RegOpenKeyExA(root, path, 0, access, &key);
    // A key this object opened earlier would otherwise be lost with its handle.
    // It goes only now, as `root` may be that very key.
    Close();
    m_hKey = key;
    m_bOwnsKey = result == ERROR_SUCCESS;
    return Record(result);
}

void CRegAccess::Close() {
    // The root the object was made with belongs to the caller.
    if (m_bOwnsKey) {
        ::RegCloseKey(m_hKey);
    }
    m_hKey = nullptr;
    m_bOwnsKey = false;
}

bool CRegAccess::Record(LONG result, DWORD type, DWORD size) {
    m_lLastError = result;
    m_dwLastType = type;
    m_dwLastSize = size;
    return result == ERROR_SUCCESS;
}

bool CRegAccess::ReadValue(const char* name, void* buffer, DWORD& size) {
    DWORD type = 0;
    const LONG result = ::RegQueryValueExA(m_hKey, name, nullptr, &type, static_cast<BYTE*>(buffer), &size);
    return Record(result, type, size);
}

LONG CRegAccess::WriteValue(const char* name, DWORD type, const void* data, DWORD size) {
    return ::RegSetValueExA(m_hKey, name, 0, type, static_cast<const BYTE*>(data), size);
}

bool CRegAccess::ValueExists(const char* name) {
    return Record(::RegQueryValueExA(m_hKey, name, nullptr, nullptr, nullptr, nullptr));
}

bool CRegAccess::QueryDword(const char* name, DWORD& value) {
    DWORD number = 0;
    DWORD size = sizeof number;
    if (!ReadValue(name, &number, size)) {
        return false;
    }
    value = number;
    return true;
}

bool CRegAccess::QueryString(const char* name, std::string& value) {
    char buffer[kMaxStringBytes];
    DWORD size = sizeof buffer;
    if (!ReadValue(name, buffer, size)) {
        return false;
    }
    // A value stored without its NUL ends with the bytes read.
    value.assign(buffer, ::strnlen(buffer, size));
    return true;
}

bool CRegAccess::SetDword(const char* name, DWORD value) {
    return Record(WriteValue(name, REG_DWORD, &value, sizeof value), REG_DWORD, sizeof value);
}

bool CRegAccess::SetString(const char* name, const std::string& text) {
    const auto size = static_cast<DWORD>(text.size() + 1);
    return Record(WriteValue(name, REG_SZ, text.c_str(), size), REG_SZ, size);
}

#ifndef KEYVANE_REGISTRY_INSTALLER
namespace {

// Value names are in the code page, as for the other calls; none names the key's default value.
std::wstring WideName(const char* name) {
    return name == nullptr ? std::wstring() : WideFromAnsi(name);
}

}  // namespace

bool CRegAccess::QueryText(const char* name, std::wstring& value) {
    wchar_t buffer[kMaxStringChars];
    DWORD size = sizeof buffer;
    DWORD type = 0;
    const LONG result =
        ::RegQueryValueExW(m_hKey, WideName(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (!Record(result, type, size)) {
        return false;
    }
    // A value stored without its NUL ends with the characters read.
    value.assign(buffer, ::wcsnlen(buffer, size / sizeof(wchar_t)));
    return true;
}

bool CRegAccess::SetText(const char* name, const std::wstring& text) {
    const auto size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    const LONG result = ::RegSetValueExW(m_hKey, WideName(name).c_str(), 0, REG_SZ,
                                         reinterpret_cast<const BYTE*>(text.c_str()), size);
    return Record(result, REG_SZ, size);
}
#endif

bool CRegAccess::EnumSubkey(char* name, DWORD nameSize, DWORD index) {
    DWORD length = nameSize;
    return Record(::RegEnumKeyExA(m_hKey, index, name, &length, nullptr, nullptr, nullptr, nullptr));
}

#ifdef KEYVANE_REGISTRY_INSTALLER
LONG CRegAccess::SetDwordRaw(const char* name, DWORD value) {
    return WriteValue(name, REG_DWORD, &value, sizeof value);
}

LONG CRegAccess::SetBinary(const char* name, const void* bytes, DWORD count) {
    return WriteValue(name, REG_BINARY, bytes, count);
}
#endif
