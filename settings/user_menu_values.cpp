#include "settings/user_menu_values.h"

#include "res/resource.h"

namespace {

struct CommandValue {
    unsigned commandId;
    const char* valueName;
};

constexpr CommandValue kCommandValues[] = {
    {ID_TEXT_COMPANY, "CompanyName"},     {ID_TEXT_PERSONAL, "PersonalName"}, {ID_TEXT_OTHER1, "OtherText1"},
    {ID_TEXT_OTHER2, "OtherText2"},       {ID_TEXT_OTHER3, "OtherText3"},     {ID_FOLDER_DOCUMENTS, "Personal"},
    {ID_FOLDER_FAVORITES, "Favorites"},   {ID_FOLDER_PICTURES, "My Pictures"}, {ID_SHORTCUT1, "ShortCut1Path"},
    {ID_SHORTCUT2, "ShortCut2Path"},      {ID_SHORTCUT3, "ShortCut3Path"},   {ID_SHORTCUT4, "ShortCut4Path"},
};

}  // namespace

const char* UserMenuValueName(unsigned commandId) {
    for (const CommandValue& entry : kCommandValues) {
        if (entry.commandId == commandId) {
            return entry.valueName;
        }
    }
    return nullptr;
}
