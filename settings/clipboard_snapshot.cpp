// The clipboard around a pasted text: what it held is saved first and put back
// afterwards. Every format offered as a memory block comes back byte for byte,
// however many there are; formats that are not memory blocks (bitmaps and
// other handles) cannot be copied and are left out rather than announced for a
// rendering nobody would answer.
#include "app/tamber_view.h"
#include "framework/answering_wait.h"
#include "framework/diagnostics.h"

#include <ole2.h>

#include <cstring>

namespace {

constexpr UINT kSharedMemory = GMEM_MOVEABLE | GMEM_SHARE;
// The longest a text waits for the paste before it to read its own.
constexpr DWORD kPasteReadMs = 1000;
// How long, and how often, the clipboard is asked for while another program holds it.
constexpr DWORD kClipboardOpenMs = 250;
constexpr DWORD kClipboardOpenRetryMs = 10;

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

void CTamberView::ForgetClipboard(const char* why) {
    ::KillTimer(m_hWnd, kTimerClipboardRestore);
    m_clipSnapshot.clear();
    m_bClipboardSaved = false;
    framework::Trace("clipboard not put back: %s", why);
}

bool CTamberView::PutTextOnClipboard(const std::wstring& text) {
    // A text chosen right after another must not take the clipboard before the
    // paste of the first one read it, or that paste would type the second
    // text. A window in which Ctrl+V means nothing never reads: the wait ends.
    framework::WaitAnsweringSentMessages([this] { return !m_bPasteUnread; }, kPasteReadMs);
    // The program that just read it closes the clipboard a moment later.
    const DWORD start = ::GetTickCount();
    for (;;) {
        {
            const OpenedClipboard clipboard(m_hWnd);
            if (clipboard.IsOpen()) {
                // Handed over when asked for (WM_RENDERFORMAT), which says the paste read it.
                m_strPasteText = text;
                ::SetClipboardData(CF_UNICODETEXT, nullptr);
                m_bPasteUnread = true;
                return true;
            }
        }
        if (::GetTickCount() - start >= kClipboardOpenMs) {
            return false;
        }
        framework::WaitAnsweringSentMessages([] { return false; }, kClipboardOpenRetryMs);
    }
}

LRESULT CTamberView::OnRenderFormat(WPARAM format, LPARAM) {
    // The reader holds the clipboard open meanwhile. The system offers the
    // text to older programs in their code page as well.
    if (format == CF_UNICODETEXT && m_bPasteUnread) {
        SetClipboardBytes(CF_UNICODETEXT, m_strPasteText.c_str(), (m_strPasteText.size() + 1) * sizeof(wchar_t));
        m_bPasteUnread = false;
    }
    return 0;
}

LRESULT CTamberView::OnRenderAllFormats(WPARAM, LPARAM) {
    // The program ends with the text unread: it stays on the clipboard.
    if (m_bPasteUnread && ::OpenClipboard(m_hWnd)) {
        if (::GetClipboardOwner() == m_hWnd) {
            OnRenderFormat(CF_UNICODETEXT, 0);
        }
        ::CloseClipboard();
    }
    return 0;
}

LRESULT CTamberView::OnDestroyClipboard(WPARAM, LPARAM) {
    // Emptied, by us or by another program: the text can no longer be read.
    m_bPasteUnread = false;
    // Another program emptied it for what the user copied next, which stays:
    // what the clipboard held before the text is let go.
    if (m_bClipboardSaved && ::GetOpenClipboardWindow() != m_hWnd) {
        ForgetClipboard("something new was put there");
    }
    return 0;
}
