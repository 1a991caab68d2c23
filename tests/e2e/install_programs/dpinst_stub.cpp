// Stands in for the driver package installer "DPInst.exe": takes a while, as
// the real one does, then appends how it was started (working folder, "|",
// command line) as one line to "dpinst_runs.txt" beside itself. A caller that
// does not wait for it finds the line missing when it returns.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ::Sleep(300);
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof folder, folder);
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string record(path);
    record = record.substr(0, record.rfind('\\') + 1) + "dpinst_runs.txt";
    std::FILE* runs = std::fopen(record.c_str(), "ab");
    if (runs == nullptr) {
        return 1;
    }
    std::fprintf(runs, "%s|%s\n", folder, ::GetCommandLineA());
    std::fclose(runs);
    return 0;
}
