// Document, view and the single-document template that makes the triple of
// document, frame and view for "File New".
#pragma once

#include "framework/wnd.h"

#include <functional>
#include <memory>
#include <string>

namespace framework {

class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
public:
    // Prepares an empty document; false stops the document from being made.
    virtual BOOL OnNewDocument() { return TRUE; }
    void SetTitle(const std::string& title) { m_strTitle = title; }
    const std::string& GetTitle() const { return m_strTitle; }

private:
    std::string m_strTitle;
};

// What a frame needs to make its view: the view's factory and its document.
struct CCreateContext {
    CDocument* m_pCurrentDoc = nullptr;
    std::function<std::unique_ptr<CView>()> m_newView;
};

class CView : public CWnd {
public:
    CDocument* GetDocument() const { return m_pDocument; }
    // Creates the view's window as the frame's client pane.
    virtual BOOL CreateView(CFrameWnd& frame, UINT id, CDocument* document) = 0;
    // Once, when the frame first shows its view.
    virtual void OnInitialUpdate() {}
    CFrameWnd* GetParentFrame() const { return m_pFrame; }

protected:
    void AttachToFrame(CFrameWnd& frame, CDocument* document) {
        m_pFrame = &frame;
        m_pDocument = document;
    }

private:
    CDocument* m_pDocument = nullptr;
    CFrameWnd* m_pFrame = nullptr;
};

// Makes one document, its frame and its view from resource `resourceId`
// (frame menu, icon, title string and tool bar share the identifier).
class CSingleDocTemplate {
public:
    template <class Doc, class Frame, class View>
    static std::unique_ptr<CSingleDocTemplate> Make(UINT resourceId) {
        return std::unique_ptr<CSingleDocTemplate>(new CSingleDocTemplate(
            resourceId, [] { return std::make_unique<Doc>(); }, [] { return std::make_unique<Frame>(); },
            [] { return std::make_unique<View>(); }));
    }

    // With no path, a new empty document in a new frame; the frame is then the
    // application's main window. Returns the document, or null on failure.
    CDocument* OpenDocumentFile(const char* path);

    CFrameWnd* GetFrame() const { return m_frame.get(); }

private:
    CSingleDocTemplate(UINT resourceId, std::function<std::unique_ptr<CDocument>()> newDoc,
                       std::function<std::unique_ptr<CFrameWnd>()> newFrame,
                       std::function<std::unique_ptr<CView>()> newView);

    UINT m_nResourceId;
    std::function<std::unique_ptr<CDocument>()> m_newDoc;
    std::function<std::unique_ptr<CFrameWnd>()> m_newFrame;
    std::function<std::unique_ptr<CView>()> m_newView;
    // The frame goes before the document it shows.
    std::unique_ptr<CDocument> m_document;
    std::unique_ptr<CFrameWnd> m_frame;
};

}  // namespace framework
