// What the thread that owns the tray icon does next. The view only says what
// it wants (the active or the normal icon, the icon added, the icon removed);
// the thread compares that with what it last did and makes one call into the
// notification area at a time. Wishes that came and went while the thread
// was in a call are never made: only the latest counts.
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
};

enum class Step {
    kNone,    // everything wanted is done; wait for the next wish
    kAdd,     // add the icon, in the wanted state
    kModify,  // switch the icon to the wanted state
    kDelete,  // remove the icon
    kEnd,     // removed (or never there) and the program ends: the thread is done
};

Step NextStep(const Wish& wanted, const Shown& shown);

// What is shown after `step`, made for `wanted`, `succeeded` or not. A failed
// add leaves the icon as it was (absent at the start; present when the shell
// had it already); a failed switch is not tried again until the next wish.
Shown AfterStep(const Shown& shown, Step step, const Wish& wanted, bool succeeded);

}  // namespace tray
