// Stands in for the product's setup program: loads install.dll from its own
// folder, calls Registry and ends with its result. Wine reports to it the
// Windows version that the end-to-end case set for "install_probe.exe".
#include <windows.h>

#include <string>

namespace {

constexpr int kNoLibrary = 100;
constexpr int kNoExport = 101;

}  // namespace

int main() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string library(path);
    library = library.substr(0, library.rfind('\\') + 1) + "install.dll";
    HMODULE module = ::LoadLibraryA(library.c_str());
    if (module == nullptr) {
        return kNoLibrary;
    }
    using RegistryFn = int(WINAPI*)();
    // Through void(*)(): the export's real type is not FARPROC's.
    const auto registry = reinterpret_cast<RegistryFn>(reinterpret_cast<void (*)()>(::GetProcAddress(module, "Registry")));
    if (registry == nullptr) {
        return kNoExport;
    }
    return registry();
}
