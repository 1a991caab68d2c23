// Which control of the Keyboard Properties dialog shows which stored value,
// as a user sees the dialog; written out once for the unit and end-to-end tests.
#pragma once

struct EditOfValue {
    int controlId;
    const char* valueName;
};

inline constexpr EditOfValue kEditsOfValues[] = {
    {1001, "CompanyName"},   {1023, "PersonalName"},  {1046, "OtherText1"},    {1047, "OtherText2"},
    {1048, "OtherText3"},    {1050, "ShortCut1Name"}, {1051, "ShortCut1Path"}, {1053, "ShortCut2Name"},
    {1054, "ShortCut2Path"}, {1052, "ShortCut3Name"}, {1055, "ShortCut3Path"}, {1056, "ShortCut4Name"},
    {1057, "ShortCut4Path"}};

// The browse button beside each shortcut, and the values it fills.
struct BrowseOfShortcut {
    int buttonId;
    const char* pathValue;
    const char* nameValue;
};

inline constexpr BrowseOfShortcut kBrowsesOfShortcuts[] = {{1018, "ShortCut1Path", "ShortCut1Name"},
                                                           {1019, "ShortCut2Path", "ShortCut2Name"},
                                                           {1025, "ShortCut3Path", "ShortCut3Name"},
                                                           {1049, "ShortCut4Path", "ShortCut4Name"}};
