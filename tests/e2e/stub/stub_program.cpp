// Stands in for a program that keyvane starts: it reports on the diagnostics
// channel where it was started from, with which command line and in which
// current folder, and ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string line = std::string("stub started ") + path + " with " + ::GetCommandLineA() + "\n";
    ::OutputDebugStringA(line.c_str());
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof folder, folder);
    ::OutputDebugStringA((std::string("stub current folder ") + folder + "\n").c_str());
    return 0;
}
