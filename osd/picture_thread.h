// The confirmation popup, on a thread of its own. A key asks for its picture
// by posting the request and goes on at once; the popup's frames are cut,
// placed and drawn on that thread, so a key that comes while a frame is being
// drawn (the first 20 ms after its key, the next ones every 300 ms) does not
// wait for it.
#pragma once

#include "osd/popup_place.h"

#include <windows.h>

#include <cstdint>

class CPictureThread {
public:
    // Starts the thread and waits until its popup can take requests. Without
    // the thread the program runs on, showing no pictures.
    void Start();
    // As CPictureWnd's (picture_wnd.h): the request is handled on the popup's thread.
    void PlayKeyPicture(const char* name, int frameHeight, PopupPoint offset);
    void ShowVolumeLevel(std::uint32_t volume, PopupPoint offset);
    // Ends the thread; a picture on screen goes with its window.
    void Stop();

private:
    unsigned m_threadId = 0;
};
