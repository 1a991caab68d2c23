#include "settings/keyboard_settings.h"

const std::array<SettingText, 13> kSettingTexts = {{
    {"CompanyName", &KeyboardSettings::m_strCompanyName},
    {"PersonalName", &KeyboardSettings::m_strPersonalName},
    {"OtherText1", &KeyboardSettings::m_strOtherText1},
    {"OtherText2", &KeyboardSettings::m_strOtherText2},
    {"OtherText3", &KeyboardSettings::m_strOtherText3},
    {"ShortCut1Name", &KeyboardSettings::m_strShortCut1Name},
    {"ShortCut1Path", &KeyboardSettings::m_strShortCut1Path},
    {"ShortCut2Name", &KeyboardSettings::m_strShortCut2Name},
    {"ShortCut2Path", &KeyboardSettings::m_strShortCut2Path},
    {"ShortCut3Name", &KeyboardSettings::m_strShortCut3Name},
    {"ShortCut3Path", &KeyboardSettings::m_strShortCut3Path},
    {"ShortCut4Name", &KeyboardSettings::m_strShortCut4Name},
    {"ShortCut4Path", &KeyboardSettings::m_strShortCut4Path},
}};
