#include "app/tamber_view.h"
#include "framework/diagnostics.h"

// The Keyboard Properties and Setup dialogs come with the settings dialogs.
void CTamberView::OnConfig() {
    framework::Trace("config requested");
}

void CTamberView::OnSetup() {
    framework::Trace("setup requested");
}
