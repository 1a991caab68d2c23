// The settings store against the Wine prefix's registry and file system.
#include "app/os_kind.h"
#include "settings/settings_store.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/registry_fixture.h"

#include <filesystem>
#include <fstream>

using e2e::RawValue;
using e2e::ScratchKey;
using e2e::ValueOverride;

namespace {

std::string Sz(const std::string& text) {
    return std::string(text.c_str(), text.size() + 1);
}

// UTF-8; no code page holds all of it.
constexpr char kAnyLanguage[] = " Gr\u00fc\u00dfe \u2713 \u65e5\u672c";

std::string Repeated(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

// The text of a settings value as the wide functions read it.
std::optional<std::string> Stored(const char* name) {
    return e2e::ReadText(HKEY_LOCAL_MACHINE, kSettingsKey, name);
}

// Every text different, so a value read into the wrong field shows.
KeyboardSettings SampleSettings() {
    KeyboardSettings settings;
    for (const SettingText& text : kSettingTexts) {
        settings.*text.field = std::string("text of ") + text.valueName + kAnyLanguage;
    }
    settings.m_strOtherText3.clear();
    settings.m_bMenuEnable = 1;
    return settings;
}

bool SameSettings(const KeyboardSettings& a, const KeyboardSettings& b) {
    for (const SettingText& text : kSettingTexts) {
        if (a.*text.field != b.*text.field) {
            return false;
        }
    }
    return a.m_bMenuEnable == b.m_bMenuEnable;
}

// The settings key as the product's setup leaves it, removed when the case ends.
struct SetupSettingsKey : ScratchKey {
    SetupSettingsKey() : ScratchKey(HKEY_LOCAL_MACHINE, kSettingsKey) { Write("InfPATH", REG_SZ, Sz("C:\\Keyvane")); }
};

// A folder under the temporary folder that stands in for "Program Files".
class ScratchFolder {
public:
    // Named outside the code page: the program's paths are worked out in any language.
    ScratchFolder() : m_path(std::filesystem::temp_directory_path() / L"keyvane-\u03A9-program-files") {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path / "Windows Media Player");
    }
    ~ScratchFolder() {
        // A folder left behind is cleared by the next run.
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path() const { return m_path.u8string(); }
    std::filesystem::path Player() const { return m_path / "Windows Media Player" / "wmplayer.exe"; }

private:
    std::filesystem::path m_path;
};

}  // namespace

E2E_CASE(SettingsStore, WithoutTheKeyNothingIsReadAndNothingIsStored) {
    E2E_CHECK(e2e::DeleteKeyTree(HKEY_LOCAL_MACHINE, kSettingsKey), "no settings key");
    E2E_CHECK(!ReadKeyboardSettings(), "no set is loaded");
    E2E_CHECK_EQ(ReadMenuEnable(), 0, "the menu switch reads 0");
    E2E_CHECK(!ReadSetting("CompanyName"), "a user-menu command finds nothing");
    WriteKeyboardSettings(SampleSettings());
    WritePaths("a", "b", "c");
    E2E_CHECK(!e2e::KeyExists(HKEY_LOCAL_MACHINE, kSettingsKey), "saving did not make the key");
}

E2E_CASE(SettingsStore, SavedSetIsStoredAsTypedValuesAndReadsBack) {
    SetupSettingsKey key;
    const KeyboardSettings saved = SampleSettings();
    WriteKeyboardSettings(saved);
    for (const SettingText& text : kSettingTexts) {
        E2E_CHECK(Stored(text.valueName) == saved.*text.field, std::string(text.valueName) + " is a REG_SZ of the text");
    }
    const std::optional<RawValue> menuEnable = key.Read(kMenuEnableValue);
    E2E_CHECK(menuEnable && menuEnable->type == REG_DWORD && menuEnable->data == std::string("\1\0\0\0", 4),
              "MenuEnable is a 4-byte REG_DWORD");
    const std::optional<KeyboardSettings> loaded = ReadKeyboardSettings();
    E2E_CHECK(loaded && SameSettings(*loaded, saved), "the set reads back field by field");
    E2E_CHECK(ReadSetting("OtherText3") == std::string(), "an empty snippet is there, and empty");
    E2E_CHECK(key.Read("InfPATH") && key.Read("InfPATH")->data == Sz("C:\\Keyvane"), "the setup's value is kept");
}

E2E_CASE(SettingsStore, TextsUpTo199CharactersReadBackAndLongerOnesDoNot) {
    SetupSettingsKey key;
    KeyboardSettings saved;
    // Three bytes each in UTF-8, one character each to the registry.
    saved.m_strCompanyName = Repeated("\u2713", 199);
    saved.m_strPersonalName = Repeated("\u2713", 200);
    WriteKeyboardSettings(saved);
    E2E_CHECK(Stored("PersonalName") == saved.m_strPersonalName, "200 characters are saved");
    const std::optional<KeyboardSettings> loaded = ReadKeyboardSettings();
    E2E_CHECK(loaded && loaded->m_strCompanyName == saved.m_strCompanyName, "199 characters read back whole");
    E2E_CHECK(loaded && loaded->m_strPersonalName.empty(), "200 characters read back as missing");
    E2E_CHECK(ReadSetting("CompanyName") == saved.m_strCompanyName, "the menu command gets 199 characters");
    E2E_CHECK(ReadSetting("PersonalName") == std::string(), "the menu command gets an empty text for 200");
    key.Write("OtherText1", REG_MULTI_SZ, std::string("first\0second\0\0", 14));
    E2E_CHECK(ReadSetting("OtherText1") == std::string("first"), "a multi-string gives its first string");
    E2E_CHECK_EQ(::GetACP(), 1252u, "the system's code page is the Western one");
    key.Write("OtherText2", REG_SZ, Sz("Caf\xe9 cr\xe8me"));
    E2E_CHECK(ReadSetting("OtherText2") == std::string("Caf\u00e9 cr\u00e8me"),
              "a text the ANSI functions wrote reads as it was");
}

E2E_CASE(SettingsStore, MenuEnableReadsAsStored) {
    SetupSettingsKey key;
    const struct {
        const char* what;
        std::optional<std::string> stored;
        int expected;
    } cases[] = {{"missing", std::nullopt, 0}, {"checked", std::string("\1\0\0\0", 4), 1},
                 {"clear", std::string(4, '\0'), 0}};
    for (const auto& c : cases) {
        if (c.stored) {
            key.Write(kMenuEnableValue, REG_DWORD, *c.stored);
        } else {
            e2e::DeleteValue(key.Root(), key.Path(), kMenuEnableValue);
        }
        E2E_CHECK_EQ(ReadMenuEnable(), c.expected, c.what);
        const std::optional<KeyboardSettings> loaded = ReadKeyboardSettings();
        E2E_CHECK(loaded && loaded->m_bMenuEnable == c.expected, std::string(c.what) + ", with the set");
    }
}

E2E_CASE(SettingsStore, PathsAreStoredUnderTheirNames) {
    SetupSettingsKey key;
    WritePaths("C:\\Mail\\mail.exe", "C:\\\u65e5\u672c\\play.exe", "C:\\Tools\\calc.exe");
    const std::pair<const char*, const char*> stored[] = {{kEmailPathValue, "C:\\Mail\\mail.exe"},
                                                          {kMediaPathValue, "C:\\\u65e5\u672c\\play.exe"},
                                                          {kCalculatorPathValue, "C:\\Tools\\calc.exe"}};
    for (const auto& [name, path] : stored) {
        E2E_CHECK(Stored(name) == std::string(path), name);
    }
}

E2E_CASE(DefaultPaths, CalculatorIsInTheSystemFolderOnWindows2000AndXp) {
    for (int osKind = kOsOld9x; osKind <= kOsVista; ++osKind) {
        const bool inSystem = osKind == kOsWin2000 || osKind == kOsWinXp;
        const std::string expected = inSystem ? "C:\\windows\\system32\\CALC.EXE" : "C:\\windows\\CALC.EXE";
        const std::string calculator = WorkOutDefaultPaths(osKind).calculatorPath;
        E2E_CHECK(::lstrcmpiA(calculator.c_str(), expected.c_str()) == 0,
                  "os kind " + std::to_string(osKind) + " gives " + calculator);
    }
}

E2E_CASE(DefaultPaths, MediaPlayerIsTheNewerOneOnlyWhenItCanBeOpened) {
    ValueOverride programFiles(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
    const ScratchFolder folder;
    programFiles.Set(folder.Path());
    const std::string newer = folder.Path() + "\\Windows Media Player\\wmplayer.exe";
    const std::string older = folder.Path() + "\\Windows Media Player\\mplayer2.exe";

    E2E_CHECK(WorkOutDefaultPaths(kOsWinXp).mediaPath == older, "no wmplayer.exe: mplayer2.exe, unchecked");
    std::filesystem::create_directory(folder.Player());
    E2E_CHECK(WorkOutDefaultPaths(kOsWinXp).mediaPath == older, "a folder named wmplayer.exe does not open");
    std::filesystem::remove(folder.Player());
    std::ofstream(folder.Player()) << "MZ";
    const DefaultPaths paths = WorkOutDefaultPaths(kOsWinXp);
    E2E_CHECK(paths.mediaPath == newer, "wmplayer.exe opens: " + paths.mediaPath);
    E2E_CHECK(paths.emailPath == folder.Path() + "\\Outlook Express\\MSIMN.EXE", paths.emailPath);

    programFiles.Remove();
    const DefaultPaths tails = WorkOutDefaultPaths(kOsWinXp);
    E2E_CHECK(tails.emailPath == "\\Outlook Express\\MSIMN.EXE", "without ProgramFilesDir: " + tails.emailPath);
    E2E_CHECK(tails.mediaPath == "\\Windows Media Player\\mplayer2.exe", "without ProgramFilesDir: " + tails.mediaPath);
}

E2E_CASE(DefaultPaths, StartPageComesFromInternetExplorer) {
    ValueOverride startPage(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\main", "Start Page");
    startPage.Set("http://www.example.com/start");
    E2E_CHECK(WorkOutDefaultPaths(kOsWinXp).startPage == "http://www.example.com/start", "the start page is read");
    startPage.Remove();
    E2E_CHECK(WorkOutDefaultPaths(kOsWinXp).startPage.empty(), "without it the start page is empty");
}
