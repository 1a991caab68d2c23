// Resource and command identifiers of keyvane.exe (shared by the code and keyvane.rc).
#pragma once

// The frame: menu, icon, title string, tool bar and its bitmap.
#define IDR_MAINFRAME 128
// Tray icons: normal and while a key is being handled.
#define IDI_TRAY_NORMAL 133
#define IDI_TRAY_ACTIVE 134

// The start-up picture; the About box and its picture.
#define IDB_STARTUP 130
#define IDD_ABOUTBOX 100
#define IDB_ABOUT 183

// The view's form and its one edit control.
#define IDD_TAMBER_FORM 101
#define IDC_FORM_EDIT 1001

// The tray menu ("Right Popup") and the user menu ("MidPopup").
#define IDR_TRAY_MENU 135
#define IDR_USER_MENU 486

// The view's commands.
#define ID_SETUP 32771
#define ID_TRAY_ABOUT 32773
#define ID_TRAY_QUIT 32774
#define ID_TEXT_COMPANY 32779
#define ID_TEXT_PERSONAL 32780
#define ID_TEXT_OTHER1 32781
#define ID_TEXT_OTHER2 32782
#define ID_FOLDER_DOCUMENTS 32783
#define ID_FOLDER_FAVORITES 32784
#define ID_FOLDER_PICTURES 32785
#define ID_SHORTCUT1 32786
#define ID_SHORTCUT2 32787
#define ID_SHORTCUT3 32788
#define ID_SHORTCUT4 32789
#define ID_CONFIG 32790
#define ID_USER_MENU_EXIT 32791
#define ID_TEXT_OTHER3 32793
#define ID_CONFIG_AGAIN 32794
#define ID_UNINSTALL_DRIVER 32795

// The framework's standard commands and indicators.
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_SAVE 0xE103
#define ID_FILE_PRINT 0xE107
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#define ID_APP_ABOUT 0xE140
#define ID_HELP 0xE146
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703
