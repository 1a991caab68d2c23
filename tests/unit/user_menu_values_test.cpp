#include "settings/user_menu_values.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(UserMenuValues, EachCommandReadsItsValue) {
    const struct {
        unsigned id;
        const char* value;
    } expected[] = {{32779, "CompanyName"},   {32780, "PersonalName"},  {32781, "OtherText1"},
                    {32782, "OtherText2"},    {32793, "OtherText3"},    {32783, "Personal"},
                    {32784, "Favorites"},     {32785, "My Pictures"},   {32786, "ShortCut1Path"},
                    {32787, "ShortCut2Path"}, {32788, "ShortCut3Path"}, {32789, "ShortCut4Path"}};
    for (const auto& e : expected) {
        ASSERT_NE(UserMenuValueName(e.id), nullptr) << e.id;
        EXPECT_EQ(std::string(UserMenuValueName(e.id)), e.value) << e.id;
    }
}

TEST(UserMenuValues, OtherCommandsReadNothing) {
    for (unsigned id : {0u, 32790u, 32791u, 32792u, 32794u, 32795u, 57670u}) {
        EXPECT_EQ(UserMenuValueName(id), nullptr) << id;
    }
}

}  // namespace
