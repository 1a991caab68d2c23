// The Keyboard Properties and Setup dialogs, driven from outside as a user
// would: what they show, what OK and Cancel store, and the browse buttons.
#include "app/os_kind.h"
#include "settings/keyboard_settings.h"
#include "settings/settings_store.h"
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/registry_fixture.h"
#include "tests/e2e/test_window.h"
#include "tests/support/dialog_layout.h"

#include <dlgs.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

using e2e::KeyvaneProcess;

namespace {

constexpr UINT kConfig = 32790;
constexpr UINT kConfigAgain = 32794;
constexpr UINT kSetup = 32771;
constexpr char kPropertiesTitle[] = "Keyboard Properties";
constexpr char kSetupTitle[] = "Setup";
constexpr int kMenuEnableCheck = 1058;
constexpr char kConfirmedLine[] = "keyvane: keyboard properties confirmed, menu switch ";
// The label of the open-file dialog's one filter, "executable files".
constexpr wchar_t kFilterLabel[] = L"\u8FD0\u884C\u6587\u4EF6(*.EXE)";

// Name to text (UTF-8): the set by value name, the Setup dialog's paths by row.
using Texts = std::map<std::string, std::string>;

// Texts no code page holds together.
constexpr char kAnyLanguage[] = "Gr\u00fc\u00dfe \u2713 \u65e5\u672c ";

KeyvaneProcess& Running() {
    return e2e::SharedKeyvane("winxp");
}

std::string Sz(const std::string& text) {
    return std::string(text.c_str(), text.size() + 1);
}

std::string Dword(DWORD value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string Describe(const Texts& texts) {
    std::string description;
    for (const auto& [name, text] : texts) {
        description += "\n    " + name + " = \"" + text + "\"";
    }
    return description;
}

// Every text of the set, each its own, with the menu switch as its 4 bytes.
Texts SetOf(const std::string& prefix, DWORD menuEnable) {
    Texts set;
    for (const EditOfValue& edit : kEditsOfValues) {
        set[edit.valueName] = prefix + edit.valueName;
    }
    set[kMenuEnableValue] = Dword(menuEnable);
    return set;
}

// The settings key as the product's setup leaves it, holding a set; removed
// when the case ends. Texts go in and out with the wide functions.
class SettingsKey : public e2e::ScratchKey {
public:
    explicit SettingsKey(const Texts& set) : ScratchKey(HKEY_LOCAL_MACHINE, kSettingsKey) {
        Write("InfPATH", REG_SZ, Sz("C:\\Keyvane"));
        for (const auto& [name, text] : set) {
            if (name == kMenuEnableValue) {
                Write(name.c_str(), REG_DWORD, text);
            } else {
                e2e::WriteText(Root(), Path(), name.c_str(), text);
            }
        }
    }

    // The set as stored, in the form SetOf gives it.
    Texts Set() const {
        const std::string missing = "<missing, or of another type>";
        Texts set;
        for (const auto& entry : SetOf("", 0)) {
            const std::string& name = entry.first;
            if (name == kMenuEnableValue) {
                const std::optional<e2e::RawValue> value = Read(name.c_str());
                set[name] = value && value->type == REG_DWORD ? value->data : missing;
            } else {
                set[name] = e2e::ReadText(Root(), Path(), name.c_str()).value_or(missing);
            }
        }
        return set;
    }
};

// What the dialog shows: the texts by value name, and the switch.
Texts Shown(HWND dialog) {
    Texts shown;
    for (const EditOfValue& edit : kEditsOfValues) {
        shown[edit.valueName] = e2e::ItemText(dialog, edit.controlId);
    }
    shown[kMenuEnableValue] = Dword(::IsDlgButtonChecked(dialog, kMenuEnableCheck) == BST_CHECKED ? 1 : 0);
    return shown;
}

void Type(HWND dialog, const Texts& set) {
    for (const EditOfValue& edit : kEditsOfValues) {
        e2e::SetItemText(dialog, edit.controlId, set.at(edit.valueName));
    }
    const bool checked = set.at(kMenuEnableValue) == Dword(1);
    ::SendMessageA(::GetDlgItem(dialog, kMenuEnableCheck), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// The controls that Tab visits, from OK on.
std::vector<int> TabOrder(HWND dialog) {
    std::vector<int> order;
    const HWND first = ::GetDlgItem(dialog, IDOK);
    HWND control = first;
    do {
        order.push_back(::GetDlgCtrlID(control));
        control = ::GetNextDlgTabItem(dialog, control, FALSE);
    } while (control != nullptr && control != first && order.size() < 50);
    return order;
}

HWND Open(const KeyvaneProcess& keyvane, UINT command, const char* title) {
    ::PostMessageA(keyvane.View(), WM_COMMAND, command, 0);
    const HWND dialog = e2e::WaitForDialog(keyvane, title);
    E2E_CHECK(dialog != nullptr, std::string(title) + " opened on command " + std::to_string(command));
    return dialog;
}

void Close(const KeyvaneProcess& keyvane, HWND dialog, int button) {
    e2e::ClickButton(dialog, button);
    E2E_CHECK(e2e::WaitClosed(dialog), "the dialog closed");
    // Wine's dialog loop lets an ended dialog go at the next message.
    E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
}

std::wstring FilterLabel(HWND picker) {
    const HWND filters = ::GetDlgItem(picker, cmb1);
    const LRESULT length = ::SendMessageW(filters, CB_GETLBTEXTLEN, 0, 0);
    if (length <= 0) {
        return L"";
    }
    std::wstring label(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(filters, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(label.data()));
    label.resize(static_cast<size_t>(length));
    return label;
}

// The edit inside the open-file dialog's file-name combo box.
HWND FileNameBox(HWND picker) {
    const HWND comboEx = ::GetDlgItem(picker, cmb13);
    const HWND combo = ::FindWindowExA(comboEx, nullptr, "ComboBox", nullptr);
    return ::FindWindowExA(combo, nullptr, "Edit", nullptr);
}

// Presses a browse button and checks the open-file dialog it shows; with a
// path, types it into the file-name box and presses Enter, otherwise cancels.
void Browse(const KeyvaneProcess& keyvane, HWND dialog, int button, const std::filesystem::path& program,
            const char* screenshot = nullptr) {
    e2e::ClickButton(dialog, button);
    const HWND picker = e2e::WaitForDialog(keyvane, nullptr, dialog);
    E2E_CHECK(picker != nullptr, "button " + std::to_string(button) + " opened a dialog owned by the settings dialog");
    E2E_CHECK(FilterLabel(picker) == kFilterLabel, "the filter is labelled as executable files");
    const HWND name = FileNameBox(picker);
    E2E_CHECK(name != nullptr, "the open-file dialog has its file-name box");
    E2E_CHECK(::IsWindowEnabled(dialog) == FALSE, "the settings dialog waits for it");
    if (screenshot != nullptr) {
        e2e::SaveScreenshot(picker, screenshot);
    }
    if (program.empty()) {
        e2e::ClickButton(picker, IDCANCEL);
    } else {
        ::SetWindowTextW(name, program.wstring().c_str());
        e2e::ClickButton(picker, IDOK);
    }
    E2E_CHECK(e2e::WaitClosed(picker), "the open-file dialog closed");
}

// Programs to pick, in a folder made for the case and removed after it.
class ProgramFolder {
public:
    ProgramFolder() : m_path(std::filesystem::temp_directory_path() / "keyvane-browse") {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    // False while a program holds the folder, as its current one for example.
    bool Removable() const {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
        return !error;
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Makes the file and returns its full path.
    std::filesystem::path Add(const std::filesystem::path& name) const {
        std::ofstream(m_path / name) << "MZ";
        return m_path / name;
    }

private:
    std::filesystem::path m_path;
};

}  // namespace

E2E_CASE(KeyboardProperties, BothCommandsShowTheStoredSetWithOkFocused) {
    KeyvaneProcess& keyvane = Running();
    const e2e::DialogsClosedAtEnd closer(keyvane);
    Texts stored = SetOf(std::string("stored ") + kAnyLanguage, 1);
    const SettingsKey key(stored);
    // Written by the ANSI functions, in the Western code page.
    E2E_CHECK_EQ(::GetACP(), 1252u, "the system's code page is the Western one");
    key.Write("OtherText2", REG_SZ, Sz("Caf\xe9 cr\xe8me"));
    stored["OtherText2"] = "Caf\u00e9 cr\u00e8me";
    for (const UINT command : {kConfig, kConfigAgain}) {
        const HWND dialog = Open(keyvane, command, kPropertiesTitle);
        E2E_CHECK(Shown(dialog) == stored, "the stored set, each text in its edit:" + Describe(Shown(dialog)));
        E2E_CHECK(e2e::FocusOf(dialog) == ::GetDlgItem(dialog, IDOK), "OK has the focus");
        E2E_CHECK(::GetWindow(dialog, GW_OWNER) == keyvane.Frame(), "the program's main window owns it");
        E2E_CHECK((TabOrder(dialog) == std::vector<int>{1, 2, 1001, 1023, 1046, 1047, 1048, 1018, 1019, 1025, 1049,
                                                        1050, 1051, 1052, 1053, 1054, 1055, 1056, 1057, 1058}),
                  "Tab goes from OK through Cancel, the snippets, the browse buttons, the shortcuts and the switch");
        if (command == kConfig) {
            e2e::SaveScreenshot(dialog, "keyboard_properties");
        }
        Close(keyvane, dialog, IDCANCEL);
    }
}

E2E_CASE(KeyboardProperties, OkStoresTheWholeSetAndTheNextOpeningShowsIt) {
    KeyvaneProcess& keyvane = Running();
    const e2e::DialogsClosedAtEnd closer(keyvane);
    Texts expected = SetOf("stored ", 0);
    const SettingsKey key(expected);
    for (const DWORD menuEnable : {1, 0}) {
        const HWND dialog = Open(keyvane, kConfig, kPropertiesTitle);
        E2E_CHECK(Shown(dialog) == expected, "what was stored last:" + Describe(Shown(dialog)));
        Texts typed = SetOf("typed " + std::to_string(menuEnable) + " " + kAnyLanguage, menuEnable);
        typed["OtherText2"].clear();  // an empty field stores an empty text
        Type(dialog, typed);
        const size_t from = keyvane.Mark();
        e2e::ClickButton(dialog, IDOK);
        E2E_CHECK(keyvane.WaitForLine(from, kConfirmedLine + std::to_string(menuEnable)) >= 0,
                  "the application's menu switch follows the check box");
        E2E_CHECK(e2e::WaitClosed(dialog), "OK closed the dialog");
        E2E_CHECK(key.Set() == typed, "the typed set is stored:" + Describe(key.Set()));
        E2E_CHECK(key.Read("InfPATH").has_value(), "the setup's own value stays");
        expected = typed;
    }
}

E2E_CASE(KeyboardProperties, CancelStoresNothing) {
    KeyvaneProcess& keyvane = Running();
    const e2e::DialogsClosedAtEnd closer(keyvane);
    const Texts stored = SetOf("stored ", 1);
    const SettingsKey key(stored);
    const HWND dialog = Open(keyvane, kConfig, kPropertiesTitle);
    Type(dialog, SetOf("typed ", 0));
    const size_t from = keyvane.Mark();
    Close(keyvane, dialog, IDCANCEL);
    E2E_CHECK(key.Set() == stored, "the key holds what it held:" + Describe(key.Set()));
    E2E_CHECK(keyvane.WaitForLine(from, "keyboard properties confirmed", 0) < 0, "nothing was confirmed");
    const HWND again = Open(keyvane, kConfig, kPropertiesTitle);
    E2E_CHECK(Shown(again) == stored, "the next opening shows the stored set:" + Describe(Shown(again)));
    Close(keyvane, again, IDCANCEL);
}

E2E_CASE(KeyboardProperties, WithoutTheSettingsKeyFieldsAreEmptyAndOkStoresNothing) {
    KeyvaneProcess& keyvane = Running();
    const e2e::DialogsClosedAtEnd closer(keyvane);
    E2E_CHECK(e2e::DeleteKeyTree(HKEY_LOCAL_MACHINE, kSettingsKey), "no settings key");
    const HWND dialog = Open(keyvane, kConfig, kPropertiesTitle);
    Texts empty = SetOf("", 0);
    for (auto& [name, text] : empty) {
        text = name == kMenuEnableValue ? Dword(0) : "";
    }
    E2E_CHECK(Shown(dialog) == empty, "every field empty, the switch clear:" + Describe(Shown(dialog)));
    Type(dialog, SetOf("typed ", 1));
    const size_t from = keyvane.Mark();
    e2e::ClickButton(dialog, IDOK);
    E2E_CHECK(keyvane.WaitForLine(from, kConfirmedLine) >= 0, "OK was taken");
    E2E_CHECK(e2e::WaitClosed(dialog), "OK closed the dialog");
    E2E_CHECK(!e2e::KeyExists(HKEY_LOCAL_MACHINE, kSettingsKey), "saving did not make the key");
}

E2E_CASE(KeyboardProperties, BrowsingFillsTheRowsPathAndNameAndDropsTyping) {
    KeyvaneProcess& keyvane = Running();
    const e2e::DialogsClosedAtEnd closer(keyvane);
    Texts expected = SetOf("stored ", 1);
    const SettingsKey key(expected);
    const ProgramFolder folder;
    const struct {
        const BrowseOfShortcut& row;
        std::filesystem::path program;  // empty: the user cancels
        const char* title;
    } picks[] = {{kBrowsesOfShortcuts[1], folder.Add("Calc.exe"), "Calc"},
                 {kBrowsesOfShortcuts[3], folder.Add("readme"), "readme"},
                 {kBrowsesOfShortcuts[0], {}, ""},
                 {kBrowsesOfShortcuts[2], folder.Add("setup.2001.EXE"), "setup.2001"},
                 {kBrowsesOfShortcuts[0], folder.Add("Tool.exe"), "Tool"}};
    const HWND dialog = Open(keyvane, kConfig, kPropertiesTitle);
    bool firstPick = true;
    for (const auto& pick : picks) {
        const std::string what = "button " + std::to_string(pick.row.buttonId) + " with \"" + pick.program.string() + "\"";
        e2e::SetItemText(dialog, 1001, "typed, not confirmed");
        Browse(keyvane, dialog, pick.row.buttonId, pick.program, firstPick ? "open_file" : nullptr);
        firstPick = false;
        if (pick.program.empty()) {
            Texts typed = expected;
            typed["CompanyName"] = "typed, not confirmed";
            E2E_CHECK(Shown(dialog) == typed, what + " leaves every control as it was:" + Describe(Shown(dialog)));
            continue;
        }
        expected[pick.row.pathValue] = pick.program.string();
        expected[pick.row.nameValue] = pick.title;
        E2E_CHECK(e2e::WaitPumping([&] { return Shown(dialog) == expected; }, 3000),
                  what + " fills its row and shows the rest as loaded:" + Describe(Shown(dialog)));
    }
    const size_t from = keyvane.Mark();
    e2e::ClickButton(dialog, IDOK);
    E2E_CHECK(keyvane.WaitForLine(from, kConfirmedLine) >= 0, "OK was taken");
    E2E_CHECK(key.Set() == expected, "the picked programs and the stored texts are saved:" + Describe(key.Set()));
    E2E_CHECK(folder.Removable(), "keyvane does not hold on to the folder it browsed");
}

namespace {

// The Setup dialog's paths by edit, in the order of its rows.
constexpr int kEmailEdit = 1044;
constexpr int kCalculatorEdit = 1041;
constexpr int kMediaEdit = 1042;

Texts Paths(const std::string& email, const std::string& calculator, const std::string& media) {
    return {{"email", email}, {"calculator", calculator}, {"media", media}};
}

Texts ShownPaths(HWND dialog) {
    return Paths(e2e::ItemText(dialog, kEmailEdit), e2e::ItemText(dialog, kCalculatorEdit),
                 e2e::ItemText(dialog, kMediaEdit));
}

}  // namespace

E2E_CASE(Setup, ShowsTheApplicationsPathsAndOkHandsThemOverAndStoresThem) {
    // A keyvane of its own: the paths it is handed hold until it ends. Windows
    // 2000 leaves the calculator key to the program.
    const e2e::DispatchSession keyvane("win2k");
    const e2e::DialogsClosedAtEnd closer(keyvane);
    const SettingsKey key(SetOf("stored ", 1));
    const ProgramFolder folder;
    const std::string calculatorPath = (folder.Path() / "calc.exe").string();
    const e2e::PlantedProgram calculator(calculatorPath);
    const DefaultPaths defaults = WorkOutDefaultPaths(kOsWin2000);
    HWND dialog = Open(keyvane, kSetup, kSetupTitle);
    const Texts worked = Paths(defaults.emailPath, defaults.calculatorPath, defaults.mediaPath);
    E2E_CHECK(ShownPaths(dialog) == worked, "the paths worked out at start-up:" + Describe(ShownPaths(dialog)));
    E2E_CHECK(e2e::FocusOf(dialog) == ::GetDlgItem(dialog, IDOK), "Ok has the focus");
    E2E_CHECK((TabOrder(dialog) == std::vector<int>{1, 2, 1044, 1018, 1041, 1025, 1042, 1043}),
              "Tab goes from Ok through Cancel and each row's path and browse button");
    E2E_CHECK(::GetWindow(dialog, GW_OWNER) == keyvane.Frame(), "the program's main window owns it");
    e2e::SaveScreenshot(dialog, "setup");
    const Texts typed = Paths("C:\\Mail\\mail.exe", calculatorPath, "C:\\Player\\play.exe");
    e2e::SetItemText(dialog, kEmailEdit, typed.at("email"));
    e2e::SetItemText(dialog, kCalculatorEdit, typed.at("calculator"));
    e2e::SetItemText(dialog, kMediaEdit, typed.at("media"));
    Close(keyvane, dialog, IDOK);
    const Texts stored = Paths(key.Read(kEmailPathValue).value_or(e2e::RawValue{}).data,
                               key.Read(kCalculatorPathValue).value_or(e2e::RawValue{}).data,
                               key.Read(kMediaPathValue).value_or(e2e::RawValue{}).data);
    E2E_CHECK(stored == Paths(Sz(typed.at("email")), Sz(typed.at("calculator")), Sz(typed.at("media"))),
              "the paths are stored:" + Describe(stored));
    const size_t from = keyvane.Mark();
    keyvane.Press(0x0E);
    E2E_CHECK(calculator.WaitStarted(from).has_value(), "the calculator key starts the new calculator path at once");

    dialog = Open(keyvane, kSetup, kSetupTitle);
    E2E_CHECK(ShownPaths(dialog) == typed, "the application holds the new paths:" + Describe(ShownPaths(dialog)));
    e2e::SetItemText(dialog, kCalculatorEdit, "C:\\Cancelled\\calc.exe");
    Close(keyvane, dialog, IDCANCEL);
    dialog = Open(keyvane, kSetup, kSetupTitle);
    E2E_CHECK(ShownPaths(dialog) == typed, "Cancel hands nothing over:" + Describe(ShownPaths(dialog)));
    Close(keyvane, dialog, IDCANCEL);
}

E2E_CASE(Setup, EachBrowseButtonFillsItsRowAndDropsTyping) {
    KeyvaneProcess& keyvane = Running();
    const e2e::DialogsClosedAtEnd closer(keyvane);
    const ProgramFolder folder;
    const HWND dialog = Open(keyvane, kSetup, kSetupTitle);
    Texts expected = ShownPaths(dialog);
    const struct {
        int button;
        const char* row;
        int typedInto;
        std::filesystem::path program;
    } picks[] = {{1018, "email", kMediaEdit, folder.Add("mail.exe")},
                 {1025, "calculator", kEmailEdit, folder.Add("calc.exe")},
                 {1043, "media", kCalculatorEdit, folder.Add("player.exe")}};
    for (const auto& pick : picks) {
        e2e::SetItemText(dialog, pick.typedInto, "typed, not confirmed");
        Browse(keyvane, dialog, pick.button, pick.program);
        expected[pick.row] = pick.program.string();
        E2E_CHECK(e2e::WaitPumping([&] { return ShownPaths(dialog) == expected; }, 3000),
                  "button " + std::to_string(pick.button) + " fills its row and shows the rest as they were:" +
                      Describe(ShownPaths(dialog)));
    }
    Close(keyvane, dialog, IDCANCEL);
}

E2E_CASE(SettingsDialogs, EditsTake199CharactersOfAnyLanguageAndRefuseA200th) {
    KeyvaneProcess& keyvane = Running();
    const e2e::DialogsClosedAtEnd closer(keyvane);
    const SettingsKey key(SetOf("stored ", 1));
    std::vector<int> propertyEdits;
    for (const EditOfValue& edit : kEditsOfValues) {
        propertyEdits.push_back(edit.controlId);
    }
    const struct {
        UINT command;
        const char* title;
        std::vector<int> edits;
        int close;
    } dialogs[] = {{kConfig, kPropertiesTitle, propertyEdits, IDOK},
                   {kSetup, kSetupTitle, {kEmailEdit, kCalculatorEdit, kMediaEdit}, IDCANCEL}};
    // Two bytes each in UTF-8: a limit counted in bytes would refuse the 100th.
    std::string filled;
    for (int i = 0; i < 198; ++i) {
        filled += "\u00fc";
    }
    const std::string whole = filled + "\u2713";
    for (const auto& d : dialogs) {
        const HWND dialog = Open(keyvane, d.command, d.title);
        for (const int id : d.edits) {
            const HWND edit = ::GetDlgItem(dialog, id);
            // Windows keeps an edit made as an ANSI window's text in the code page.
            E2E_CHECK(::IsWindowUnicode(edit), std::string(d.title) + ", edit " + std::to_string(id) + " is a Unicode window");
            e2e::SetItemText(dialog, id, filled);
            ::SendMessageW(edit, EM_SETSEL, 198, 198);
            // As a keyboard of another language types them.
            ::SendMessageW(edit, WM_CHAR, 0x2713, 0);
            ::SendMessageW(edit, WM_CHAR, 0x65E5, 0);
            E2E_CHECK(e2e::ItemText(dialog, id) == whole, std::string(d.title) + ", edit " + std::to_string(id) +
                                                                 " takes 199 characters, got " + e2e::ItemText(dialog, id));
        }
        Close(keyvane, dialog, d.close);
    }
    const Texts stored = key.Set();
    for (const EditOfValue& edit : kEditsOfValues) {
        E2E_CHECK(stored.at(edit.valueName) == whole, std::string(edit.valueName) + " is stored whole");
    }
}

E2E_CASE(KeyboardProperties, ProgramsTooLongToReadBackAreKeptByTheirShortPaths) {
    KeyvaneProcess& keyvane = Running();
    const e2e::DialogsClosedAtEnd closer(keyvane);
    const SettingsKey key(SetOf("stored ", 1));
    const ProgramFolder folder;
    E2E_CHECK(::GetACP() != CP_UTF8, "the system's code page is not UTF-8");
    const std::wstring longName(50, L'x');
    std::filesystem::create_directories(folder.Path() / longName / longName / longName);
    const struct {
        const char* what;
        std::filesystem::path program;
        bool whole;  // false: by its short path
    } picks[] = {// Omega has no place in a Western code page.
                 {"a name outside the code page", folder.Add(L"\u03A9mega.exe"), true},
                 {"a path of more than 199 characters",
                  folder.Add(std::filesystem::path(longName) / longName / longName / (longName + L".exe")), false}};
    const HWND dialog = Open(keyvane, kConfig, kPropertiesTitle);
    for (const auto& pick : picks) {
        const std::string what = pick.what;
        Browse(keyvane, dialog, kBrowsesOfShortcuts[0].buttonId, pick.program);
        std::string path;
        E2E_CHECK(e2e::WaitPumping([&] { return !(path = e2e::ItemText(dialog, 1051)).empty(); }, 3000),
                  what + " is taken");
        const std::filesystem::path shown = std::filesystem::u8path(path);
        E2E_CHECK(shown.wstring().size() <= 199 && (shown == pick.program) == pick.whole,
                  what + " is kept so that it reads back, " + (pick.whole ? "whole: " : "short: ") + path);
        E2E_CHECK(std::filesystem::equivalent(shown, pick.program), what + ": " + path + " names the picked program");
        E2E_CHECK(e2e::ItemText(dialog, 1050) == shown.stem().u8string(), what + ": its name is its file title");
        e2e::SetItemText(dialog, 1051, "");
    }
    Close(keyvane, dialog, IDCANCEL);
}
