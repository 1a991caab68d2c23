// Registry values of the wrong type or far too long, wherever the program
// reads: the settings key, the system values it reads at start-up and on a
// key (the browser's start page, the program-files folder, Word's install
// root, the personal shell folders) and the keyboard's device instances. The
// program starts on them and runs the keys, user-menu commands and dialogs
// that read them without crashing or hanging, and writes nothing: the
// settings key holds what it held, and no file appears in its current folder.
#include "settings/keyboard_settings.h"
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/driver_scene.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/hook_fixture.h"
#include "tests/e2e/registry_fixture.h"
#include "tests/e2e/robustness_support.h"
#include "tests/e2e/test_window.h"

#include <algorithm>
#include <map>
#include <memory>
#include <random>

namespace {

constexpr UINT kSetup = 32771;
constexpr UINT kConfig = 32790;
// The user-menu commands: five snippets, three shell folders, four shortcuts.
constexpr UINT kUserMenuCommands[] = {32779, 32780, 32781, 32782, 32793, 32783, 32784,
                                      32785, 32786, 32787, 32788, 32789};
// Keys that read the registry: the start page (the program opens it itself on
// Windows 98), Word, Excel and PowerPoint, the media player, the gadgets.
constexpr unsigned kRegistryKeys[] = {0x02, 0x32, 0x33, 0x35, 0x11, 0x5A};

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr char kStartPageKey[] = "Software\\Microsoft\\Internet Explorer\\main";
constexpr char kOfficeKey[] = "SOFTWARE\\Microsoft\\Office\\12.0";
constexpr char kKeyboardKey[] = "SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_04D9&PID_0022";

std::string Number32(DWORD value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string Number64(unsigned long long value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string Random(std::size_t size) {
    std::mt19937 generator(static_cast<unsigned>(size));
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

using Value = e2e::RawValue;

// What a text, a path or a number may be found holding instead of what it should.
const std::vector<Value> kBadValues = {
    {REG_DWORD, Number32(0x41)},
    {REG_QWORD, Number64(0x4142434445464748ull)},
    {REG_BINARY, "C:\\nowhere"},  // no NUL
    {REG_SZ, std::string(64 * 1024, 'A') + '\0'},
    {REG_MULTI_SZ, std::string("first\0second\0\0", 14)},
    {REG_BINARY, Random(1024 * 1024)},
    {REG_SZ, ""},  // not even a NUL
    {REG_EXPAND_SZ, std::string("%SystemRoot%\\nowhere") + '\0'},
    {REG_NONE, Random(300)},
    {REG_SZ, "1" + std::string(1, '\0')},
};

// The value for the `index`th place in round `round`: each place meets
// another bad value in each round.
const Value& BadValue(std::size_t index, std::size_t round) {
    return kBadValues[(index * 3 + round) % kBadValues.size()];
}

// System values changed for a case, put back when it ends.
class BadSystemValues {
public:
    explicit BadSystemValues(std::size_t round) {
        Put(HKEY_CURRENT_USER, kStartPageKey, "Start Page", BadValue(0, round));
        Put(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir", BadValue(1, round));
        Put(HKEY_CURRENT_USER, kShellFolders, "Personal", BadValue(2, round));
        Put(HKEY_CURRENT_USER, kShellFolders, "Favorites", BadValue(3, round));
        Put(HKEY_CURRENT_USER, kShellFolders, "My Pictures", BadValue(4, round));
        m_office.CreateSubkey("Word\\InstallRoot");
        e2e::WriteRawValue(HKEY_LOCAL_MACHINE, std::string(kOfficeKey) + "\\Word\\InstallRoot", "Path",
                           BadValue(5, round).type, BadValue(5, round).data);
    }

private:
    void Put(HKEY root, const char* path, const char* name, const Value& value) {
        m_saved.push_back(std::make_unique<e2e::ValueOverride>(root, path, name));
        e2e::WriteRawValue(root, path, name, value.type, value.data);
    }

    std::vector<std::unique_ptr<e2e::ValueOverride>> m_saved;
    e2e::ScratchKey m_office{HKEY_LOCAL_MACHINE, kOfficeKey};
};

// Every value of the settings key, by name.
std::map<std::string, Value> SettingsValues() {
    std::map<std::string, Value> values;
    for (const SettingText& text : kSettingTexts) {
        if (const auto value = e2e::ReadRawValue(HKEY_LOCAL_MACHINE, kSettingsKey, text.valueName)) {
            values[text.valueName] = *value;
        }
    }
    for (const char* name : {kMenuEnableValue, kEmailPathValue, kMediaPathValue, kCalculatorPathValue}) {
        if (const auto value = e2e::ReadRawValue(HKEY_LOCAL_MACHINE, kSettingsKey, name)) {
            values[name] = *value;
        }
    }
    return values;
}

bool FolderIsEmpty(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
    bool empty = true;
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(search, &found)) {
        const std::string name = found.cFileName;
        empty = empty && (name == "." || name == "..");
    }
    ::FindClose(search);
    return empty;
}

// Asks for the user menu with its hotkey, which reads "MenuEnable" afresh,
// and dismisses the menu if it opened over `window`.
void RequestUserMenu(const e2e::KeyvaneProcess& keyvane, e2e::TestEditWindow& window) {
    E2E_CHECK(window.Activate(), "the test window is in front");
    const size_t from = keyvane.Mark();
    e2e::TypeUserMenuHotKey();
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: user-menu request, menu switch ") >= 0,
              "the hotkey asked for the user menu");
    // Only a switch of exactly 1 opens it.
    const auto lines = keyvane.LinesSince(from);
    if (std::find(lines.begin(), lines.end(), "keyvane: user-menu request, menu switch 1") != lines.end()) {
        E2E_CHECK(keyvane.WaitForLine(from, "keyvane: user menu") >= 0, "the switch on, the menu opened");
        E2E_CHECK(e2e::WaitPumping([&] { return e2e::OpenMenu(keyvane) != nullptr; }, 3000), "the menu is open");
        e2e::Press(VK_ESCAPE);
        E2E_CHECK(e2e::WaitPumping([&] { return e2e::OpenMenu(keyvane) == nullptr; }, 3000), "the menu closed");
    }
}

// Opens a dialog by its command and cancels it.
void OpenAndCancel(const e2e::KeyvaneProcess& keyvane, UINT command, const char* what) {
    ::PostMessageA(keyvane.View(), WM_COMMAND, command, 0);
    const HWND dialog = e2e::WaitForDialog(keyvane, nullptr);
    E2E_CHECK(dialog != nullptr, std::string(what) + " opened");
    E2E_CHECK(e2e::ClosedByKey(dialog, VK_ESCAPE), std::string(what) + " closed with Escape");
}

}  // namespace

E2E_CASE(Robustness, BadSettingsAndSystemValuesAreReadWithoutHarm) {
    for (std::size_t round = 0; round < kBadValues.size(); round += 3) {
        const std::string where = " in round " + std::to_string(round);
        const e2e::ScratchKey settings(HKEY_LOCAL_MACHINE, kSettingsKey);
        std::size_t index = 0;
        for (const SettingText& text : kSettingTexts) {
            settings.Write(text.valueName, BadValue(index, round).type, BadValue(index, round).data);
            ++index;
        }
        settings.Write(kMenuEnableValue, BadValue(index, round).type, BadValue(index, round).data);
        const BadSystemValues system(round);
        const auto before = SettingsValues();
        const e2e::ScratchFolder current("keyvane-robust-current");
        e2e::LeftoverSweep sweep;
        e2e::TestEditWindow window;
        std::unique_ptr<e2e::DispatchSession> started;
        {
            const e2e::CurrentDirectory inFolder(current.Path());
            started = std::make_unique<e2e::DispatchSession>("win98");
        }
        const e2e::DispatchSession& keyvane = *started;
        sweep.Keep(keyvane.Pid());
        const e2e::DialogsClosedAtEnd dialogsClosed(keyvane);
        for (unsigned code : kRegistryKeys) {
            E2E_CHECK(window.Activate(), "the test window is in front");
            keyvane.LinesOfPress(code);
        }
        RequestUserMenu(keyvane, window);
        for (UINT command : kUserMenuCommands) {
            keyvane.SendToView(WM_COMMAND, command, 0);
            E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers after user-menu command " + std::to_string(command) + where);
        }
        OpenAndCancel(keyvane, kConfig, "Keyboard Properties");
        OpenAndCancel(keyvane, kSetup, "the Setup dialog");
        E2E_CHECK(keyvane.Sync() >= 0 && keyvane.IsRunning(), "keyvane is running and answers" + where);
        E2E_CHECK(SettingsValues() == before, "the settings key holds what it held" + where);
        started.reset();
        sweep.Sweep();
        E2E_CHECK(FolderIsEmpty(current.Path()), "nothing was made in keyvane's current folder" + where);
    }
}

E2E_CASE(Robustness, BadDeviceInstanceValuesLeaveThePollThreadRunning) {
    e2e::DriverScene scene;
    // Instances whose "ConfigFlags" is no 4-byte number are not configured:
    // the check leaves them alone whatever their filters say.
    std::vector<std::string> instances;
    for (std::size_t index = 0; index < kBadValues.size(); ++index) {
        const Value& flags = kBadValues[index];
        const bool isDword = flags.type == REG_DWORD && flags.data.size() == sizeof(DWORD);
        const std::string instance = scene.AddInstance(std::nullopt, isDword ? std::optional<Value>() : flags);
        const Value& filters = kBadValues[(index + 1) % kBadValues.size()];
        e2e::WriteRawValue(HKEY_LOCAL_MACHINE, std::string(kKeyboardKey) + "\\" + instance, "LowerFilters", filters.type,
                           filters.data);
        instances.push_back(instance);
    }
    const auto valuesOf = [](const std::string& instance) {
        const std::string path = std::string(kKeyboardKey) + "\\" + instance;
        return std::make_pair(e2e::ReadRawValue(HKEY_LOCAL_MACHINE, path, "LowerFilters"),
                              e2e::ReadRawValue(HKEY_LOCAL_MACHINE, path, "ConfigFlags"));
    };
    std::map<std::string, decltype(valuesOf(""))> before;
    for (const std::string& instance : instances) {
        before[instance] = valuesOf(instance);
    }
    E2E_CHECK(scene.WaitPasses(3), "the poll thread goes on with its passes");
    E2E_CHECK(scene.Keyvane().Sync() >= 0, "keyvane answers");
    E2E_CHECK(scene.InstallerEvents().empty(), "no installer was started for an instance that is not configured");
    for (const std::string& instance : instances) {
        E2E_CHECK(valuesOf(instance) == before[instance], "the values of instance " + instance + " are as they were");
    }
}
