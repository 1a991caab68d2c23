#include "tests/e2e/install_scene.h"

#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"

#include <shellapi.h>

#include <fstream>
#include <sstream>

namespace e2e {

namespace {

constexpr char kProductKey[] = "Software\\Corvale";
constexpr char kVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kProbe[] = "install_probe.exe";
constexpr unsigned kProbeTimeoutMs = 60000;
constexpr unsigned kCopyTimeoutMs = 15000;

void WriteWholeFile(const std::string& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary);
    file << content;
    if (!file) {
        throw Failure("cannot write " + path);
    }
}

void MakeFolder(const std::string& path) {
    if (!::CreateDirectoryA(path.c_str(), nullptr)) {
        throw Failure("cannot make the folder " + path);
    }
}

void CopyOrFail(const std::string& from, const std::string& to) {
    if (!::CopyFileA(from.c_str(), to.c_str(), FALSE)) {
        throw Failure("cannot copy " + from + " to " + to);
    }
}

void RemoveFolder(const std::string& path) {
    // The shell wants the list of names ended by two NULs.
    std::string from = path + '\0';
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationA(&operation);
}

std::vector<BYTE> KeySecurity(HKEY root, const char* path) {
    HKEY key = nullptr;
    std::vector<BYTE> descriptor;
    if (::RegOpenKeyExA(root, path, 0, READ_CONTROL, &key) != ERROR_SUCCESS) {
        return descriptor;
    }
    DWORD size = 0;
    if (::RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size) == ERROR_INSUFFICIENT_BUFFER) {
        descriptor.resize(size);
        if (::RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor.data(), &size) != ERROR_SUCCESS) {
            descriptor.clear();
        }
    }
    ::RegCloseKey(key);
    return descriptor;
}

void RestoreKeySecurity(HKEY root, const char* path, std::vector<BYTE>& descriptor) {
    HKEY key = nullptr;
    if (descriptor.empty() || ::RegOpenKeyExA(root, path, 0, WRITE_DAC, &key) != ERROR_SUCCESS) {
        return;
    }
    ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor.data());
    ::RegCloseKey(key);
}

// A folder of its own for each scene, so that one a failed case could not
// clear (a program still running from it) does not fail the next.
std::string SceneFolder() {
    static int scenes = 0;
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "keyvane install " + std::to_string(::GetCurrentProcessId()) + "-" +
           std::to_string(++scenes) + "\\";
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::ios::openmode mode) {
    std::ifstream file(path, mode);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

MadeKey::MadeKey(HKEY root, const std::string& path) : m_root(root), m_path(path) {
    // The topmost missing key on the way down is the one to take away later.
    for (std::size_t end = path.find('\\'); m_removed.empty(); end = path.find('\\', end + 1)) {
        const std::string prefix = path.substr(0, end);
        if (!KeyExists(root, prefix)) {
            m_removed = prefix;
        }
        if (end == std::string::npos) {
            break;
        }
    }
    HKEY key = nullptr;
    if (::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw Failure("cannot make the key " + path);
    }
    ::RegCloseKey(key);
}

MadeKey::~MadeKey() {
    if (!m_removed.empty()) {
        DeleteKeyTree(m_root, m_removed);
    }
}

void MadeKey::Write(const char* name, const std::string& text) const {
    WriteRawValue(m_root, m_path, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

std::vector<std::string> MadeKey::Subkeys() const {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(m_root, m_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return names;
    }
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (::RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    ::RegCloseKey(key);
    return names;
}

InstallScene::InstallScene()
    : m_root(SceneFolder()),
      m_setup(m_root + "Setup\\"),
      m_product(m_root + "Product Folder"),
      m_versionKeySecurity(KeySecurity(HKEY_LOCAL_MACHINE, kVersionKey)) {
    RemoveFolder(m_root);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kProductKey);
    ::DeleteFileA(InstalledDriverPath().c_str());
    for (const std::string& folder : {m_root, m_setup, m_setup + "Driver", m_product, m_product + "\\Driver"}) {
        MakeFolder(folder);
    }
    CopyOrFail(TestDirectory() + kProbe, m_setup + kProbe);
    CopyOrFail(TestDirectory() + "install.dll", m_setup + "install.dll");
    for (const char* architecture : {"X86", "X64"}) {
        MakeFolder(m_setup + "Driver\\" + architecture);
        CopyOrFail(TestDirectory() + "install_stubs\\DPInst.exe", PackageSource(architecture, "DPInst.exe"));
        for (const char* file : {"uninstall.bat", "UsbSnoop.Inf", "UsbSnoop.sys", "UsbSnoop.cat"}) {
            WriteWholeFile(PackageSource(architecture, file), std::string(architecture) + " " + file);
        }
    }
    for (const char* file : {"filtrum_98.sys", "filtrum_nt.sys"}) {
        WriteWholeFile(m_product + "\\Driver\\" + file, DriverContent(file));
    }
    WriteWholeFile(m_product + "\\INSTALL.LOG", kSetupLogLines);
}

InstallScene::~InstallScene() {
    m_productKey.reset();
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kProductKey);
    m_buildLabel.reset();
    RestoreKeySecurity(HKEY_LOCAL_MACHINE, kVersionKey, m_versionKeySecurity);
    DeleteKeyTree(HKEY_CURRENT_USER, std::string("Software\\Wine\\AppDefaults\\") + kProbe);
    ::DeleteFileA(InstalledDriverPath().c_str());
    RemoveFolder(m_root);
}

void InstallScene::WriteProductKey() {
    m_productKey.emplace(HKEY_LOCAL_MACHINE, kProductKey);
    const auto text = [](const std::string& value) { return std::string(value.c_str(), value.size() + 1); };
    const auto number = [](DWORD value) { return std::string(reinterpret_cast<const char*>(&value), sizeof value); };
    m_productKey->Write("InfPATH", REG_SZ, text(m_product));
    m_productKey->Write("Mfg", REG_SZ, text("Corvale "));
    m_productKey->Write("idVendor", REG_DWORD, number(kVendor));
    m_productKey->Write("idProduct", REG_DWORD, number(kProduct));
}

void InstallScene::SetBuildLabel(const std::string& label) {
    m_buildLabel = std::make_unique<ValueOverride>(HKEY_LOCAL_MACHINE, kVersionKey, "BuildLabEx");
    m_buildLabel->Set(label);
}

void InstallScene::RemoveProductDriver(const char* file) const {
    ::DeleteFileA((m_product + "\\Driver\\" + file).c_str());
}

DWORD InstallScene::RunRegistry(const char* windowsVersion) const {
    SetWindowsVersion(kProbe, windowsVersion);
    return RunAndWait("\"" + m_setup + kProbe + "\"", kProbeTimeoutMs, m_setup.c_str());
}

std::string InstallScene::InstalledDriverPath() const {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows) + "\\SYSTEM32\\DRIVERS\\filtrum.sys";
}

std::string InstallScene::DriverContent(const char* file) {
    return std::string("filter driver ") + file;
}

std::string InstallScene::Log() const {
    // Read as the uninstaller reads it, in text mode.
    return ReadWholeFile(m_product + "\\INSTALL.LOG", std::ios::in).value_or("");
}

std::vector<std::string> InstallScene::InstallerRuns() const {
    std::vector<std::string> runs;
    std::istringstream lines(ReadWholeFile(PackageDestination("dpinst_runs.txt")).value_or(""));
    for (std::string line; std::getline(lines, line);) {
        runs.push_back(line);
    }
    return runs;
}

std::string InstallScene::PackageSource(const char* architecture, const char* file) const {
    return m_setup + "Driver\\" + architecture + "\\" + file;
}

std::string InstallScene::PackageDestination(const char* file) const {
    return m_product + "\\Driver\\" + file;
}

bool InstallScene::WaitForPackageFile(const char* file, const std::string& content) const {
    return WaitFor([&] { return ReadWholeFile(PackageDestination(file)) == content; }, kCopyTimeoutMs);
}

}  // namespace e2e
