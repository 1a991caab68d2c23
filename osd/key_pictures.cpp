#include "app/tamber_view.h"
#include "framework/diagnostics.h"

// The popups themselves come with the picture windows; the requests are
// already reported on the diagnostics channel.
void CTamberView::ShowKeyPicture(const char* name, int frameHeight) {
    framework::Trace("picture %s %d", name, frameHeight);
}

void CTamberView::RequestVolumeDisplay(int level) {
    framework::Trace("volume level %d", level);
}
