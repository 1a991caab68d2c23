// What the program costs a user: the binaries the build folder holds for them
// carry no debugging sections (Wine reads a whole image into each process's
// private memory) and name the file beside them that holds it, keyvane.exe
// stays small, and a library that only a rare command needs is not loaded at
// start.
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr size_t kKeyvaneMostBytes = 2500000;

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

template <typename Header>
Header At(const std::string& image, size_t offset, const std::string& path) {
    Header header{};
    if (offset > image.size() || image.size() - offset < sizeof header) {
        throw e2e::Failure(path + " ends inside its headers");
    }
    std::memcpy(&header, image.data() + offset, sizeof header);
    return header;
}

// The names of an image's sections; a name longer than eight characters
// (".debug_info", ".gnu_debuglink") stands in the symbols' string table as "/offset".
std::vector<std::string> SectionNames(const std::string& path) {
    const std::string image = ReadWholeFile(path);
    const auto dos = At<IMAGE_DOS_HEADER>(image, 0, path);
    const size_t fileHeader = static_cast<size_t>(dos.e_lfanew) + sizeof(DWORD);
    const auto file = At<IMAGE_FILE_HEADER>(image, fileHeader, path);
    const size_t strings = file.PointerToSymbolTable + size_t{file.NumberOfSymbols} * IMAGE_SIZEOF_SYMBOL;
    std::vector<std::string> names;
    for (size_t i = 0, offset = fileHeader + sizeof file + file.SizeOfOptionalHeader; i < file.NumberOfSections;
         ++i, offset += sizeof(IMAGE_SECTION_HEADER)) {
        const auto section = At<IMAGE_SECTION_HEADER>(image, offset, path);
        const char* name = reinterpret_cast<const char*>(section.Name);
        names.emplace_back(name, strnlen(name, IMAGE_SIZEOF_SHORT_NAME));
        if (names.back().size() > 1 && names.back()[0] == '/') {
            const size_t at = strings + std::stoul(names.back().substr(1));
            names.back() = at < image.size() ? image.c_str() + at : "";
        }
    }
    return names;
}

// The lower-case names of the modules a process has loaded.
std::vector<std::string> LoadedModules(DWORD pid) {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE) {
        throw e2e::Failure("cannot list the modules of process " + std::to_string(pid));
    }
    std::vector<std::string> names;
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    for (BOOL more = ::Module32First(snapshot, &module); more; more = ::Module32Next(snapshot, &module)) {
        std::string name = module.szModule;
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        names.push_back(name);
    }
    ::CloseHandle(snapshot);
    return names;
}

}  // namespace

E2E_CASE(Footprint, ShippedBinariesCarryTheirDebuggingInformationBeside) {
    for (const char* binary : {"keyvane.exe", "install.dll", "write_key_log.exe", "send_key_command.exe"}) {
        const std::string path = e2e::TestDirectory() + binary;
        const std::vector<std::string> sections = SectionNames(path);
        for (const std::string& section : sections) {
            E2E_CHECK(section.rfind(".debug", 0) != 0, std::string(binary) + " carries " + section);
        }
        E2E_CHECK(std::find(sections.begin(), sections.end(), ".gnu_debuglink") != sections.end(),
                  std::string(binary) + " names its debugging information");
        E2E_CHECK(::GetFileAttributesA((path + ".debug").c_str()) != INVALID_FILE_ATTRIBUTES,
                  std::string(binary) + ".debug lies beside it");
    }
    const std::string keyvane = ReadWholeFile(e2e::TestDirectory() + "keyvane.exe");
    E2E_CHECK(keyvane.size() <= kKeyvaneMostBytes, "keyvane.exe is " + std::to_string(keyvane.size()) + " bytes");
}

E2E_CASE(Footprint, StartLoadsNoLibraryOnlyARareCommandNeeds) {
    e2e::KeyvaneProcess keyvane;
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    const std::vector<std::string> loaded = LoadedModules(keyvane.Pid());
    E2E_CHECK(std::find(loaded.begin(), loaded.end(), "user32.dll") != loaded.end(), "the module list is read");
    // The open-file dialog of the browse buttons, and the printing system it brings along;
    // the imaging component, which only the pictures of screens above 100 % need.
    for (const char* rare : {"comdlg32.dll", "winspool.drv", "windowscodecs.dll"}) {
        E2E_CHECK(std::find(loaded.begin(), loaded.end(), rare) == loaded.end(),
                  std::string(rare) + " is loaded at start");
    }
}
