// A view whose window is a child dialog made from a dialog template.
#pragma once

#include "framework/doc_view.h"

namespace framework {

class CFormView : public CView {
public:
    explicit CFormView(UINT templateId) : m_nTemplateId(templateId) {}

    BOOL CreateView(CFrameWnd& frame, UINT id, CDocument* document) override;

protected:
    // Sizes the frame so that its client area fits the form's template size;
    // with `shrinkOnly` a frame that is already smaller keeps its size.
    void ResizeParentToFit(bool shrinkOnly);

private:
    UINT m_nTemplateId;
    SIZE m_sizeTemplate{};
};

}  // namespace framework
