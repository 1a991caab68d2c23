// Per-class message tables: each window, document or application class lists (message, command identifier,
// handler) rows and links to its base class's table, so a derived class handles
// what it names and inherits the rest.
//
// A row is made with OnMessage<&Class::Handler>(message) or
// OnCommand<&Class::Handler>(identifier). The handler's own signature says which
// message parameters it wants:
//   void/LRESULT H()                      any message, or a command
//   void/LRESULT H(UINT id)               WM_COMMAND (the identifier), WM_TIMER (the timer)
//   LRESULT H(WPARAM, LPARAM)             raw parameters (user messages)
//   int H(LPCREATESTRUCTA)                WM_CREATE
//   BOOL H(HDC)                           WM_ERASEBKGND
#pragma once

#include <windows.h>

#include <cstddef>
#include <type_traits>

namespace framework {

class CCmdTarget;

struct MessageEntry {
    UINT message;
    UINT id;  // WM_COMMAND: the command identifier; otherwise 0
    LRESULT (*call)(CCmdTarget* self, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    const MessageMap* base;
    const MessageEntry* entries;
    std::size_t count;

    // The first row that takes this message, searching this class, then its bases.
    const MessageEntry* Find(UINT message, UINT id) const;
};

template <std::size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* base, const MessageEntry (&entries)[N]) {
    return MessageMap{base, entries, N};
}

namespace detail {

template <class T>
struct MemberOf;
template <class C, class F>
struct MemberOf<F C::*> {
    using Class = C;
};

template <class R>
LRESULT AsResult(R value) {
    return static_cast<LRESULT>(value);
}

template <auto Handler>
LRESULT Call(CCmdTarget* self, WPARAM wParam, LPARAM lParam) {
    using Class = typename MemberOf<decltype(Handler)>::Class;
    Class* object = static_cast<Class*>(self);
    if constexpr (std::is_invocable_v<decltype(Handler), Class*, WPARAM, LPARAM>) {
        using R = std::invoke_result_t<decltype(Handler), Class*, WPARAM, LPARAM>;
        if constexpr (std::is_void_v<R>) {
            (object->*Handler)(wParam, lParam);
            return 0;
        } else {
            return AsResult((object->*Handler)(wParam, lParam));
        }
    } else if constexpr (std::is_invocable_v<decltype(Handler), Class*, LPCREATESTRUCTA>) {
        return AsResult((object->*Handler)(reinterpret_cast<LPCREATESTRUCTA>(lParam)));
    } else if constexpr (std::is_invocable_v<decltype(Handler), Class*, HDC>) {
        return AsResult((object->*Handler)(reinterpret_cast<HDC>(wParam)));
    } else if constexpr (std::is_invocable_v<decltype(Handler), Class*, UINT>) {
        using R = std::invoke_result_t<decltype(Handler), Class*, UINT>;
        // The dispatch passes WM_COMMAND's identifier alone; WM_TIMER's wParam is the timer.
        const UINT id = static_cast<UINT>(wParam);
        if constexpr (std::is_void_v<R>) {
            (object->*Handler)(id);
            return 0;
        } else {
            return AsResult((object->*Handler)(id));
        }
    } else {
        static_assert(std::is_invocable_v<decltype(Handler), Class*>, "unsupported handler signature");
        (void)wParam;
        (void)lParam;
        using R = std::invoke_result_t<decltype(Handler), Class*>;
        if constexpr (std::is_void_v<R>) {
            (object->*Handler)();
            return 0;
        } else {
            return AsResult((object->*Handler)());
        }
    }
}

}  // namespace detail

template <auto Handler>
constexpr MessageEntry OnMessage(UINT message) {
    return MessageEntry{message, 0, &detail::Call<Handler>};
}

template <auto Handler>
constexpr MessageEntry OnCommand(UINT id) {
    return MessageEntry{WM_COMMAND, id, &detail::Call<Handler>};
}

}  // namespace framework

// Declares a class's message table; the class's source defines ThisMessageMap().
#define KV_DECLARE_MESSAGE_MAP()                                  \
public:                                                           \
    static const ::framework::MessageMap& ThisMessageMap();       \
    const ::framework::MessageMap& GetMessageMap() const override \
    {                                                             \
        return ThisMessageMap();                                  \
    }
