#include "tests/e2e/registry_fixture.h"

#include "dispatch/text_encoding_win32.h"
#include "tests/e2e/e2e.h"

#include <cwchar>
#include <utility>

namespace e2e {

namespace {

// Makes the key when it is missing. Used where no exception may leave (destructors).
LONG SetValue(HKEY root, const std::string& path, const char* name, DWORD type, const std::string& data) {
    return ::RegSetKeyValueA(root, path.c_str(), name, type, data.data(), static_cast<DWORD>(data.size()));
}

}  // namespace

bool DeleteKeyTree(HKEY root, const std::string& path) {
    // Wine's tree delete takes the key itself along; a system that leaves the
    // emptied key behind has it deleted here.
    if (::RegDeleteTreeA(root, path.c_str()) == ERROR_SUCCESS) {
        ::RegDeleteKeyA(root, path.c_str());
    }
    return !KeyExists(root, path);
}

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(key);
    return true;
}

std::optional<RawValue> ReadRawValue(HKEY root, const std::string& path, const char* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // Asked for its size first: values of any size come back whole.
    RawValue value{0, {}};
    DWORD size = 0;
    LONG result = ::RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        value.data.resize(size);
        result = ::RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(value.data.data()), &size);
    }
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    return value;
}

void WriteRawValue(HKEY root, const std::string& path, const char* name, DWORD type, const std::string& data) {
    if (SetValue(root, path, name, type, data) != ERROR_SUCCESS) {
        throw Failure("cannot write " + path + "\\" + name);
    }
}

void WriteText(HKEY root, const std::string& path, const char* name, const std::string& text) {
    const std::wstring wide = WideFromUtf8(text);
    if (::RegSetKeyValueW(root, WideFromUtf8(path).c_str(), WideFromUtf8(name).c_str(), REG_SZ, wide.c_str(),
                          static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS) {
        throw Failure("cannot write " + path + "\\" + name);
    }
}

std::optional<std::string> ReadText(HKEY root, const std::string& path, const char* name) {
    const std::wstring widePath = WideFromUtf8(path);
    const std::wstring wideName = WideFromUtf8(name);
    DWORD size = 0;
    if (::RegGetValueW(root, widePath.c_str(), wideName.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(root, widePath.c_str(), wideName.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(::wcsnlen(text.c_str(), size / sizeof(wchar_t)));
    return Utf8FromWide(text);
}

void DeleteValue(HKEY root, const std::string& path, const char* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        ::RegDeleteValueA(key, name);
        ::RegCloseKey(key);
    }
}

ScratchKey::ScratchKey(HKEY root, std::string path) : m_root(root), m_path(std::move(path)) {
    if (!DeleteKeyTree(m_root, m_path)) {
        throw Failure("cannot remove the key " + m_path);
    }
    CreateSubkey("");
}

ScratchKey::~ScratchKey() {
    DeleteKeyTree(m_root, m_path);
}

void ScratchKey::Write(const char* name, DWORD type, const std::string& data) const {
    WriteRawValue(m_root, m_path, name, type, data);
}

std::optional<RawValue> ScratchKey::Read(const char* name) const {
    return ReadRawValue(m_root, m_path, name);
}

void ScratchKey::CreateSubkey(const std::string& name) const {
    const std::string path = name.empty() ? m_path : m_path + "\\" + name;
    HKEY key = nullptr;
    if (::RegCreateKeyExA(m_root, path.c_str(), 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw Failure("cannot make the key " + path);
    }
    ::RegCloseKey(key);
}

ValueOverride::ValueOverride(HKEY root, std::string path, const char* name)
    : m_root(root), m_path(std::move(path)), m_name(name), m_saved(ReadRawValue(root, m_path, name)) {}

ValueOverride::~ValueOverride() {
    if (m_saved) {
        SetValue(m_root, m_path, m_name.c_str(), m_saved->type, m_saved->data);
    } else {
        DeleteValue(m_root, m_path, m_name.c_str());
    }
}

void ValueOverride::Set(const std::string& text) const {
    WriteText(m_root, m_path, m_name.c_str(), text);
}

void ValueOverride::SetDword(DWORD value) const {
    SetValue(m_root, m_path, m_name.c_str(), REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

void ValueOverride::Remove() const {
    DeleteValue(m_root, m_path, m_name.c_str());
}

}  // namespace e2e
