// The setup, run silently and interactively under Wine as administrators and
// users run it. Each suite runs in a fresh Wine prefix of its own, one per
// Windows release class (tests/e2e/setup/run.sh), its cases in order: each
// begins from what the case before left.
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/install_scene.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/setup/setup_scene.h"

#include <vector>

using namespace e2e;

namespace {

constexpr char kProgram[] = "C:\\Program Files\\Keyvane\\keyvane.exe";
constexpr char kQuotedProgram[] = "\"C:\\Program Files\\Keyvane\\keyvane.exe\"";
constexpr UINT kConfig = 32790;
constexpr int kCompanyName = 1001;
constexpr unsigned kStartMs = 20000;

struct Expected {
    const char* key;
    const char* name;
    RawValue value;
};

void CheckValues(const std::vector<Expected>& table) {
    for (const Expected& row : table) {
        const auto got = ReadRawValue(HKEY_LOCAL_MACHINE, row.key, row.name);
        E2E_CHECK(got && *got == row.value, std::string(row.key) + " \"" + row.name + "\" as the setup stores it" +
                                                (got ? ", holds \"" + got->data + "\"" : ", missing"));
    }
}

// Everything a silent install leaves, whatever the release.
void CheckInstalled() {
    for (const char* file : {"keyvane.exe", "install.dll", "uninstall.exe"}) {
        E2E_CHECK(FileExists(std::string(kProductFolder) + "\\" + file), std::string(file) + " installed");
    }
    for (const char* shortcut : {"Keyvane.lnk", "Uninstall Keyvane.lnk"}) {
        E2E_CHECK(FileExists(std::string(kShortcuts) + "\\" + shortcut), std::string(shortcut) + " in the Start menu");
    }
    const std::string uninstaller = std::string("\"") + kProductFolder + "\\uninstall.exe\"";
    CheckValues({
        {kSettingsKey, "InfPATH", {REG_SZ, Sz(kProductFolder)}},
        {kSettingsKey, "Mfg", {REG_SZ, Sz("Keyvane")}},
        {kSettingsKey, "idVendor", {REG_DWORD, Dword(0x04D9)}},
        {kSettingsKey, "idProduct", {REG_DWORD, Dword(0x0022)}},
        {kUninstallKey, "DisplayName", {REG_SZ, Sz("Keyvane")}},
        {kUninstallKey, "DisplayVersion", {REG_SZ, Sz("1.0.20010401")}},
        {kUninstallKey, "Publisher", {REG_SZ, Sz("Corvale")}},
        {kUninstallKey, "DisplayIcon", {REG_SZ, Sz(std::string(kProgram) + ",0")}},
        {kUninstallKey, "InstallLocation", {REG_SZ, Sz(kProductFolder)}},
        {kUninstallKey, "UninstallString", {REG_SZ, Sz(uninstaller)}},
        {kUninstallKey, "QuietUninstallString", {REG_SZ, Sz(uninstaller + " /S")}},
        {kUninstallKey, "NoModify", {REG_DWORD, Dword(1)}},
        {kUninstallKey, "NoRepair", {REG_DWORD, Dword(1)}},
    });
    const auto size = ReadRawValue(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize");
    E2E_CHECK(size && size->type == REG_DWORD && size->data != Dword(0), "the installed size in KB");
}

// The driver package's traces: the registration's log, the package folder.
void CheckDriverPackage(bool expected) {
    const std::string folder = kProductFolder;
    E2E_CHECK(FileExists(folder + "\\Driver\\DPInst.exe") == expected, "the package copied only with the driver");
    E2E_CHECK(FileExists(folder + "\\INSTALL.LOG") == expected, "Registry called only with the driver");
}

// One instance of the keyboard, as Windows XP and later list it.
void AddKeyboardInstance() {
    WriteRawValue(HKEY_LOCAL_MACHINE, std::string(kKeyboardKey) + "\\5&1a2b3c4d&0&1", "DeviceDesc", REG_SZ,
                  Sz("USB Input Device"));
}

void CheckNothingLeft() {
    const std::string left = ProductLeftovers();
    E2E_CHECK(left.empty(), "nothing of the product left, found:\n" + left);
}

bool KeyvaneRunsOnce() {
    return WaitFor([] { return ProcessesNamed("keyvane.exe").size() == 1 && FindKeyvaneView() != nullptr; },
                   kStartMs);
}

void StartInstalledKeyvane() {
    SetWindowsVersion("keyvane.exe", "winxp");
    const PROCESS_INFORMATION process = StartProgram(kQuotedProgram, kProductFolder);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    E2E_CHECK(KeyvaneRunsOnce(), "the installed program came up");
}

// Types a snippet into Keyboard Properties and confirms it, as a user would.
void SaveSnippetInProperties(const std::string& snippet) {
    ::PostMessageA(FindKeyvaneView(), WM_COMMAND, kConfig, 0);
    HWND dialog = nullptr;
    // Shown only once its fields are filled from the settings.
    E2E_CHECK(WaitFor([&] {
                  dialog = ::FindWindowA("#32770", "Keyboard Properties");
                  return dialog != nullptr && ::IsWindowVisible(dialog);
              },
                      5000),
              "Keyboard Properties opened");
    SetItemText(dialog, kCompanyName, snippet);
    ClickButton(dialog, IDOK);
    E2E_CHECK(WaitClosed(dialog), "Keyboard Properties closed");
    E2E_CHECK(WaitFor([&] { return ReadRawValue(HKEY_LOCAL_MACHINE, kSettingsKey, "CompanyName") ==
                                   RawValue{REG_SZ, Sz(snippet)}; },
                      5000),
              "the snippet was saved:" + Describe(KeyValues(HKEY_LOCAL_MACHINE, kSettingsKey)));
}

// Starts a program and waits for its top-level window with this title.
HWND StartShowing(const std::string& commandLine, const char* title) {
    const PROCESS_INFORMATION process = StartProgram(commandLine);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    HWND window = nullptr;
    E2E_CHECK(WaitFor([&] { return (window = ::FindWindowA("#32770", title)) != nullptr; }, kStartMs),
              std::string("the window \"") + title + "\"");
    return window;
}

// Waits for the page that shows `text`, and saves its picture when named.
void WaitForPage(HWND window, const char* text, const char* screenshot) {
    E2E_CHECK(WaitFor([&] { return FindText(window, text) != nullptr; }, kStartMs),
              std::string("the page that shows \"") + text + "\"");
    if (screenshot != nullptr) {
        SaveScreenshot(window, screenshot);
    }
}

}  // namespace

E2E_CASE(SetupXp, SilentInstallWithoutDriverStartsFromTheRunKey) {
    E2E_CHECK_EQ(RunSetup(Package::None, "/S", "winxp"), 0UL, "the setup succeeded");
    CheckInstalled();
    CheckValues({{kSettingsKey, "MenuEnable", {REG_DWORD, Dword(1)}},
                 {kRunKey, "Keyvane", {REG_SZ, Sz(kQuotedProgram)}}});
    CheckDriverPackage(false);
    E2E_CHECK(!FileExists(std::string(kProductFolder) + "\\Driver"), "no Driver folder without the package");
    E2E_CHECK(SchtasksRuns().empty(), "no scheduled task before Vista");
    E2E_CHECK(ProcessesNamed("keyvane.exe").empty(), "a silent install starts nothing");
}

E2E_CASE(SetupXp, UpgradeKeepsEverySettingAndRestartsTheProgram) {
    StartInstalledKeyvane();
    SaveSnippetInProperties("Corvale Keyboards Ltd.");
    WriteRawValue(HKEY_LOCAL_MACHINE, kSettingsKey, "MenuEnable", REG_DWORD, Dword(0));
    const auto before = KeyValues(HKEY_LOCAL_MACHINE, kSettingsKey);
    E2E_CHECK_EQ(RunSetup(Package::None, "/S", "winxp"), 0UL, "the upgrade succeeded");
    const auto after = KeyValues(HKEY_LOCAL_MACHINE, kSettingsKey);
    E2E_CHECK(after == before, "settings byte for byte as before:" + Describe(before) + "\nafter:" + Describe(after));
    E2E_CHECK(KeyvaneRunsOnce(), "the program ended for the upgrade runs again, once");
    CheckInstalled();
}

E2E_CASE(SetupXp, SilentUninstallKeepsTheSettingsOnly) {
    const auto settings = KeyValues(HKEY_LOCAL_MACHINE, kSettingsKey);
    E2E_CHECK_EQ(RunUninstaller("/S"), 0UL, "the uninstall succeeded");
    E2E_CHECK(ProcessesNamed("keyvane.exe").empty(), "the running program was ended");
    CheckNothingLeft();
    E2E_CHECK(KeyValues(HKEY_LOCAL_MACHINE, kSettingsKey) == settings, "the settings stay for a reinstall");
}

E2E_CASE(SetupXp, DriverPackageIsRegisteredOnceAndRemovedWithTheSettings) {
    AddKeyboardInstance();
    E2E_CHECK_EQ(RunSetup(Package::StandIn, "/S", "winxp"), 0UL, "the setup succeeded");
    CheckInstalled();
    CheckDriverPackage(true);
    const std::string log = ReadWholeFile(std::string(kProductFolder) + "\\INSTALL.LOG").value_or("");
    std::size_t blocks = 0;
    for (std::size_t at = log.find("RegDB Name: LowerFilters"); at != std::string::npos;
         at = log.find("RegDB Name: LowerFilters", at + 1)) {
        ++blocks;
    }
    E2E_CHECK_EQ(blocks, std::size_t{1}, "one registration for the one keyboard instance:\n" + log);
    E2E_CHECK_EQ(RunUninstaller("/S /RemoveSettings"), 0UL, "the uninstall succeeded");
    CheckNothingLeft();
    E2E_CHECK(!KeyExists(HKEY_LOCAL_MACHINE, kSettingsKey), "the settings removed on request");
}

E2E_CASE(SetupXp, FailedInstallLeavesNothingAndFails) {
    // Running as root, Wine writes any folder: a file held open without
    // sharing is what cannot be written here.
    const std::string folder = "C:\\Locked Folder";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const HANDLE held = ::CreateFileA((folder + "\\install.dll").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    E2E_CHECK(held != INVALID_HANDLE_VALUE, "install.dll held open");
    const DWORD exitCode = RunSetup(Package::None, "/S /D=" + folder, "winxp");
    ::CloseHandle(held);
    E2E_CHECK(exitCode != 0, "the setup reports its failure");
    for (const char* file : {"keyvane.exe", "uninstall.exe", "keyvane-setup.tmp"}) {
        E2E_CHECK(!FileExists(folder + "\\" + file), std::string(file) + " removed again");
    }
    CheckNothingLeft();
    E2E_CHECK(!KeyExists(HKEY_LOCAL_MACHINE, kSettingsKey), "the settings key as it was: missing");
}

E2E_CASE(SetupWin10, SilentInstallHandsOverALogonTask) {
    E2E_CHECK_EQ(RunSetup(Package::None, "/S", "win10"), 0UL, "the setup succeeded");
    CheckInstalled();
    E2E_CHECK(!ReadRawValue(HKEY_LOCAL_MACHINE, kRunKey, "Keyvane"), "no Run value from Vista on");
    const auto runs = SchtasksRuns();
    E2E_CHECK(runs.size() == 1 && runs[0].rfind("/create /tn Keyvane /xml ", 0) == 0 &&
                  runs[0].size() > 3 && runs[0].substr(runs[0].size() - 3) == " /f",
              "one task made from a definition");
    const std::string task = ScheduledTaskDefinition();
    for (const char* part : {"<LogonTrigger><Enabled>true</Enabled></LogonTrigger>",
                             "<RunLevel>HighestAvailable</RunLevel>", "<GroupId>S-1-5-32-545</GroupId>",
                             "<Command>\"C:\\Program Files\\Keyvane\\keyvane.exe\"</Command>",
                             "<ExecutionTimeLimit>PT0S</ExecutionTimeLimit>"}) {
        E2E_CHECK(task.find(part) != std::string::npos, std::string("the task has ") + part + ":\n" + task);
    }
}

E2E_CASE(SetupWin10, InteractivePagesAndUninstallerPage) {
    SetWindowsVersion("keyvane-setup.exe", "win10");
    const HWND setup = StartShowing("\"" + SetupPath(Package::None) + "\"", "Keyvane Setup");
    // Next (1) goes on: welcome, folder, components, then the finish page,
    // whose "Start Keyvane now" is left checked.
    WaitForPage(setup, "Welcome to Keyvane Setup", "setup_welcome");
    ClickButton(setup, IDOK);
    WaitForPage(setup, "Choose Install Location", nullptr);
    ClickButton(setup, IDOK);
    WaitForPage(setup, "Choose Components", "setup_components");
    ClickButton(setup, IDOK);
    WaitForPage(setup, "Completing Keyvane Setup", "setup_finish");
    ClickButton(setup, IDOK);
    E2E_CHECK(WaitClosed(setup, kStartMs), "the setup ended");
    E2E_CHECK(KeyvaneRunsOnce(), "\"Start Keyvane now\" started it");

    const HWND uninstaller = StartShowing(std::string("\"") + kProductFolder + "\\uninstall.exe\"", "Keyvane Uninstall");
    WaitForPage(uninstaller, "Also remove my settings", "uninstall_settings");
    ::SendMessageA(FindText(uninstaller, "Also remove my settings"), BM_SETCHECK, BST_CHECKED, 0);
    ClickButton(uninstaller, IDOK);
    WaitForPage(uninstaller, "Uninstallation Complete", nullptr);
    ClickButton(uninstaller, IDOK);
    E2E_CHECK(WaitClosed(uninstaller, kStartMs), "the uninstaller ended");
    E2E_CHECK(ProcessesNamed("keyvane.exe").empty(), "the running program was ended");
    CheckNothingLeft();
    E2E_CHECK(!KeyExists(HKEY_LOCAL_MACHINE, kSettingsKey), "the settings removed as checked");
    const auto runs = SchtasksRuns();
    E2E_CHECK(!runs.empty() && runs.back() == "/delete /tn Keyvane /f", "the task deleted");
}

E2E_CASE(SetupWin98, UninstallGivesTheKeyboardItsLowerFiltersBack) {
    const std::string before = Sz("kbdfilter.sys");
    WriteRawValue(HKEY_LOCAL_MACHINE, kKeyboard98Key, "LowerFilters", REG_SZ, before);
    E2E_CHECK_EQ(RunSetup(Package::StandIn, "/S", "win98"), 0UL, "the setup succeeded");
    CheckValues({{kKeyboard98Key, "LowerFilters", {REG_SZ, Sz("filtrum.sys")}}});
    // As administrators script it: the uninstaller hands over to its copy and returns.
    E2E_CHECK_EQ(RunAndWait(std::string("\"") + kProductFolder + "\\uninstall.exe\" /S"), 0UL, "uninstall started");
    WaitFor([] { return ProductLeftovers().empty(); }, kStartMs);
    CheckNothingLeft();
    CheckValues({{kKeyboard98Key, "LowerFilters", {REG_SZ, before}}});
}
