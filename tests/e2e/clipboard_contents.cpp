#include "tests/e2e/clipboard_contents.h"

#include "tests/e2e/e2e.h"

#include <cstring>
#include <vector>

namespace e2e {

namespace {

// Text, and a private format with known bytes.
const UINT g_privateFormat = ::RegisterClipboardFormatA("Keyvane.Test.Private");
const std::vector<unsigned char> kPrivateBytes = {1, 2, 3, 0, 255, 128, 7};

void PutOnClipboard(UINT format, const void* bytes, size_t size) {
    const HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(::GlobalLock(block), bytes, size);
    ::GlobalUnlock(block);
    ::SetClipboardData(format, block);
}

std::vector<unsigned char> ClipboardBytes(UINT format) {
    std::vector<unsigned char> bytes;
    if (::OpenClipboard(nullptr)) {
        const HANDLE block = ::GetClipboardData(format);
        const auto* data = block == nullptr ? nullptr : static_cast<const unsigned char*>(::GlobalLock(block));
        if (data != nullptr) {
            bytes.assign(data, data + ::GlobalSize(block));
            ::GlobalUnlock(block);
        }
        ::CloseClipboard();
    }
    return bytes;
}

}  // namespace

void FillClipboard(HWND owner, bool withContents) {
    E2E_CHECK(::OpenClipboard(owner), "the test opens the clipboard");
    ::EmptyClipboard();
    if (withContents) {
        PutOnClipboard(CF_TEXT, "before", 7);
        PutOnClipboard(g_privateFormat, kPrivateBytes.data(), kPrivateBytes.size());
    }
    ::CloseClipboard();
}

bool ClipboardHoldsTheTestContents() {
    // Looked for before any text is read: reading a text keyvane offers would
    // make the test the program that pastes it.
    if (!::IsClipboardFormatAvailable(g_privateFormat)) {
        return false;
    }
    const auto text = ClipboardBytes(CF_TEXT);
    return text.size() >= 7 && std::memcmp(text.data(), "before", 7) == 0 && ClipboardBytes(g_privateFormat) == kPrivateBytes;
}

int ClipboardFormatCount() {
    int count = 0;
    if (::OpenClipboard(nullptr)) {
        count = ::CountClipboardFormats();
        ::CloseClipboard();
    }
    return count;
}

}  // namespace e2e
