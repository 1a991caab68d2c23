#include "app/tray_icon_thread.h"

#include "framework/answering_wait.h"
#include "framework/diagnostics.h"
#include "framework/worker_thread.h"

#include <shellapi.h>

#include <cstring>

// What the view and the icon's thread share; the thread keeps it alive on its
// own, so that a thread still in a call when Remove gives up finds it intact.
struct CTrayIconThread::Shared {
    CRITICAL_SECTION lock{};
    tray::Wish wish;
    HANDLE changed = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE ended = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    NOTIFYICONDATAA record{};
    HICON normal = nullptr;
    HICON active = nullptr;

    Shared() { ::InitializeCriticalSection(&lock); }
    ~Shared() {
        ::CloseHandle(changed);
        ::CloseHandle(ended);
        ::DeleteCriticalSection(&lock);
    }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;

    tray::Wish Wanted() {
        ::EnterCriticalSection(&lock);
        const tray::Wish wanted = wish;
        ::LeaveCriticalSection(&lock);
        return wanted;
    }
};

namespace {

using Shared = CTrayIconThread::Shared;

// Whether the notification area holds the icon: a switch of a missing one fails.
bool IconThere(NOTIFYICONDATAA& record) {
    return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

bool Add(NOTIFYICONDATAA& record, const tray::Shown& shown) {
    if (::Shell_NotifyIconA(NIM_ADD, &record) != FALSE) {
        framework::Trace("tray icon added");
        return true;
    }
    // A shell that took too long to answer may have added it all the same,
    // and a second add of an icon it holds fails: the icon is there once.
    if (IconThere(record)) {
        framework::Trace("tray icon already there");
        return true;
    }
    // Without a notification area yet (at logon) the add fails; one line
    // says so, not one per try.
    if (!shown.missing) {
        framework::Trace("tray icon not added: trying again every %u ms", tray::kAddRetryMs);
    }
    return false;
}

bool Call(Shared& shared, tray::Step step, const tray::Wish& wanted, const tray::Shown& shown) {
    NOTIFYICONDATAA& record = shared.record;
    record.hIcon = wanted.active ? shared.active : shared.normal;
    switch (step) {
        case tray::Step::kAdd:
            return Add(record, shown);
        case tray::Step::kModify:
            return IconThere(record);
        case tray::Step::kDelete:
            return ::Shell_NotifyIconA(NIM_DELETE, &record) != FALSE;
        case tray::Step::kNone:
        case tray::Step::kEnd:
            break;
    }
    return true;
}

unsigned __stdcall IconThread(void* param) {
    const std::unique_ptr<std::shared_ptr<Shared>> owned(static_cast<std::shared_ptr<Shared>*>(param));
    Shared& shared = **owned;
    tray::Shown shown;
    DWORD lastAddMs = 0;
    for (;;) {
        // A refused add wakes the thread when its next try is due.
        DWORD waitMs = INFINITE;
        if (shown.missing) {
            const DWORD since = ::GetTickCount() - lastAddMs;
            waitMs = since >= tray::kAddRetryMs ? 0 : tray::kAddRetryMs - since;
        }
        ::WaitForSingleObject(shared.changed, waitMs);
        bool retryDue = shown.missing && ::GetTickCount() - lastAddMs >= tray::kAddRetryMs;
        // Each pass reads the latest wish, so one that came during a call is
        // made before the thread waits again.
        for (;;) {
            const tray::Wish wanted = shared.Wanted();
            const tray::Step step = tray::NextStep(wanted, shown, retryDue);
            if (step == tray::Step::kNone) {
                break;
            }
            if (step == tray::Step::kEnd) {
                ::SetEvent(shared.ended);
                return 0;
            }
            if (step == tray::Step::kAdd) {
                lastAddMs = ::GetTickCount();
                retryDue = false;
            }
            shown = tray::AfterStep(shown, step, wanted, Call(shared, step, wanted, shown));
        }
    }
}

}  // namespace

void CTrayIconThread::Start(HWND view, UINT iconId, UINT callbackMessage, HICON normal, HICON active,
                            const char* tip) {
    m_shared = std::make_shared<Shared>();
    NOTIFYICONDATAA& record = m_shared->record;
    // The first version of the record: what every Windows release understands.
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = view;
    record.uID = iconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = callbackMessage;
    std::strncpy(record.szTip, tip, sizeof record.szTip - 1);
    m_shared->normal = normal;
    m_shared->active = active;
    m_shared->wish.additions = 1;
    ::SetEvent(m_shared->changed);
    auto param = std::make_unique<std::shared_ptr<Shared>>(m_shared);
    if (!framework::BeginWorkerThread(IconThread, param.get())) {
        m_shared.reset();
        framework::Trace("tray icon not added");
        return;
    }
    // The thread owns it now.
    param.release();
}

template <typename Change>
void CTrayIconThread::Update(Change change) {
    if (!m_shared) {
        return;
    }
    ::EnterCriticalSection(&m_shared->lock);
    change(m_shared->wish);
    ::LeaveCriticalSection(&m_shared->lock);
    ::SetEvent(m_shared->changed);
}

void CTrayIconThread::Show(bool active) {
    Update([active](tray::Wish& wish) { wish.active = active; });
}

void CTrayIconThread::AddAgain() {
    Update([](tray::Wish& wish) { ++wish.additions; });
}

void CTrayIconThread::Remove(DWORD waitMs) {
    if (!m_shared) {
        return;
    }
    Update([](tray::Wish& wish) { wish.removal = true; });
    // Bounded: a shell that does not answer must not keep the program from ending.
    framework::WaitAnsweringSentMessages(m_shared->ended, waitMs);
}
