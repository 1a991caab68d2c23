// Resource and command identifiers of keyvane.exe (shared by the code and keyvane.rc).
#pragma once

// The frame: menu, icon, title string, tool bar and its bitmap.
#define IDR_MAINFRAME 128
// Tray icons: normal and while a key is being handled.
#define IDI_TRAY_NORMAL 133
#define IDI_TRAY_ACTIVE 134

// The start-up picture.
#define IDB_STARTUP 130

// The view's form and its one edit control.
#define IDD_TAMBER_FORM 101
#define IDC_FORM_EDIT 1001

// Tray menu commands.
#define ID_TRAY_ABOUT 32773
#define ID_TRAY_QUIT 32774

// The framework's standard commands and indicators.
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_SAVE 0xE103
#define ID_FILE_PRINT 0xE107
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#define ID_APP_ABOUT 0xE140
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703
