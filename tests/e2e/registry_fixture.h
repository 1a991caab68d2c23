// Registry set-up for end-to-end cases, done with the plain system calls so
// that what a case checks never goes through the code under test.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// Removes a key with everything below it; true also when it was missing.
bool DeleteKeyTree(HKEY root, const std::string& path);
bool KeyExists(HKEY root, const std::string& path);

struct RawValue {
    DWORD type;
    std::string data;  // the stored bytes
};

inline bool operator==(const RawValue& a, const RawValue& b) {
    return a.type == b.type && a.data == b.data;
}

// What a value holds, or nothing when it is missing.
std::optional<RawValue> ReadRawValue(HKEY root, const std::string& path, const char* name);
void WriteRawValue(HKEY root, const std::string& path, const char* name, DWORD type, const std::string& data);
// A REG_SZ value written and read with the wide functions; the text is UTF-8
// here. Reading gives nothing for a missing value or one of another type.
void WriteText(HKEY root, const std::string& path, const char* name, const std::string& text);
std::optional<std::string> ReadText(HKEY root, const std::string& path, const char* name);
void DeleteValue(HKEY root, const std::string& path, const char* name);

// A key made afresh for one case and removed with everything below it when
// the case ends, whatever the case left there.
class ScratchKey {
public:
    ScratchKey(HKEY root, std::string path);
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    HKEY Root() const { return m_root; }
    const std::string& Path() const { return m_path; }
    void Write(const char* name, DWORD type, const std::string& data) const;
    std::optional<RawValue> Read(const char* name) const;
    void CreateSubkey(const std::string& name) const;

private:
    HKEY m_root;
    std::string m_path;
};

// A value changed for one case and put back as it was when the case ends.
class ValueOverride {
public:
    ValueOverride(HKEY root, std::string path, const char* name);
    ~ValueOverride();
    ValueOverride(const ValueOverride&) = delete;
    ValueOverride& operator=(const ValueOverride&) = delete;

    // A REG_SZ, written with the wide functions.
    void Set(const std::string& text) const;
    void SetDword(DWORD value) const;
    void Remove() const;

private:
    HKEY m_root;
    std::string m_path;
    std::string m_name;
    std::optional<RawValue> m_saved;
};

}  // namespace e2e
