#include "app/tray_icon_plan.h"

namespace tray {

Step NextStep(const Wish& wanted, const Shown& shown, bool retryDue) {
    if (wanted.removal) {
        return shown.present ? Step::kDelete : Step::kEnd;
    }
    if (wanted.additions != shown.additions || (shown.missing && retryDue)) {
        return Step::kAdd;
    }
    if (shown.present && wanted.active != shown.active) {
        return Step::kModify;
    }
    return Step::kNone;
}

Shown AfterStep(const Shown& shown, Step step, const Wish& wanted, bool succeeded) {
    Shown after = shown;
    switch (step) {
        case Step::kAdd:
            after.additions = wanted.additions;
            after.present = succeeded;
            after.missing = !succeeded;
            after.active = wanted.active;
            break;
        case Step::kModify:
            after.active = wanted.active;
            break;
        case Step::kDelete:
            after.present = false;
            break;
        case Step::kNone:
        case Step::kEnd:
            break;
    }
    return after;
}

}  // namespace tray
