// The user's settings kept in the settings key: five text snippets for the
// user menu, four shortcuts (a label and a target each) and the state of the
// check box "Enable Office Keyboard Menu".
#pragma once

#include <array>
#include <string>

// Under HKEY_LOCAL_MACHINE. The product's setup makes it; the program never
// does, so saving without it stores nothing.
constexpr char kSettingsKey[] = "Software\\Corvale";

// In the order the Keyboard Properties dialog exchanges them with its controls.
struct KeyboardSettings {
    std::string m_strCompanyName;
    std::string m_strPersonalName;
    std::string m_strOtherText1;
    std::string m_strOtherText2;
    std::string m_strOtherText3;
    std::string m_strShortCut1Name;
    std::string m_strShortCut2Name;
    std::string m_strShortCut1Path;
    std::string m_strShortCut2Path;
    std::string m_strShortCut3Name;
    std::string m_strShortCut3Path;
    std::string m_strShortCut4Name;
    std::string m_strShortCut4Path;
    int m_bMenuEnable = 0;  // 1 checked, 0 clear
};

struct SettingText {
    const char* valueName;
    std::string KeyboardSettings::*field;
};

// The thirteen texts in the order they are loaded and saved; "MenuEnable"
// (a REG_DWORD) follows them.
extern const std::array<SettingText, 13> kSettingTexts;
constexpr char kMenuEnableValue[] = "MenuEnable";
// A REG_DWORD beside them, stored by the Keys window.
constexpr char kPictureMonitorValue[] = "PictureMonitor";

// Where the Setup dialog stores the program paths. Nothing reads them back:
// every start works the paths out afresh.
constexpr char kEmailPathValue[] = "EmailPATH";
constexpr char kMediaPathValue[] = "MediaPATH";
constexpr char kCalculatorPathValue[] = "CalculatorPATH";
