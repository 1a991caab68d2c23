#include "settings/file_title.h"
#include "settings/keyboard_prop_fields.h"
#include "tests/support/dialog_layout.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>

namespace {

struct TitleCase {
    const char* path;
    const char* title;
};

std::ostream& operator<<(std::ostream& out, const TitleCase& c) {
    return out << '"' << c.path << '"';
}

class FileTitleTest : public testing::TestWithParam<TitleCase> {};

TEST_P(FileTitleTest, IsTheFileNameWithoutItsExtension) {
    EXPECT_EQ(FileTitleFromPath(GetParam().path), GetParam().title) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FileTitleTest,
    testing::Values(TitleCase{R"(C:\Tools\Calc.exe)", "Calc"}, TitleCase{R"(C:\Tools\readme)", "readme"},
                    TitleCase{"Calc.exe", "Calc"}, TitleCase{"Calc", "Calc"},
                    // Only the last dot of the file name starts the extension.
                    TitleCase{R"(C:\Tools\setup.2001.EXE)", "setup.2001"}, TitleCase{R"(C:\v1.5\tool)", "tool"},
                    TitleCase{R"(C:\Program Files\My Tool\tool.exe)", "tool"},
                    TitleCase{R"(\\server\share\run.bat)", "run"}, TitleCase{"C:/Tools/Calc.exe", "Calc"},
                    TitleCase{"C:Calc.exe", "Calc"}, TitleCase{R"(C:\Tools\)", ""}, TitleCase{"", ""},
                    // Paths are UTF-8: no byte of a longer character is a separator or a dot.
                    TitleCase{"C:\\\u65e5\u672c\\\u03A9mega.\u0435xe", "\u03A9mega"}));

// Every field holds its own text, so a write to the wrong field shows.
KeyboardSettings DistinctSettings() {
    KeyboardSettings settings;
    for (const SettingText& text : kSettingTexts) {
        settings.*text.field = text.valueName;
    }
    return settings;
}

TEST(ShortcutBrowseButtons, EachFillsItsOwnShortcutAndNothingElse) {
    for (const BrowseOfShortcut& row : kBrowsesOfShortcuts) {
        const ShortcutBrowseButton* button = FindShortcutBrowseButton(row.buttonId);
        ASSERT_NE(button, nullptr) << row.buttonId;
        KeyboardSettings settings = DistinctSettings();
        settings.m_bMenuEnable = 1;
        FillShortcut(settings, *button, R"(C:\Tools\Calc.exe)");
        for (const SettingText& text : kSettingTexts) {
            const std::string name = text.valueName;
            const std::string expected = name == row.pathValue   ? R"(C:\Tools\Calc.exe)"
                                         : name == row.nameValue ? "Calc"
                                                                 : name;
            EXPECT_EQ(settings.*text.field, expected) << "button " << row.buttonId << ", " << name;
        }
        EXPECT_EQ(settings.m_bMenuEnable, 1);
    }
}

TEST(ShortcutBrowseButtons, OtherControlsAreNoBrowseButtons) {
    for (const int id : {0, 1, 2, 1001, 1023, 1050, 1058}) {
        EXPECT_EQ(FindShortcutBrowseButton(id), nullptr) << id;
    }
}

TEST(PropertyEdits, EachEditShowsTheFieldOfItsValueInDeclarationOrder) {
    std::map<int, std::string> valueOfEdit;
    for (const EditOfValue& edit : kEditsOfValues) {
        valueOfEdit[edit.controlId] = edit.valueName;
    }
    const KeyboardSettings settings = DistinctSettings();
    std::map<int, std::string> shown;
    const std::string* previous = nullptr;
    for (const PropertyEdit& edit : kPropertyEdits) {
        const std::string* field = &(settings.*edit.field);
        shown[edit.controlId] = *field;
        // The exchange goes through the fields as they are declared.
        EXPECT_TRUE(previous == nullptr || std::less<>()(previous, field)) << "edit " << edit.controlId;
        previous = field;
    }
    EXPECT_EQ(shown, valueOfEdit);
}

}  // namespace
