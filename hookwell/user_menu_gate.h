// The user menu on request: the keyboard's menu key (report code 0, whose
// key command does nothing) and the hotkey ask for it, and the view's timer
// 4 opens it. The check box "Enable Office Keyboard Menu" switches this.
#pragma once

// The report code of the keyboard's menu key.
constexpr int kMenuKeyReport = 0;

// Whether a request opens the menu, by "MenuEnable" as the settings key holds
// it now: only a checked box (1) does; a missing value reads as 0.
bool UserMenuRequestOpens(int menuEnable);
