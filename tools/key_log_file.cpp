#include "tools/key_log_file.h"

#include "tools/key_log_layout.h"

#include <windows.h>

#include <memory>

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

// Opened shared every way, as the driver keeps it: readers look at it at any time.
FileHandle OpenKeyLog(const std::string& path) {
    const HANDLE handle =
        ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

bool WriteAt(HANDLE file, const KeyLogWrite& write) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(write.offset);
    DWORD written = 0;
    return ::WriteFile(file, write.bytes.data(), static_cast<DWORD>(write.bytes.size()), &written, &at) &&
           written == write.bytes.size();
}

// The whole image in one write, and nothing after it.
bool WriteWhole(HANDLE file, const std::string& image) {
    return WriteAt(file, KeyLogWrite{0, image}) && ::SetEndOfFile(file);
}

// The file as it stands, one byte more than a key log so a longer file shows.
std::string ReadWhole(HANDLE file) {
    std::string bytes(kKeyLogSize + 1, '\0');
    OVERLAPPED at{};
    DWORD count = 0;
    if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &count, &at)) {
        count = 0;
    }
    bytes.resize(count);
    return bytes;
}

}  // namespace

bool CKeyLogFile::Create(int slot) {
    const FileHandle file = OpenKeyLog(m_strPath);
    return file != nullptr && WriteWhole(file.get(), NewKeyLog(slot));
}

bool CKeyLogFile::Press(const std::vector<std::uint32_t>& reportCodes, bool* startedAfresh) {
    const FileHandle file = OpenKeyLog(m_strPath);
    if (file == nullptr) {
        return false;
    }
    const std::optional<int> current = KeyLogWriterSlot(ReadWhole(file.get()));
    if (startedAfresh != nullptr) {
        *startedAfresh = !current.has_value();
    }
    if (!current) {
        // A reader must find the fresh key log with its records already in it.
        std::string image = NewKeyLog(kKeyLogSlotCount);
        for (const KeyLogWrite& write : KeyLogPresses(kKeyLogSlotCount, reportCodes)) {
            ApplyKeyLogWrite(image, write);
        }
        return WriteWhole(file.get(), image);
    }
    for (const KeyLogWrite& write : KeyLogPresses(*current, reportCodes)) {
        if (!WriteAt(file.get(), write)) {
            return false;
        }
    }
    return true;
}
