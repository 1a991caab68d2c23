#include "app/tamber_view.h"
#include "framework/diagnostics.h"

// Removing the driver package comes with the keyboard detection.
void CTamberView::OnUninstallDriver() {
    framework::Trace("uninstall driver requested");
}
