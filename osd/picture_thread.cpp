#include "osd/picture_thread.h"

#include "framework/diagnostics.h"
#include "framework/worker_thread.h"
#include "osd/picture_wnd.h"

#include <memory>
#include <string>

namespace {

// Requests posted to the popup's thread; the thread owns what lParam points to.
enum : UINT { kMsgPlayKeyPicture = WM_APP + 1, kMsgShowVolumeLevel };

struct Request {
    std::string name;  // a copy, so that the caller's text may go at once
    int frameHeight = 0;
    std::uint32_t volume = 0;
    PopupPoint offset{0, 0};
};

struct Startup {
    HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool created = false;
};

void Handle(CPictureWnd& popup, const MSG& message) {
    // Only our own requests carry one; any other message to the thread is left alone.
    if (message.message != kMsgPlayKeyPicture && message.message != kMsgShowVolumeLevel) {
        return;
    }
    const std::unique_ptr<Request> request(reinterpret_cast<Request*>(message.lParam));
    if (message.message == kMsgPlayKeyPicture) {
        popup.PlayKeyPicture(request->name.c_str(), request->frameHeight, request->offset);
    } else {
        popup.ShowVolumeLevel(request->volume, request->offset);
    }
}

unsigned PictureThread(void* param) {
    auto* startup = static_cast<Startup*>(param);
    MSG message;
    // Gives the thread its message queue before anyone posts to it.
    ::PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    CPictureWnd popup;
    // Made while the user-interface thread waits in Start, so that the two
    // threads never register window classes at the same time.
    startup->created = popup.CreatePopup() != FALSE;
    const bool created = startup->created;
    ::SetEvent(startup->ready);
    if (!created) {
        return 0;
    }
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr) {
            Handle(popup, message);
        } else {
            ::DispatchMessageA(&message);
        }
    }
    return 0;
}

}  // namespace

void CPictureThread::Start() {
    Startup startup;
    if (startup.ready == nullptr) {
        return;
    }
    if (framework::BeginWorkerThread(&PictureThread, &startup, &m_threadId)) {
        // The thread only makes its queue and its window before it answers.
        ::WaitForSingleObject(startup.ready, INFINITE);
    }
    ::CloseHandle(startup.ready);
    if (!startup.created) {
        m_threadId = 0;
        framework::Trace("no picture popup");
    }
}

namespace {

void Post(unsigned threadId, UINT message, std::unique_ptr<Request> request) {
    if (threadId != 0 && ::PostThreadMessageA(threadId, message, 0, reinterpret_cast<LPARAM>(request.get()))) {
        request.release();
    }
}

}  // namespace

void CPictureThread::PlayKeyPicture(const char* name, int frameHeight, PopupPoint offset) {
    Post(m_threadId, kMsgPlayKeyPicture, std::make_unique<Request>(Request{name, frameHeight, 0, offset}));
}

void CPictureThread::ShowVolumeLevel(std::uint32_t volume, PopupPoint offset) {
    Post(m_threadId, kMsgShowVolumeLevel, std::make_unique<Request>(Request{{}, 0, volume, offset}));
}

void CPictureThread::Stop() {
    if (m_threadId != 0) {
        ::PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
        m_threadId = 0;
    }
}
