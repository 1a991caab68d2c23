#include "settings/keyboard_settings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(KeyboardSettings, TextsAreLoadedAndSavedInTheirStoredOrder) {
    std::vector<std::string> names;
    for (const SettingText& text : kSettingTexts) {
        names.emplace_back(text.valueName);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"CompanyName", "PersonalName", "OtherText1", "OtherText2", "OtherText3",
                                                "ShortCut1Name", "ShortCut1Path", "ShortCut2Name", "ShortCut2Path",
                                                "ShortCut3Name", "ShortCut3Path", "ShortCut4Name", "ShortCut4Path"}));
}

TEST(KeyboardSettings, EachValueHasItsOwnField) {
    KeyboardSettings settings;
    for (const SettingText& text : kSettingTexts) {
        settings.*text.field += text.valueName;
    }
    const std::pair<const std::string*, const char*> fields[] = {
        {&settings.m_strCompanyName, "CompanyName"},     {&settings.m_strPersonalName, "PersonalName"},
        {&settings.m_strOtherText1, "OtherText1"},       {&settings.m_strOtherText2, "OtherText2"},
        {&settings.m_strOtherText3, "OtherText3"},       {&settings.m_strShortCut1Name, "ShortCut1Name"},
        {&settings.m_strShortCut1Path, "ShortCut1Path"}, {&settings.m_strShortCut2Name, "ShortCut2Name"},
        {&settings.m_strShortCut2Path, "ShortCut2Path"}, {&settings.m_strShortCut3Name, "ShortCut3Name"},
        {&settings.m_strShortCut3Path, "ShortCut3Path"}, {&settings.m_strShortCut4Name, "ShortCut4Name"},
        {&settings.m_strShortCut4Path, "ShortCut4Path"}};
    for (const auto& [field, name] : fields) {
        EXPECT_EQ(*field, name);
    }
    EXPECT_EQ(settings.m_bMenuEnable, 0);
}

}  // namespace
