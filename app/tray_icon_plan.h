// What the thread that owns the tray icon does next. The view only says what
// it wants (the active or the normal icon, the icon added, the icon removed);
// the thread compares that with what it last did and makes one call into the
// notification area at a time. Wishes that came and went while the thread
// was in a call are never made: only the latest counts. An add the
// notification area refused (at logon it may not exist yet) is tried again
// every kAddRetryMs until the icon is there.
#pragma once

namespace tray {

struct Wish {
    bool active = false;
    // How often the icon was asked to be added: once at the start, and again
    // whenever the notification area has been made anew (the shell restarted).
    unsigned additions = 0;
    // The program ends: the icon goes, and nothing follows.
    bool removal = false;
};

// What the thread has done so far.
struct Shown {
    bool present = false;  // an add succeeded and no removal followed
    bool active = false;
    unsigned additions = 0;  // the wish's additions already made
    bool missing = false;    // the last add was refused: it is tried again
};

// How long a refused add waits before it is tried again; a new notification
// area ("TaskbarCreated") is tried at once.
constexpr unsigned kAddRetryMs = 1000;

enum class Step {
    kNone,    // everything wanted is done; wait for the next wish
    kAdd,     // add the icon, in the wanted state
    kModify,  // switch the icon to the wanted state
    kDelete,  // remove the icon
    kEnd,     // removed (or never there) and the program ends: the thread is done
};

// `retryDue`: kAddRetryMs have passed since the last add.
Step NextStep(const Wish& wanted, const Shown& shown, bool retryDue);

// What is shown after `step`, made for `wanted`, `succeeded` or not. An add
// succeeds when the notification area holds the icon afterwards, also when it
// held it already (the thread asks it), so that the icon is never added twice;
// a failed switch is not tried again until the next wish.
Shown AfterStep(const Shown& shown, Step step, const Wish& wanted, bool succeeded);

}  // namespace tray
