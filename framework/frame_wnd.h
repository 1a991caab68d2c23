// A frame window that hosts one view, with an optional tool bar and status bar.
// Commands the frame receives (from its menu or its view's children) are routed
// to the view first, then the frame, then the document, then the application.
#pragma once

#include "framework/doc_view.h"

#include <memory>
#include <vector>

namespace framework {

class CControlBar;

class CFrameWnd : public CWnd {
public:
    // Creates the frame with menu, icon and title from resource `resourceId`;
    // the title is the first line of the string resource, as it stands.
    BOOL LoadFrame(UINT resourceId, DWORD style, CCreateContext* context);
    // Places the control bars and gives the view the rest of the client area.
    void RecalcLayout();
    // Hands the view its first update and shows the frame if asked.
    void InitialUpdateFrame(BOOL makeVisible);

    CView* GetActiveView() const { return m_view.get(); }
    CDocument* GetActiveDocument() const { return m_view ? m_view->GetDocument() : nullptr; }

    // Control bars register themselves here when they are created.
    void AddControlBar(CControlBar& bar) { m_controlBars.push_back(&bar); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    KV_DECLARE_MESSAGE_MAP()

protected:
    int OnCreate(LPCREATESTRUCTA cs);
    void OnSize();

private:
    UINT m_nResourceId = 0;
    std::unique_ptr<CView> m_view;
    std::vector<CControlBar*> m_controlBars;
    CCreateContext* m_pCreating = nullptr;
};

}  // namespace framework
