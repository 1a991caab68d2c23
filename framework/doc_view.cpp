#include "framework/doc_view.h"

#include "framework/frame_wnd.h"
#include "framework/win_app.h"

namespace framework {

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, std::function<std::unique_ptr<CDocument>()> newDoc,
                                       std::function<std::unique_ptr<CFrameWnd>()> newFrame,
                                       std::function<std::unique_ptr<CView>()> newView)
    : m_nResourceId(resourceId),
      m_newDoc(std::move(newDoc)),
      m_newFrame(std::move(newFrame)),
      m_newView(std::move(newView)) {}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char*) {
    // The single document is made once; its frame and view live until the end.
    if (m_document) {
        return m_document->OnNewDocument() ? m_document.get() : nullptr;
    }
    std::unique_ptr<CDocument> document = m_newDoc();
    std::unique_ptr<CFrameWnd> frame = m_newFrame();
    CCreateContext context;
    context.m_pCurrentDoc = document.get();
    context.m_newView = m_newView;
    if (!frame->LoadFrame(m_nResourceId, WS_OVERLAPPEDWINDOW, &context) || !document->OnNewDocument()) {
        return nullptr;
    }
    if (GetApp() != nullptr && GetApp()->m_pMainWnd == nullptr) {
        GetApp()->m_pMainWnd = frame.get();
    }
    frame->InitialUpdateFrame(FALSE);
    m_document = std::move(document);
    m_frame = std::move(frame);
    return m_document.get();
}

}  // namespace framework
