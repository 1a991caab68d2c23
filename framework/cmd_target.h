// Base of everything that has a message table: windows, documents and the
// application object. Commands that a window does not handle travel on to the
// objects behind it (view, frame, document, application), as a menu command of
// the frame reaches the application's handler.
#pragma once

#include "framework/message_map.h"

namespace framework {

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    static const MessageMap& ThisMessageMap();
    virtual const MessageMap& GetMessageMap() const;

    // Runs this object's handler for command `id`; false when it has none.
    virtual bool OnCmdMsg(UINT id);

protected:
    // Runs the handler for (message, id) from this object's table chain.
    bool DispatchFromMap(UINT message, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result);
};

}  // namespace framework
