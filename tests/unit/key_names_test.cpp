#include "dispatch/key_commands.h"
#include "dispatch/key_names.h"
#include "tests/unit/dispatch_scenes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr int kOsVista = 8;

TEST(KeyNames, EveryCodeAKeySendsHasExactlyOneName) {
    // 0x48 (the middle button's release) is no key of the keyboard: no report
    // and no virtual key leads to it.
    for (int code = 0; code <= 0xFF; ++code) {
        const auto command = static_cast<std::uint8_t>(code);
        const KeyName* key = KeyNameForCode(command);
        EXPECT_EQ(key != nullptr, IsDefinedKeyCommand(command) && code != 0x48) << std::hex << code;
    }
    std::set<std::string> names;
    for (const KeyName& key : KeyNames) {
        EXPECT_TRUE(names.insert(key.name).second) << key.name;
        for (const std::uint8_t code : key.codes) {
            if (code != 0) {
                EXPECT_EQ(KeyNameForCode(code), &key) << key.name << " " << std::hex << int(code);
            }
        }
    }
}

TEST(KeyNames, BothCodesOfAMultimediaKeyShareTheName) {
    EXPECT_STREQ(KeyNameForCode(0x03)->name, "mail");
    EXPECT_STREQ(KeyNameForCode(0x22)->name, "mail");
    EXPECT_STREQ(KeyNameForCode(0x27)->name, "volume-up");
    EXPECT_STREQ(KeyNameForCode(0x2E)->name, "my-computer");
    EXPECT_STREQ(KeyNameForCode(0x17)->name, "scroll-up");
    EXPECT_STREQ(KeyNameForCode(0x56)->name, "next-window");
}

TEST(KeyNames, PictureIsTheOneTheBuiltInActionShows) {
    // On Windows Vista and later, on a desktop with every program open and the
    // speakers muted, every key that shows a picture shows its own. With no
    // playback device: with one, the volume keys show its level on the strip.
    for (const KeyName& key : KeyNames) {
        for (const std::uint8_t code : key.codes) {
            if (code == 0) {
                continue;
            }
            CFakeDesktop desktop;
            MakeBusyDesktop(desktop);
            desktop.mixerVolume.reset();
            std::string shown;
            for (const std::string& line : Dispatch(desktop, kOsVista, {code})) {
                if (line.rfind("picture ", 0) == 0 && shown.empty()) {
                    shown = line.substr(8);
                }
            }
            EXPECT_EQ(shown, key.picture == nullptr ? "" : key.picture) << key.name << " " << std::hex << int(code);
        }
    }
}

}  // namespace
