#include "tests/e2e/driver_scene.h"

#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/install_scene.h"
#include "tests/e2e/test_window.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace e2e {

namespace {

constexpr char kKeyboardKey[] = "SYSTEM\\CurrentControlSet\\Enum\\USB\\Vid_04d9&Pid_0022";
constexpr char kKeyLog[] = "c:\\ostrel.log";
// A report code without a key command: the view says "no command 0x00" and does nothing.
constexpr char kPassKey[] = "press 57";
constexpr char kNewKeyLog[] = "create";
constexpr char kPassLine[] = "keyvane: no command 0x00";
constexpr char kInstallerLine[] = "DPInst.exe ";
constexpr char kReinstallLine[] = "lacks its filter driver: reinstalling the driver package";
constexpr unsigned kProgramTimeoutMs = 10000;

std::string DriverFolder() {
    return TestDirectory() + "Driver\\";
}

std::string CancelMarker() {
    return DriverFolder() + "dpinst_cancels";
}

std::string RecordFile() {
    return DriverFolder() + "dpinst_runs.txt";
}

// Writes the key log as the keyboard's filter driver does.
void WriteKeyLog(const char* arguments) {
    RunAndWait("\"" + TestDirectory() + "write_key_log.exe\" " + arguments, kProgramTimeoutMs);
}

int NextScene() {
    static int scenes = 0;
    return ++scenes;
}

}  // namespace

DriverScene::DriverScene()
    : m_keyvane(SharedKeyvane("winxp")),
      m_keyboard(HKEY_LOCAL_MACHINE, kKeyboardKey),
      m_from(Monitor().Count()),
      m_scene(NextScene()) {
    ::DeleteFileA(RecordFile().c_str());
    // The first key either finds the poll thread in step with the key log or
    // brings it there (a key log it meets afresh holds only old keys).
    const size_t mark = m_keyvane.Mark();
    if (::GetFileAttributesA(kKeyLog) == INVALID_FILE_ATTRIBUTES) {
        WriteKeyLog(kNewKeyLog);
    }
    WriteKeyLog(kPassKey);
    const bool inStep = WaitFor(
        [&] {
            for (const std::string& line : m_keyvane.LinesSince(mark)) {
                if (line == kPassLine || line.rfind("keyvane: key log synchronised at slot", 0) == 0) {
                    return true;
                }
            }
            return false;
        },
        kProgramTimeoutMs);
    if (!inStep) {
        throw Failure("the poll thread did not take up the key log");
    }
}

DriverScene::~DriverScene() {
    // A run of the installer that a failed check left going ends before the
    // next case, which would otherwise see it.
    DeleteKeyTree(HKEY_LOCAL_MACHINE, m_keyboard.Path());
    WaitPumping([&] { return !InstallerAtWork(); }, kProgramTimeoutMs);
    // No key log for the cases after this one; the poll thread is seen to let
    // go of it, so that a key log made afresh later is not read as this one.
    const size_t mark = m_keyvane.Mark();
    ::DeleteFileA(kKeyLog);
    m_keyvane.WaitForLine(mark, "keyvane: key log not synchronised", kProgramTimeoutMs);
    ::DeleteFileA(RecordFile().c_str());
}

std::string DriverScene::AddInstance(const std::optional<std::string>& lowerFilters,
                                     const std::optional<RawValue>& configFlags) {
    char name[32];
    std::snprintf(name, sizeof name, "6&%d&0&%02d", m_scene, ++m_instances);
    m_keyboard.CreateSubkey(name);
    const std::string path = m_keyboard.Path() + "\\" + name;
    if (lowerFilters) {
        SetLowerFilters(name, *lowerFilters);
    }
    if (configFlags) {
        WriteRawValue(HKEY_LOCAL_MACHINE, path, "ConfigFlags", configFlags->type, configFlags->data);
    }
    return name;
}

void DriverScene::SetLowerFilters(const std::string& instance, const std::string& lowerFilters) const {
    WriteRawValue(HKEY_LOCAL_MACHINE, m_keyboard.Path() + "\\" + instance, "LowerFilters", REG_MULTI_SZ,
                  lowerFilters + std::string(2, '\0'));
}

std::string DriverScene::FirstLowerFilter(const std::string& instance) const {
    const std::optional<RawValue> filters =
        ReadRawValue(HKEY_LOCAL_MACHINE, m_keyboard.Path() + "\\" + instance, "LowerFilters");
    return filters ? std::string(filters->data.c_str()) : std::string();
}

std::vector<std::string> DriverScene::Instances() const {
    // The key is there: the made key's view of it neither makes nor removes anything.
    return MadeKey(HKEY_LOCAL_MACHINE, m_keyboard.Path()).Subkeys();
}

bool DriverScene::WaitPasses(int count, unsigned passTimeoutMs) const {
    for (int pass = 0; pass < count; ++pass) {
        const size_t mark = m_keyvane.Mark();
        WriteKeyLog(kPassKey);
        if (!WaitPumping([&] { return m_keyvane.WaitForLine(mark, kPassLine, 0) >= 0; }, passTimeoutMs)) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> DriverScene::InstallerEvents() const {
    std::vector<std::string> events;
    for (const DebugLine& line : Monitor().Lines(m_from)) {
        if (line.text.rfind(kInstallerLine, 0) == 0) {
            events.push_back(line.text.substr(sizeof kInstallerLine - 1));
        }
    }
    return events;
}

bool DriverScene::InstallerAtWork() const {
    const std::vector<std::string> events = InstallerEvents();
    const auto started = std::count_if(events.begin(), events.end(),
                                       [](const std::string& event) { return event.rfind("started", 0) == 0; });
    return static_cast<std::size_t>(started) * 2 != events.size();
}

bool DriverScene::WaitForInstallerEvents(std::size_t count, unsigned timeoutMs) const {
    return WaitPumping([&] { return InstallerEvents().size() >= count; }, timeoutMs);
}

std::vector<std::string> DriverScene::InstallerRecords() const {
    std::vector<std::string> records;
    std::istringstream lines(ReadWholeFile(RecordFile()).value_or(""));
    for (std::string line; std::getline(lines, line);) {
        records.push_back(line);
    }
    return records;
}

std::vector<std::string> DriverScene::ReinstallLines() const {
    std::vector<std::string> lines;
    for (const std::string& line : m_keyvane.LinesSince(m_from)) {
        if (line.find(kReinstallLine) != std::string::npos) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::string DriverScene::InstallerPath() {
    return DriverFolder() + "DPInst.exe";
}

std::string DriverScene::UninstallCommand() {
    return "\"" + InstallerPath() + "\"  /u \"" + DriverFolder() + "UsbSnoop.inf\"";
}

std::string DriverScene::InstallCommand() {
    return "\"" + InstallerPath() + "\"  /f";
}

RawValue DriverScene::Dword(DWORD value) {
    return RawValue{REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

InstallerCancels::InstallerCancels() {
    const HANDLE marker = ::CreateFileA(CancelMarker().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker == INVALID_HANDLE_VALUE) {
        throw Failure("cannot make " + CancelMarker());
    }
    ::CloseHandle(marker);
}

InstallerCancels::~InstallerCancels() {
    ::DeleteFileA(CancelMarker().c_str());
}

InstallerRemoved::InstallerRemoved() {
    if (!::DeleteFileA(DriverScene::InstallerPath().c_str())) {
        throw Failure("cannot remove " + DriverScene::InstallerPath());
    }
}

void InstallerRemoved::PutBack() {
    // The build leaves the same stand-in for the installer library's cases.
    const std::string stub = TestDirectory() + "install_stubs\\DPInst.exe";
    if (m_away && ::CopyFileA(stub.c_str(), DriverScene::InstallerPath().c_str(), FALSE)) {
        m_away = false;
    }
}

TitledWindow::TitledWindow(const char* windowClass, const char* title)
    : m_window(::CreateWindowExA(0, windowClass, title, WS_POPUP | WS_CAPTION | WS_VISIBLE, 500, 300, 320, 120,
                                 nullptr, nullptr, nullptr, nullptr)) {
    if (m_window == nullptr) {
        throw Failure(std::string("cannot make a window of the class ") + windowClass);
    }
}

TitledWindow::~TitledWindow() {
    ::DestroyWindow(m_window);
}

}  // namespace e2e
