#include "hookwell/user_menu_gate.h"

#include <gtest/gtest.h>

namespace {

TEST(UserMenuGate, OnlyACheckedBoxOpensTheMenu) {
    struct Case {
        int menuEnable;
        bool opens;
    };
    // 1 checked; 0 unchecked, or no value; other numbers the dialog never stores.
    const Case cases[] = {{1, true}, {0, false}, {2, false}, {-1, false}, {0x101, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(UserMenuRequestOpens(c.menuEnable), c.opens) << "MenuEnable " << c.menuEnable;
    }
}

}  // namespace
