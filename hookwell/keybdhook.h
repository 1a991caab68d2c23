// The hook library's object: it lives with the view and delivers the keys of
// today's Windows (where no filter driver runs) to the view's window.
#pragma once

class CKeybdhook {
public:
    CKeybdhook() = default;
    CKeybdhook(const CKeybdhook&) = delete;
    CKeybdhook& operator=(const CKeybdhook&) = delete;
    virtual ~CKeybdhook() = default;
};
