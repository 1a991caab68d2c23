// The popups' window texts, which a screen reader reads out.
#include "dispatch/key_names.h"
#include "osd/picture_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

TEST(PictureText, EveryPictureTheProgramPlaysSaysItsOwnAction) {
    // The keys' pictures, and UnMute, which the mute key shows for the sound switched back on.
    std::vector<std::string> pictures = {"UnMute"};
    for (const KeyName& key : KeyNames) {
        if (key.picture != nullptr) {
            pictures.emplace_back(key.picture);
        }
    }
    std::set<std::string> texts;
    for (const std::string& picture : pictures) {
        const std::string text = KeyPictureText(picture);
        EXPECT_FALSE(text.empty()) << picture;
        EXPECT_TRUE(texts.insert(text).second) << picture << " says what another picture says: " << text;
    }
    EXPECT_EQ(texts.size(), 25u);
}

TEST(PictureText, NamesAreFoundWithoutRegardToCase) {
    const struct {
        const char* name;
        const char* text;
    } cases[] = {
        {"VOLINC", "Volume up"},  {"volinc", "Volume up"}, {"VOLDEC", "Volume down"}, {"Mute", "Mute"},
        {"UNMUTE", "Sound on"},   {"WebBack", "Back"},     {"Calculator", "Calculator"},
        {"Volume", ""},  // the level strip says its level instead
        {"", ""},        {"WebBackX", ""},
    };
    for (const auto& [name, text] : cases) {
        EXPECT_EQ(KeyPictureText(name), text) << name;
    }
}

TEST(PictureText, VolumeIsAWholeRoundedPercentage) {
    const struct {
        std::uint32_t volume;
        const char* text;
    } cases[] = {
        {0, "Volume 0 %"},     {327, "Volume 0 %"},      {328, "Volume 1 %"},      {32767, "Volume 50 %"},
        {41943, "Volume 64 %"}, {65535, "Volume 100 %"}, {65536, "Volume 100 %"}, {0xFFFFFFFF, "Volume 100 %"},
    };
    for (const auto& [volume, text] : cases) {
        EXPECT_EQ(VolumeText(volume), text) << volume;
    }
}

}  // namespace
