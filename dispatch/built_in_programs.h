// The programs the keys' built-in actions start by file name, named once so
// that what the Keys window says a key starts is what the key starts.
#pragma once

constexpr char kMailProgram[] = "MSIMN.EXE";
constexpr char kMagnifierProgram[] = "magnify.exe";
constexpr char kRebootProgram[] = "Reboot.exe";
// The sound recorder of 32-bit Windows, and the first one tried on 64-bit Windows.
constexpr char kSoundRecorderProgram[] = "soundrecorder.exe";
constexpr char kSoundRecorder64Program[] = "sndrec32.exe";
// Below the program-files folder.
constexpr char kSidebarTail[] = "\\Windows Sidebar\\sidebar.exe";
// Tried after the first one on 64-bit Windows.
constexpr char kSoundRecorder64Other[] = "sndrec33.exe";
// Looked for in Office's folder first.
constexpr char kWordProgram[] = "WINWORD.EXE";
constexpr char kExcelProgram[] = "EXCEL.EXE";
constexpr char kPowerPointProgram[] = "POWERPNT.EXE";
// Windows 10 and 11's own recorder app (Voice Recorder, then Sound
// Recorder): its package family and the application id it is started by.
constexpr char kSoundRecorderAppFamily[] = "Microsoft.WindowsSoundRecorder_8wekyb3d8bbwe";
constexpr char kSoundRecorderAppId[] = "Microsoft.WindowsSoundRecorder_8wekyb3d8bbwe!App";
