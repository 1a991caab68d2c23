#include "hookwell/user_menu_gate.h"

bool UserMenuRequestOpens(int menuEnable) {
    return menuEnable == 1;
}
