// Stands in for "schtasks.exe" in the system folder of a setup case's Wine
// prefix: Wine's Task Scheduler keeps a task made from an XML definition but
// drops its trigger, principal and command, so the cases check the definition
// the setup hands over instead. Appends its arguments as one line to
// "schtasks_runs.txt" beside itself and keeps a copy of the file given with
// /xml as "schtasks_task.xml"; then ends with 0, as a task made or deleted.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Beside(const char* file) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string program(path);
    return program.substr(0, program.rfind('\\') + 1) + file;
}

}  // namespace

int main(int argc, char** argv) {
    std::string arguments;
    for (int i = 1; i < argc; ++i) {
        arguments += (i > 1 ? " " : "") + std::string(argv[i]);
        if (std::strcmp(argv[i], "/xml") == 0 && i + 1 < argc &&
            !::CopyFileA(argv[i + 1], Beside("schtasks_task.xml").c_str(), FALSE)) {
            return 2;
        }
    }
    std::FILE* runs = std::fopen(Beside("schtasks_runs.txt").c_str(), "ab");
    if (runs == nullptr) {
        return 1;
    }
    std::fprintf(runs, "%s\n", arguments.c_str());
    std::fclose(runs);
    return 0;
}
