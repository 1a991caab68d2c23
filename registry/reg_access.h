// CRegAccess: one registry key, opened by path, with boolean results. The
// system's result code, and the value type and size of the last value call,
// stay in the object for the caller to look at.
//
// Both deliverables carry this class from this one source. The installer
// library builds it with KEYVANE_REGISTRY_INSTALLER: its Open reads only, and
// it has two more writes that hand back the system's result code instead of
// recording it.
//
// An object is a short-lived local of one thread. Until Open succeeds, calls
// act on the root key it was made with; once Open has succeeded the object owns
// the key, and Close, a later Open or the destructor releases it.
#pragma once

#include <windows.h>

#include <string>

class CRegAccess {
public:
    explicit CRegAccess(HKEY root);
    ~CRegAccess();
    CRegAccess(const CRegAccess&) = delete;
    CRegAccess& operator=(const CRegAccess&) = delete;

    // Opens `path` under `root` (KEY_WRITE when `write`, KEY_READ otherwise)
    // and keeps it in m_hKey; the path goes to m_strPath either way.
#ifdef KEYVANE_REGISTRY_INSTALLER
    bool Open(HKEY root, const char* path);
#else
    bool Open(HKEY root, const char* path, bool write = false);
#endif
    void Close();

    bool ValueExists(const char* name);
    // Leaves `value` untouched unless the read succeeds.
    bool QueryDword(const char* name, DWORD& value);
    // Reads at most kMaxStringBytes; `value` becomes the data up to its first
    // NUL (so a multi-string gives its first string), or stays untouched.
    bool QueryString(const char* name, std::string& value);
    // REG_DWORD, 4 bytes.
    bool SetDword(const char* name, DWORD value);
    // REG_SZ with its terminating NUL, length + 1 bytes.
    bool SetString(const char* name, const std::string& text);
#ifndef KEYVANE_REGISTRY_INSTALLER
    // The wide forms, for texts in any language. The system keeps every string
    // value in UTF-16, so a value the ANSI functions wrote reads back as it was.
    // Reads at most kMaxStringChars characters, NUL included, with the same
    // rules as QueryString.
    bool QueryText(const char* name, std::wstring& value);
    // REG_SZ with its terminating NUL, (length + 1) * 2 bytes.
    bool SetText(const char* name, const std::wstring& text);
#endif
    // The name of subkey `index` (0 the first); false once past the last. The
    // system is told the real size of `name`, so a longer name fails instead of
    // overrunning it.
    template <DWORD N>
    bool EnumSubkey(char (&name)[N], DWORD index) {
        return EnumSubkey(name, N, index);
    }

#ifdef KEYVANE_REGISTRY_INSTALLER
    // Record nothing; the result is the system's code (0 success).
    LONG SetDwordRaw(const char* name, DWORD value);
    LONG SetBinary(const char* name, const void* bytes, DWORD count);
#endif

    // Adds to the key's access list, where no entry grants it already, read
    // access for Interactive users and full access for Administrators; every
    // entry the list held stays. True only if every step succeeded; a key that
    // does not exist gives false and nothing changes.
    static bool GrantKeyAccess(HKEY root, const char* path);

    // Registry strings are read in at most this many bytes, NUL included.
    static constexpr DWORD kMaxStringBytes = 200;
    // Wide registry strings, in characters, NUL included.
    static constexpr DWORD kMaxStringChars = 200;

    LONG m_lLastError = ERROR_SUCCESS;
    DWORD m_dwLastType = 0;
    DWORD m_dwLastSize = 0;
    HKEY m_hKey;
    std::string m_strPath;

private:
    bool EnumSubkey(char* name, DWORD nameSize, DWORD index);
    bool OpenKey(HKEY root, const char* path, REGSAM access);
    // Keeps a call's outcome; calls that read no value record type and size 0.
    bool Record(LONG result, DWORD type = 0, DWORD size = 0);
    // Reads at most `size` bytes; `size` becomes what the system reports.
    bool ReadValue(const char* name, void* buffer, DWORD& size);
    LONG WriteValue(const char* name, DWORD type, const void* data, DWORD size);

    bool m_bOwnsKey = false;
};
