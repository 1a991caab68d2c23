// The clipboard around a pasted text: what it held is saved first and put back
// afterwards. Every format offered as a memory block comes back byte for byte,
// however many there are; formats that are not memory blocks (bitmaps and
// other handles) cannot be copied and are left out rather than announced for a
// rendering nobody would answer.
#include "app/tamber_view.h"

#include <ole2.h>

#include <cstring>

namespace {

constexpr UINT kSharedMemory = GMEM_MOVEABLE | GMEM_SHARE;

// Opens the clipboard for `owner` for one scope and empties it, so that one
// change is seen by other programs whole. Another program may hold it open
// for a moment (clipboard managers do, and so does a program that pastes).
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : m_open(::OpenClipboard(owner) != FALSE && ::EmptyClipboard() != FALSE) {}
    ~OpenedClipboard() {
        if (m_open) {
            ::CloseClipboard();
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};

// Hands a copy of `bytes` to the open clipboard under `format`.
void SetClipboardBytes(UINT format, const void* bytes, size_t size) {
    const HGLOBAL block = ::GlobalAlloc(kSharedMemory, size);
    void* target = block == nullptr ? nullptr : ::GlobalLock(block);
    if (target == nullptr) {
        if (block != nullptr) {
            ::GlobalFree(block);
        }
        return;
    }
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(block);
    // The clipboard owns the block once it took it.
    if (::SetClipboardData(format, block) == nullptr) {
        ::GlobalFree(block);
    }
}

}  // namespace

void CTamberView::SaveClipboard() {
    m_clipSnapshot.clear();
    IDataObject* data = nullptr;
    if (FAILED(::OleGetClipboard(&data))) {
        return;
    }
    IEnumFORMATETC* formats = nullptr;
    if (SUCCEEDED(data->EnumFormatEtc(DATADIR_GET, &formats))) {
        FORMATETC format{};
        while (formats->Next(1, &format, nullptr) == S_OK) {
            FORMATETC wanted = format;
            wanted.tymed = TYMED_HGLOBAL;
            STGMEDIUM medium{};
            if (data->QueryGetData(&format) == S_OK && SUCCEEDED(data->GetData(&wanted, &medium))) {
                if (medium.tymed == TYMED_HGLOBAL) {
                    const auto* bytes = static_cast<const unsigned char*>(::GlobalLock(medium.hGlobal));
                    if (bytes != nullptr) {
                        m_clipSnapshot.push_back(
                            ClipEntry{format.cfFormat, std::vector<unsigned char>(bytes, bytes + ::GlobalSize(medium.hGlobal))});
                        ::GlobalUnlock(medium.hGlobal);
                    }
                }
                ::ReleaseStgMedium(&medium);
            }
            ::CoTaskMemFree(format.ptd);
        }
        formats->Release();
    }
    data->Release();
}

bool CTamberView::RestoreClipboard() {
    const OpenedClipboard clipboard(m_hWnd);
    if (!clipboard.IsOpen()) {
        return false;
    }
    for (const ClipEntry& entry : m_clipSnapshot) {
        SetClipboardBytes(entry.format, entry.data.data(), entry.data.size());
    }
    m_clipSnapshot.clear();
    m_bClipboardSaved = false;
    return true;
}

bool CTamberView::PutTextOnClipboard(const std::wstring& text) {
    const OpenedClipboard clipboard(m_hWnd);
    if (!clipboard.IsOpen()) {
        return false;
    }
    // The system offers the text to older programs in their code page as well.
    SetClipboardBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    return true;
}
