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

// The Keyboard Properties dialog: the five snippets, the four shortcuts with
// their browse buttons, names and paths, and the menu switch.
#define IDD_KEYBOARD_PROP 485
#define IDC_COMPANY_NAME 1001
#define IDC_PERSONAL_NAME 1023
#define IDC_OTHER_TEXT1 1046
#define IDC_OTHER_TEXT2 1047
#define IDC_OTHER_TEXT3 1048
#define IDC_BROWSE_SHORTCUT1 1018
#define IDC_BROWSE_SHORTCUT2 1019
#define IDC_BROWSE_SHORTCUT3 1025
#define IDC_BROWSE_SHORTCUT4 1049
#define IDC_SHORTCUT1_NAME 1050
#define IDC_SHORTCUT1_PATH 1051
#define IDC_SHORTCUT3_NAME 1052
#define IDC_SHORTCUT2_NAME 1053
#define IDC_SHORTCUT2_PATH 1054
#define IDC_SHORTCUT3_PATH 1055
#define IDC_SHORTCUT4_NAME 1056
#define IDC_SHORTCUT4_PATH 1057
#define IDC_MENU_ENABLE 1058

// The Setup dialog: the three program paths, each with its browse button.
#define IDD_SETUP 164
#define IDC_CALCULATOR_PATH 1041
#define IDC_MEDIA_PATH 1042
#define IDC_BROWSE_MEDIA 1043
#define IDC_EMAIL_PATH 1044
#define IDC_BROWSE_EMAIL 1018
#define IDC_BROWSE_CALCULATOR 1025

// The Keys window: the list of keys, and the action of the selected key.
#define IDD_KEYS 187
#define IDC_KEYS_LIST 1060
#define IDC_KEY_BUILT_IN 1061
#define IDC_KEY_NOTHING 1062
#define IDC_KEY_RUN 1063
#define IDC_KEY_KEYS 1064
#define IDC_KEY_TEXT 1065
#define IDC_KEY_FIELD 1066
#define IDC_KEY_BROWSE 1067
#define IDC_KEY_RECORD 1068
#define IDC_PICTURE_MONITOR 1069
#define IDC_ABOUT_PICTURE 1070
#define IDC_VOLUME_KEYS 1071

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
#define ID_TRAY_KEYS 32796

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
