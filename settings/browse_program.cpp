#include "settings/browse_program.h"

#include "dispatch/text_encoding_win32.h"
#include "settings/keyboard_prop_fields.h"

#include <commdlg.h>

#include <optional>

namespace {

// The filter's label means "executable files". The dialog is asked in
// Unicode so that the label shows whatever the system's code page is.
constexpr wchar_t kProgramFilter[] = L"\u8FD0\u884C\u6587\u4EF6(*.EXE)\0*.EXE\0";

// The settings keep texts of at most kMaxSettingText characters, which must
// read back. A longer path is given in its short form, as the system itself
// gives paths to such programs; a path that fits neither way is not taken.
std::optional<std::string> StorablePath(const std::wstring& path) {
    if (path.size() <= static_cast<size_t>(kMaxSettingText)) {
        return Utf8FromWide(path);
    }
    wchar_t shortPath[MAX_PATH] = {};
    const DWORD length = ::GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    if (length == 0 || length > static_cast<DWORD>(kMaxSettingText)) {
        return std::nullopt;
    }
    return Utf8FromWide(std::wstring(shortPath, length));
}

using GetOpenFileNameFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);

// The open-file dialog's library is loaded when a browse button is first
// used, not at start: most runs never open the dialog, and the library brings
// the printing system's libraries along. It is taken from the system folder by
// its full path. Null where it cannot be loaded.
GetOpenFileNameFunction OpenFileDialog() {
    static const GetOpenFileNameFunction function = []() -> GetOpenFileNameFunction {
        std::wstring path(MAX_PATH, L'\0');
        const UINT length = ::GetSystemDirectoryW(path.data(), MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return nullptr;
        }
        path.resize(length);
        const HMODULE library = ::LoadLibraryW((path + L"\\comdlg32.dll").c_str());
        if (library == nullptr) {
            return nullptr;
        }
        const FARPROC found = ::GetProcAddress(library, "GetOpenFileNameW");
        return reinterpret_cast<GetOpenFileNameFunction>(reinterpret_cast<void (*)()>(found));
    }();
    return function;
}

}  // namespace

void BrowseForProgram(framework::CDialog& dialog, const std::function<void(const std::string&)>& fill) {
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dialog.m_hWnd;
    ofn.lpstrFilter = kProgramFilter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    // The dialog leaves the folder it ended in as the current one, which would
    // keep the user from removing or renaming that folder for as long as the
    // program runs; the program's own current folder is put back.
    wchar_t current[MAX_PATH] = {};
    const DWORD currentLength = ::GetCurrentDirectoryW(MAX_PATH, current);
    const GetOpenFileNameFunction getOpenFileName = OpenFileDialog();
    const BOOL picked = getOpenFileName != nullptr && getOpenFileName(&ofn);
    if (currentLength > 0 && currentLength < MAX_PATH) {
        ::SetCurrentDirectoryW(current);
    }
    if (!picked) {
        return;
    }
    const std::optional<std::string> program = StorablePath(file);
    if (!program) {
        return;
    }
    fill(*program);
    dialog.UpdateData(FALSE);
}
