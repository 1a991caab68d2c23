#include "dispatch/special_folder.h"

#include "dispatch/text_encoding_win32.h"

#include <windows.h>

#include <shlobj.h>

std::string GetSpecialFolder(int csidl) {
    IMalloc* allocator = nullptr;
    if (FAILED(::SHGetMalloc(&allocator))) {
        return "error";
    }
    std::string folder = "error";
    LPITEMIDLIST items = nullptr;
    if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, csidl, &items))) {
        wchar_t path[MAX_PATH] = {};
        if (::SHGetPathFromIDListW(items, path)) {
            folder = Utf8FromWide(path);
        }
        allocator->Free(items);
    }
    allocator->Release();
    return folder;
}
