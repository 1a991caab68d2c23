#include "tests/unit/dispatch_scenes.h"

#include "dispatch/folders.h"

ProgramPaths TestPaths() {
    return ProgramPaths{"http://www.example.com/", "C:\\Program Files\\Windows Media Player\\wmplayer.exe",
                        "C:\\WINDOWS\\system32\\CALC.EXE"};
}

void MakeBusyDesktop(CFakeDesktop& desktop) {
    desktop.SetForeground(desktop.AddWindow("IEFrame", "Outlook Web Access - Microsoft Internet Explorer"));
    for (const char* className :
         {"Media Player 2", "WMPlayerApp", "SJE_CdPlayerClass", "Winamp v1.x", "SthVCDClass", "SciCalc",
          "ExploreWClass", "IMWindowClass", "SoundRec", "SoundRecorder", "AudioRecorderMainFrameTraits",
          "SideBar_AppBarBullet"}) {
        desktop.AddWindow(className);
    }
    desktop.specialFolders[kCsidlPersonal] = "C:\\Users\\Ann\\Documents";
    desktop.existingPaths.insert("C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Games");
    const std::string office = "C:\\Program Files\\Microsoft Office\\Office12\\";
    desktop.machineKeys["SOFTWARE\\Microsoft\\Office\\12.0"] = {};
    desktop.machineKeys["SOFTWARE\\Microsoft\\Office\\12.0\\Word\\InstallRoot"] = {{"Path", office}};
    for (const char* program : {"WINWORD.EXE", "EXCEL.EXE", "POWERPNT.EXE"}) {
        desktop.readableFiles.insert(office + program);
    }
    desktop.machineKeys["Software\\Microsoft\\Windows\\CurrentVersion"] = {{"ProgramFilesDir", "C:\\Program Files"}};
    desktop.programs.insert("MSIMN.EXE");
    desktop.architecture = 1;
    desktop.mixerVolume = 32768;
    desktop.mixerMute = 1;
}

std::vector<std::string> Dispatch(CFakeDesktop& desktop, int osKind, std::initializer_list<std::uint32_t> codes,
                                  DispatcherState& state, int osRelease) {
    const ProgramPaths paths = TestPaths();
    CKeyCommandDispatcher dispatcher(desktop, osKind, paths, state, osRelease);
    for (const std::uint32_t code : codes) {
        dispatcher.Dispatch(code);
    }
    return desktop.trace;
}

std::vector<std::string> Dispatch(CFakeDesktop& desktop, int osKind, std::initializer_list<std::uint32_t> codes,
                                  int osRelease) {
    DispatcherState state;
    return Dispatch(desktop, osKind, codes, state, osRelease);
}
