// The low-level keyboard hook of the hook thread. It sees every key of every
// keyboard before any program does, hands the multimedia keys to the key
// roads and lets every key go on to Windows but the volume keys the program
// takes. Its procedure runs on the thread that installed it, in that thread's
// message loop.
#pragma once

#include "hookwell/hook_watchdog.h"
#include "hookwell/key_roads.h"

#include <windows.h>

// The extra information of the keystrokes the program sends itself (its
// chords): the hook lets them go on at once, as the sender waits for it.
constexpr ULONG_PTR kOwnKeystrokeMark = 0x4B564E45;  // "KVNE"

// Whether the hook thread has its hook in place, from any thread: only then
// are the volume keys taken from Windows.
bool KeyboardHookInPlace();

class CKeyboardHook {
public:
    // Installs the hook on the calling thread; one per thread.
    explicit CKeyboardHook(CKeyRoads& roads);
    ~CKeyboardHook();
    CKeyboardHook(const CKeyboardHook&) = delete;
    CKeyboardHook& operator=(const CKeyboardHook&) = delete;

    // On the watchdog's tick: installs the hook afresh when Windows may have
    // dropped it, or when it could not be installed before.
    void Watch();
    // Takes the hook away before its thread stops reading messages: every
    // key typed meanwhile, ours too, would wait for the hook's answer.
    void Remove();
    // Installs the hook afresh, whether or not Windows dropped it (after
    // sleep or the lock screen); whether it is in place. The caller says so.
    bool Renew();

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);
    // The new hook is in place before the old one goes, so that no key
    // slips through between them. A line says so where `how` is given.
    bool Install(const char* how);

    CKeyRoads& m_roads;
    CHookWatchdog m_watchdog;
    HHOOK m_hHook = nullptr;
    bool m_bFailing = false;
};
