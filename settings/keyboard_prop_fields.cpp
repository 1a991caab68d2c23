#include "settings/keyboard_prop_fields.h"

#include "res/resource.h"
#include "settings/file_title.h"

const std::array<PropertyEdit, 13> kPropertyEdits = {{
    {IDC_COMPANY_NAME, &KeyboardSettings::m_strCompanyName},
    {IDC_PERSONAL_NAME, &KeyboardSettings::m_strPersonalName},
    {IDC_OTHER_TEXT1, &KeyboardSettings::m_strOtherText1},
    {IDC_OTHER_TEXT2, &KeyboardSettings::m_strOtherText2},
    {IDC_OTHER_TEXT3, &KeyboardSettings::m_strOtherText3},
    {IDC_SHORTCUT1_NAME, &KeyboardSettings::m_strShortCut1Name},
    {IDC_SHORTCUT2_NAME, &KeyboardSettings::m_strShortCut2Name},
    {IDC_SHORTCUT1_PATH, &KeyboardSettings::m_strShortCut1Path},
    {IDC_SHORTCUT2_PATH, &KeyboardSettings::m_strShortCut2Path},
    {IDC_SHORTCUT3_NAME, &KeyboardSettings::m_strShortCut3Name},
    {IDC_SHORTCUT3_PATH, &KeyboardSettings::m_strShortCut3Path},
    {IDC_SHORTCUT4_NAME, &KeyboardSettings::m_strShortCut4Name},
    {IDC_SHORTCUT4_PATH, &KeyboardSettings::m_strShortCut4Path},
}};

const std::array<ShortcutBrowseButton, 4> kShortcutBrowseButtons = {{
    {IDC_BROWSE_SHORTCUT1, &KeyboardSettings::m_strShortCut1Path, &KeyboardSettings::m_strShortCut1Name},
    {IDC_BROWSE_SHORTCUT2, &KeyboardSettings::m_strShortCut2Path, &KeyboardSettings::m_strShortCut2Name},
    {IDC_BROWSE_SHORTCUT3, &KeyboardSettings::m_strShortCut3Path, &KeyboardSettings::m_strShortCut3Name},
    {IDC_BROWSE_SHORTCUT4, &KeyboardSettings::m_strShortCut4Path, &KeyboardSettings::m_strShortCut4Name},
}};

const ShortcutBrowseButton* FindShortcutBrowseButton(int buttonId) {
    for (const ShortcutBrowseButton& button : kShortcutBrowseButtons) {
        if (button.buttonId == buttonId) {
            return &button;
        }
    }
    return nullptr;
}

void FillShortcut(KeyboardSettings& settings, const ShortcutBrowseButton& button, const std::string& program) {
    settings.*button.path = program;
    settings.*button.name = FileTitleFromPath(program);
}
