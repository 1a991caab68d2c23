// CRegAccess against the Wine prefix's registry.
#include "registry/reg_access.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/registry_fixture.h"

#include <sddl.h>

#include <algorithm>
#include <cstring>
#include <vector>

using e2e::RawValue;
using e2e::ScratchKey;

namespace {

const char kScratch[] = "Software\\KeyvaneTest";

std::string Text(size_t length) {
    return std::string(length, 'k');
}

// A REG_SZ value's stored bytes: the text and its NUL.
std::string Sz(const std::string& text) {
    return std::string(text.c_str(), text.size() + 1);
}

}  // namespace

E2E_CASE(RegAccess, QueryStringReadsAtMost200BytesAndStopsAtTheFirstNul) {
    ScratchKey scratch(HKEY_LOCAL_MACHINE, kScratch);
    const struct {
        const char* name;
        DWORD type;
        std::string stored;
        bool read;
        std::string expected;
        LONG error;
    } cases[] = {
        {"199 characters", REG_SZ, Sz(Text(199)), true, Text(199), ERROR_SUCCESS},
        {"200 characters", REG_SZ, Sz(Text(200)), false, "", ERROR_MORE_DATA},
        {"empty", REG_SZ, Sz(""), true, "", ERROR_SUCCESS},
        {"two strings", REG_MULTI_SZ, std::string("UsbSnoop\0filtrum\0\0", 18), true, "UsbSnoop", ERROR_SUCCESS},
        {"200 bytes without a NUL", REG_BINARY, Text(200), true, Text(200), ERROR_SUCCESS},
    };
    for (const auto& c : cases) {
        scratch.Write(c.name, c.type, c.stored);
    }
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    E2E_CHECK(reg.Open(HKEY_LOCAL_MACHINE, kScratch, false), "the scratch key opens for reading");
    for (const auto& c : cases) {
        std::string value = "untouched";
        E2E_CHECK_EQ(reg.QueryString(c.name, value), c.read, c.name);
        E2E_CHECK(value == (c.read ? c.expected : "untouched"), std::string(c.name) + " read as \"" + value + "\"");
        E2E_CHECK_EQ(reg.m_lLastError, c.error, c.name);
        E2E_CHECK_EQ(reg.m_dwLastType, c.type, c.name);
    }
    std::string value = "untouched";
    E2E_CHECK(!reg.QueryString("missing", value) && value == "untouched", "a missing value is not read");
    E2E_CHECK_EQ(reg.m_lLastError, static_cast<LONG>(ERROR_FILE_NOT_FOUND), "missing value");
}

E2E_CASE(RegAccess, TextsOfAnyLanguageAreWrittenWideAndReadInAtMost200Characters) {
    ScratchKey scratch(HKEY_LOCAL_MACHINE, kScratch);
    const std::wstring checks199(199, L'\u2713');
    const std::wstring checks200(200, L'\u2713');
    CRegAccess writer(HKEY_LOCAL_MACHINE);
    E2E_CHECK(writer.Open(HKEY_LOCAL_MACHINE, kScratch, true), "the scratch key opens for writing");
    for (const std::wstring* text : {&checks199, &checks200}) {
        const std::string name = std::to_string(text->size()) + " characters";
        E2E_CHECK(writer.SetText(name.c_str(), *text), name + " written");
        E2E_CHECK(writer.m_dwLastType == REG_SZ && writer.m_dwLastSize == (text->size() + 1) * 2,
                  name + ": REG_SZ, two bytes a character with the NUL");
    }
    E2E_CHECK_EQ(::GetACP(), 1252u, "the system's code page is the Western one");
    scratch.Write("ANSI", REG_SZ, Sz("Caf\xe9"));
    scratch.Write("no NUL", REG_BINARY, std::string("k\0k\0", 4));
    const struct {
        const char* name;
        bool read;
        std::wstring expected;
        LONG error;
    } cases[] = {
        {"199 characters", true, checks199, ERROR_SUCCESS},
        {"200 characters", false, L"untouched", ERROR_MORE_DATA},
        {"ANSI", true, L"Caf\u00e9", ERROR_SUCCESS},
        {"no NUL", true, L"kk", ERROR_SUCCESS},
        {"missing", false, L"untouched", ERROR_FILE_NOT_FOUND},
    };
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    E2E_CHECK(reg.Open(HKEY_LOCAL_MACHINE, kScratch, false), "the scratch key opens for reading");
    for (const auto& c : cases) {
        std::wstring value = L"untouched";
        E2E_CHECK_EQ(reg.QueryText(c.name, value), c.read, c.name);
        E2E_CHECK(value == c.expected, std::string(c.name) + " read as expected");
        E2E_CHECK_EQ(reg.m_lLastError, c.error, c.name);
    }
}

E2E_CASE(RegAccess, QueryDwordLeavesItsOutParameterUnlessTheReadSucceeds) {
    ScratchKey scratch(HKEY_LOCAL_MACHINE, kScratch);
    scratch.Write("ConfigFlags", REG_DWORD, std::string("\x78\x56\x34\x12", 4));
    scratch.Write("TooLong", REG_BINARY, std::string(8, '\x01'));
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    E2E_CHECK(reg.Open(HKEY_LOCAL_MACHINE, kScratch, false), "the scratch key opens for reading");

    DWORD value = 0xDEADBEEF;
    E2E_CHECK(!reg.QueryDword("missing", value), "a missing value is not read");
    E2E_CHECK_EQ(value, 0xDEADBEEFul, "the out parameter is untouched");
    E2E_CHECK_EQ(reg.m_lLastError, 2l, "file not found");

    E2E_CHECK(!reg.QueryDword("TooLong", value), "an 8-byte value is no 32-bit number");
    E2E_CHECK_EQ(value, 0xDEADBEEFul, "the out parameter is untouched");
    E2E_CHECK_EQ(reg.m_lLastError, static_cast<LONG>(ERROR_MORE_DATA), "more data");

    E2E_CHECK(reg.QueryDword("ConfigFlags", value), "a REG_DWORD is read");
    E2E_CHECK_EQ(value, 0x12345678ul, "its number");
    E2E_CHECK_EQ(reg.m_dwLastType, static_cast<DWORD>(REG_DWORD), "type recorded");
    E2E_CHECK_EQ(reg.m_dwLastSize, 4ul, "size recorded");
    E2E_CHECK(reg.ValueExists("ConfigFlags"), "it exists");
    E2E_CHECK(reg.m_dwLastType == 0 && reg.m_dwLastSize == 0, "ValueExists records no type or size");
}

E2E_CASE(RegAccess, SetStringAndSetDwordStoreAndRecordTypeAndSize) {
    ScratchKey scratch(HKEY_LOCAL_MACHINE, kScratch);
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    E2E_CHECK(reg.Open(HKEY_LOCAL_MACHINE, kScratch, true), "the scratch key opens for writing");

    const struct {
        const char* name;
        std::string text;
    } strings[] = {{"DeviceDesc", "USB Office Keyboard"}, {"Empty", ""}};
    for (const auto& s : strings) {
        E2E_CHECK(reg.SetString(s.name, s.text), s.name);
        E2E_CHECK_EQ(reg.m_dwLastType, static_cast<DWORD>(REG_SZ), s.name);
        E2E_CHECK_EQ(reg.m_dwLastSize, static_cast<DWORD>(s.text.size() + 1), s.name);
        const std::optional<RawValue> stored = scratch.Read(s.name);
        E2E_CHECK(stored && stored->type == REG_SZ && stored->data == Sz(s.text),
                  std::string(s.name) + " is stored as REG_SZ with its NUL");
    }

    E2E_CHECK(reg.SetDword("MenuEnable", 1), "SetDword");
    E2E_CHECK(reg.m_dwLastType == REG_DWORD && reg.m_dwLastSize == 4, "SetDword records REG_DWORD, 4 bytes");
    const std::optional<RawValue> stored = scratch.Read("MenuEnable");
    E2E_CHECK(stored && stored->type == REG_DWORD && stored->data == std::string("\x01\0\0\0", 4),
              "MenuEnable is stored as a 4-byte REG_DWORD");

    CRegAccess reader(HKEY_LOCAL_MACHINE);
    E2E_CHECK(reader.Open(HKEY_LOCAL_MACHINE, kScratch, false), "the scratch key opens for reading");
    E2E_CHECK(!reader.SetString("Refused", "x"), "a key opened for reading takes no value");
    E2E_CHECK_EQ(reader.m_lLastError, static_cast<LONG>(ERROR_ACCESS_DENIED), "access denied");
    E2E_CHECK(reader.m_dwLastType == REG_SZ && reader.m_dwLastSize == 2, "the refused write still records");
    E2E_CHECK(!scratch.Read("Refused"), "nothing was stored");
}

E2E_CASE(RegAccess, OpenRecordsItsOutcomeAndOwnsOnlyWhatItOpened) {
    ScratchKey scratch(HKEY_LOCAL_MACHINE, kScratch);
    scratch.Write("Value", REG_SZ, Sz("text"));
    HKEY mine = nullptr;
    E2E_CHECK(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kScratch, 0, KEY_READ, &mine) == ERROR_SUCCESS, "raw open");
    {
        // Until Open succeeds, calls act on the root the object was made with.
        CRegAccess reg(mine);
        E2E_CHECK(reg.ValueExists("Value"), "the root's value is seen");
        E2E_CHECK(!reg.Open(HKEY_LOCAL_MACHINE, "Software\\KeyvaneTest\\Missing", false), "a missing key");
        E2E_CHECK_EQ(reg.m_lLastError, 2l, "file not found");
        E2E_CHECK(reg.m_strPath == "Software\\KeyvaneTest\\Missing", "the path is kept: " + reg.m_strPath);
        E2E_CHECK(!reg.ValueExists("Value"), "after a failed Open, calls fail");
        E2E_CHECK(reg.Open(mine, nullptr, false) && reg.m_strPath.empty(), "no path opens the root again");
        E2E_CHECK(reg.ValueExists("Value"), "the root opened again");
    }
    E2E_CHECK(::RegQueryValueExA(mine, "Value", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS,
              "the caller's key is still open after the object is gone");
    ::RegCloseKey(mine);

    // Opening again releases the key the object held, which nothing could reach any more.
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    E2E_CHECK(reg.Open(HKEY_LOCAL_MACHINE, kScratch, false), "first open");
    const HKEY first = reg.m_hKey;
    E2E_CHECK(reg.Open(HKEY_LOCAL_MACHINE, kScratch, false), "open again");
    E2E_CHECK(reg.m_hKey != first, "a new handle");
    E2E_CHECK_EQ(::RegQueryValueExA(first, "Value", nullptr, nullptr, nullptr, nullptr),
                 static_cast<LONG>(ERROR_INVALID_HANDLE), "the first handle is closed");
    E2E_CHECK(reg.ValueExists("Value"), "the last key opened is the one in use");
    reg.Close();
    E2E_CHECK(reg.m_hKey == nullptr, "Close clears the key");
}

E2E_CASE(RegAccess, EnumSubkeyNamesSubkeysInOrderWithinTheBuffer) {
    ScratchKey scratch(HKEY_LOCAL_MACHINE, kScratch);
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    E2E_CHECK(reg.Open(HKEY_LOCAL_MACHINE, kScratch, false), "open");
    char name[64] = "untouched";
    E2E_CHECK(!reg.EnumSubkey(name, 0), "a key without subkeys has no subkey 0");
    E2E_CHECK_EQ(reg.m_lLastError, static_cast<LONG>(ERROR_NO_MORE_ITEMS), "no more items");

    scratch.CreateSubkey("5&2B1C3A&0&1");
    scratch.CreateSubkey("6&3C2D4B&0&2");
    E2E_CHECK(reg.Open(HKEY_LOCAL_MACHINE, kScratch, false), "open again");
    E2E_CHECK(reg.EnumSubkey(name, 0) && std::strcmp(name, "5&2B1C3A&0&1") == 0, "subkey 0");
    E2E_CHECK(reg.EnumSubkey(name, 1) && std::strcmp(name, "6&3C2D4B&0&2") == 0, "subkey 1");
    E2E_CHECK(!reg.EnumSubkey(name, 2), "no subkey 2");

    struct {
        char name[8];
        char guard[8];
    } small;
    std::memset(&small, 'g', sizeof small);
    E2E_CHECK(!reg.EnumSubkey(small.name, 0), "a 12-character name does not fit 8 bytes");
    E2E_CHECK_EQ(reg.m_lLastError, static_cast<LONG>(ERROR_MORE_DATA), "more data");
    E2E_CHECK(std::string(small.guard, sizeof small.guard) == std::string(8, 'g'), "nothing written past the buffer");
}

namespace {

struct AccessEntry {
    BYTE type;
    BYTE flags;
    DWORD mask;
    std::string sid;  // S-1-...

    bool operator==(const AccessEntry& other) const {
        return type == other.type && flags == other.flags && mask == other.mask && sid == other.sid;
    }
};

std::string Describe(const std::vector<AccessEntry>& entries) {
    std::string text;
    for (const AccessEntry& e : entries) {
        text += " (" + std::to_string(e.type) + " " + e2e::Hex(e.flags) + " " + e2e::Hex(e.mask) + " " + e.sid + ")";
    }
    return text;
}

// The key's access list, entry by entry, as the system reports it.
std::vector<AccessEntry> ReadAccessList(const std::string& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, READ_CONTROL, &key) != ERROR_SUCCESS) {
        throw e2e::Failure("cannot read the security of " + path);
    }
    DWORD size = 0;
    ::RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
    std::vector<BYTE> descriptor(size);
    const LONG result = ::RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor.data(), &size);
    ::RegCloseKey(key);
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    E2E_CHECK(result == ERROR_SUCCESS && ::GetSecurityDescriptorDacl(descriptor.data(), &present, &dacl, &defaulted),
              "the access list of " + path + " is readable");
    std::vector<AccessEntry> entries;
    for (DWORD i = 0; present && dacl != nullptr && i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        E2E_CHECK(::GetAce(dacl, i, &ace), "entry " + std::to_string(i));
        const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
        char* sid = nullptr;
        ::ConvertSidToStringSidA(const_cast<DWORD*>(&allowed->SidStart), &sid);
        entries.push_back(AccessEntry{allowed->Header.AceType, allowed->Header.AceFlags, allowed->Mask,
                                      sid == nullptr ? "?" : sid});
        ::LocalFree(sid);
    }
    return entries;
}

void SetAccessList(const std::string& path, const char* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    HKEY key = nullptr;
    const bool set =
        ::ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr) &&
        ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS &&
        ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    ::LocalFree(descriptor);
    E2E_CHECK(set, std::string("the key takes the access list ") + sddl);
}

const AccessEntry kInteractiveRead{ACCESS_ALLOWED_ACE_TYPE, 0, KEY_READ, "S-1-5-4"};
const AccessEntry kAdministratorsFull{ACCESS_ALLOWED_ACE_TYPE, 0, KEY_ALL_ACCESS, "S-1-5-32-544"};

}  // namespace

E2E_CASE(RegAccess, GrantKeyAccessOnAMissingKeyFailsAndMakesNothing) {
    ScratchKey scratch(HKEY_LOCAL_MACHINE, kScratch);
    const std::string missing = std::string(kScratch) + "\\VID_04D9&PID_0022";
    E2E_CHECK(!CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, missing.c_str()), "false for a missing key");
    E2E_CHECK(!e2e::KeyExists(HKEY_LOCAL_MACHINE, missing), "the key was not made");
}

E2E_CASE(RegAccess, GrantKeyAccessKeepsEveryEntryAndAddsOnlyWhatIsMissing) {
    ScratchKey scratch(HKEY_LOCAL_MACHINE, kScratch);
    const struct {
        const char* what;
        const char* sddl;
        // Where the new entries go, and which of the two are new.
        size_t position;
        std::vector<AccessEntry> added;
    } cases[] = {
        {"deny, own and inherited entries", "D:(D;;0x20;;;WD)(A;CI;KA;;;SY)(A;ID;KR;;;BU)", 2,
         {kInteractiveRead, kAdministratorsFull}},
        {"administrators already in full control", "D:(A;;KA;;;BA)(A;;KR;;;SY)", 2, {kInteractiveRead}},
        {"both given already", "D:(A;;KA;;;IU)(A;;GA;;;BA)", 2, {}},
    };
    for (const auto& c : cases) {
        SetAccessList(kScratch, c.sddl);
        const std::vector<AccessEntry> before = ReadAccessList(kScratch);
        E2E_CHECK(CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, kScratch), c.what);
        std::vector<AccessEntry> expected = before;
        expected.insert(expected.begin() + static_cast<long>(c.position), c.added.begin(), c.added.end());
        const std::vector<AccessEntry> after = ReadAccessList(kScratch);
        E2E_CHECK(after == expected, std::string(c.what) + ": got" + Describe(after) + ", expected" +
                                         Describe(expected));
        E2E_CHECK(CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, kScratch), std::string(c.what) + ", again");
        E2E_CHECK(ReadAccessList(kScratch) == expected, std::string(c.what) + ": a second grant adds nothing");
    }
}

E2E_CASE(RegAccess, GrantKeyAccessKeepsTheWindowsVersionKeysEntries) {
    const char kVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    const std::vector<AccessEntry> before = ReadAccessList(kVersionKey);
    E2E_CHECK(CRegAccess::GrantKeyAccess(HKEY_LOCAL_MACHINE, kVersionKey), "granted");
    const std::vector<AccessEntry> after = ReadAccessList(kVersionKey);
    for (const AccessEntry& entry : before) {
        E2E_CHECK(std::find(after.begin(), after.end(), entry) != after.end(),
                  "kept" + Describe({entry}) + "; now" + Describe(after));
    }
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    std::string build;
    E2E_CHECK(reg.Open(HKEY_LOCAL_MACHINE, kVersionKey, false) && reg.QueryString("CurrentVersion", build),
              "the key still reads");
}
