// What keyvane.exe costs while no key is pressed, beside the floor that any
// tray program that reads the key log costs (tray_floor.exe: an icon, a
// message loop and the key log read every 200 ms), both started together and
// measured over the same 60 s: CPU time (user and kernel), peak working set
// and, under Wine, the memory of each program's Linux process (its private
// pages and all it holds resident). Four machines: without the keyboard; with
// the keyboard and its filter driver (its device instances in the registry,
// which the poll thread's driver check reads); and with the keyboard without
// its filter, once with no driver package beside the program (a "Driver"
// folder without the installer) and once with one whose install does not
// take (the user cancelled its wizard). Under Wine a share of each program's
// work (registry, messages, waits) is done by wineserver, which no Windows
// figure of the program counts: its CPU time is measured over windows with
// keyvane.exe and the floor idle together and with the floor alone.
#include "bench/figures.h"
#include "bench/keyvane_runs.h"
#include "bench/process_usage.h"
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/registry_fixture.h"
#include "tools/key_log_file.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWindowMs = 60000;
constexpr char kKeyboardKey[] = "SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_04D9&PID_0022";
constexpr char kKeyLog[] = "c:\\ostrel.log";

// tray_floor.exe from start to WM_QUIT.
class TrayFloor {
public:
    TrayFloor() {
        const size_t from = e2e::Monitor().Count();
        // bench/run.sh puts it beside the benchmark.
        m_process = e2e::StartProgram("\"" + e2e::TestDirectory() + "tray_floor.exe\"");
        if (e2e::Monitor().WaitForLine(from, m_process.dwProcessId, "tray floor: tray icon added", 15000) < 0) {
            throw e2e::Failure("the tray floor added no tray icon");
        }
    }
    ~TrayFloor() {
        ::PostThreadMessageA(m_process.dwThreadId, WM_QUIT, 0, 0);
        if (::WaitForSingleObject(m_process.hProcess, 5000) != WAIT_OBJECT_0) {
            ::TerminateProcess(m_process.hProcess, 99);
        }
        ::CloseHandle(m_process.hThread);
        ::CloseHandle(m_process.hProcess);
    }
    TrayFloor(const TrayFloor&) = delete;
    TrayFloor& operator=(const TrayFloor&) = delete;

    DWORD Pid() const { return m_process.dwProcessId; }

private:
    PROCESS_INFORMATION m_process{};
};

// The keyboard as Windows keeps it: two configured device instances, whose
// first lower filter is UsbSnoop once its filter driver is installed.
class KeyboardPresent {
public:
    explicit KeyboardPresent(bool filtered) : m_keyboard(HKEY_LOCAL_MACHINE, kKeyboardKey) {
        const DWORD configured = 0;
        for (const char* instance : {"6&1a2b3c4d&0&1", "6&1a2b3c4d&0&2"}) {
            m_keyboard.CreateSubkey(instance);
            const std::string path = m_keyboard.Path() + "\\" + instance;
            if (filtered) {
                e2e::WriteRawValue(HKEY_LOCAL_MACHINE, path, "LowerFilters", REG_MULTI_SZ,
                                   std::string("UsbSnoop\0\0", 10));
            }
            e2e::WriteRawValue(HKEY_LOCAL_MACHINE, path, "ConfigFlags", REG_DWORD,
                               std::string(reinterpret_cast<const char*>(&configured), sizeof configured));
        }
    }

private:
    e2e::ScratchKey m_keyboard;
};

// The stand-in installer bench/run.sh puts into the "Driver" folder beside
// the program: away, or there and cancelling its wizard, while this lives.
class DriverPackage {
public:
    explicit DriverPackage(bool present) : m_present(present) {
        if (present) {
            ::CloseHandle(::CreateFileA(Path("dpinst_cancels").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        } else if (!::MoveFileA(Path("DPInst.exe").c_str(), Path("DPInst.away").c_str())) {
            throw e2e::Failure("no Driver\\DPInst.exe beside the benchmark (bench/run.sh puts it there)");
        }
    }
    ~DriverPackage() {
        if (m_present) {
            ::DeleteFileA(Path("dpinst_cancels").c_str());
        } else {
            ::MoveFileA(Path("DPInst.away").c_str(), Path("DPInst.exe").c_str());
        }
    }
    DriverPackage(const DriverPackage&) = delete;
    DriverPackage& operator=(const DriverPackage&) = delete;

    // Waits until the program's attempt with the installer has come and gone.
    static bool WaitAttemptEnded(size_t from) {
        return e2e::WaitFor(
            [&] {
                for (const e2e::DebugLine& line : e2e::Monitor().Lines(from)) {
                    if (line.text.rfind("DPInst.exe ended: ", 0) == 0 && line.text.find("/f") != std::string::npos) {
                        return true;
                    }
                }
                return false;
            },
            30000);
    }

private:
    static std::string Path(const char* name) { return e2e::TestDirectory() + "Driver\\" + name; }
    bool m_present;
};

struct Spent {
    double cpuSeconds;
    double processTimesSeconds;
    SIZE_T peakWorkingSet;
};

struct IdleWindow {
    std::vector<Spent> processes;
    std::optional<double> wineserverSeconds;
};

// Lets the processes idle for the window; what each spent in it, and wineserver.
IdleWindow Idle(const std::vector<DWORD>& pids) {
    std::vector<bench::ProcessUsage> before;
    for (DWORD pid : pids) {
        before.push_back(bench::UsageOf(pid));
    }
    const std::optional<double> wineserverBefore = bench::WineserverCpuSeconds();
    // The measured stretch itself: nothing is waited for, the programs are left alone.
    ::Sleep(kWindowMs);
    const std::optional<double> wineserverAfter = bench::WineserverCpuSeconds();
    IdleWindow window;
    for (size_t i = 0; i < pids.size(); ++i) {
        const bench::ProcessUsage after = bench::UsageOf(pids[i]);
        window.processes.push_back(Spent{after.cpuSeconds - before[i].cpuSeconds,
                                         after.processTimesSeconds - before[i].processTimesSeconds,
                                         after.peakWorkingSet});
    }
    if (wineserverBefore && wineserverAfter) {
        window.wineserverSeconds = *wineserverAfter - *wineserverBefore;
    }
    return window;
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", seconds);
    return text;
}

std::string Megabytes(double bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", bytes / (1024.0 * 1024.0));
    return text;
}

// The ratio of the two, and how much keyvane.exe holds beyond the floor.
void PrintMemory(const std::string& what, SIZE_T keyvane, SIZE_T floor) {
    char ratio[64];
    std::snprintf(ratio, sizeof ratio, "%.1f (%s more)", static_cast<double>(keyvane) / static_cast<double>(floor),
                  Megabytes(static_cast<double>(keyvane) - static_cast<double>(floor)).c_str());
    bench::PrintIdle(what, Megabytes(static_cast<double>(keyvane)), Megabytes(static_cast<double>(floor)), ratio);
}

void PrintLinuxMemory(const std::string& scene, const std::optional<bench::LinuxMemory>& keyvane,
                      const std::optional<bench::LinuxMemory>& floor) {
    if (!keyvane || !floor) {
        return;
    }
    PrintMemory("private memory (Linux Private_Dirty), " + scene, keyvane->privateDirty, floor->privateDirty);
    PrintMemory("resident memory (Linux Rss), " + scene, keyvane->resident, floor->resident);
}

void PrintCpu(const std::string& scene, const IdleWindow& window) {
    const Spent& keyvane = window.processes[0];
    const Spent& floor = window.processes[1];
    bench::PrintIdle("idle CPU (user+kernel) over 60 s, " + scene, Seconds(keyvane.cpuSeconds),
                     Seconds(floor.cpuSeconds), bench::CpuRatio(keyvane.cpuSeconds, floor.cpuSeconds));
    std::printf("GetProcessTimes over the same 60 s, %s: keyvane.exe's handle %.2f s, the floor's %.2f s\n",
                scene.c_str(), keyvane.processTimesSeconds, floor.processTimesSeconds);
}

// keyvane.exe's share of wineserver's work: what the window with both
// programs took beyond the window with the floor alone, which itself holds
// Wine's desktop and the benchmark besides the floor.
void PrintWineserver(const std::string& scene, const IdleWindow& together, const IdleWindow& floorAlone) {
    if (!together.wineserverSeconds || !floorAlone.wineserverSeconds) {
        return;
    }
    const double floor = *floorAlone.wineserverSeconds;
    const double keyvane = *together.wineserverSeconds - floor;
    std::printf("wineserver CPU over 60 s, %s: %.2f s with keyvane.exe and the floor, %.2f s with the floor alone\n",
                scene.c_str(), *together.wineserverSeconds, floor);
    bench::PrintIdle("wineserver CPU over 60 s for the program, " + scene + " (floor: with Wine's desktop)",
                     Seconds(keyvane), Seconds(floor), bench::CpuRatio(keyvane, floor));
}

}  // namespace

E2E_CASE(Bench, IdleCost) {
    e2e::DeleteKeyTree(HKEY_LOCAL_MACHINE, kKeyboardKey);
    CKeyLogFile keyLog(kKeyLog);
    E2E_CHECK(keyLog.Create(19), "a fresh key log");
    std::optional<TrayFloor> floor(std::in_place);
    e2e::KeyvaneProcess keyvane("winxp");
    bench::WaitSettled(keyvane);
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: key log synchronised at slot 19") >= 0, "the poll thread found the key log");
    const std::vector<DWORD> both = {keyvane.Pid(), floor->Pid()};

    const IdleWindow withoutKeyboard = Idle(both);
    std::optional<KeyboardPresent> keyboard(std::in_place, true);
    const IdleWindow withKeyboard = Idle(both);
    // Read while both programs still idle, at the end of the same window.
    const std::string folder = e2e::TestDirectory();
    const std::optional<bench::LinuxMemory> keyvaneMemory = bench::LinuxMemoryOf(folder + "keyvane.exe");
    const std::optional<bench::LinuxMemory> floorMemory = bench::LinuxMemoryOf(folder + "tray_floor.exe");
    keyboard.reset();
    IdleWindow unfilteredWithoutPackage;
    {
        const DriverPackage away(false);
        keyboard.emplace(false);
        unfilteredWithoutPackage = Idle(both);
        keyboard.reset();
    }
    IdleWindow unfilteredWithPackage;
    {
        const DriverPackage cancelling(true);
        const size_t from = e2e::Monitor().Count();
        keyboard.emplace(false);
        // The attempt itself is no idle time: measured once it is over.
        E2E_CHECK(DriverPackage::WaitAttemptEnded(from), "the program tried the package");
        unfilteredWithPackage = Idle(both);
        keyboard.reset();
    }
    bench::Quit(keyvane);
    const IdleWindow floorAlone = Idle({floor->Pid()});
    floor.reset();
    ::DeleteFileA(kKeyLog);

    PrintCpu("keyboard filtered", withKeyboard);
    PrintMemory("peak working set, keyboard filtered", withKeyboard.processes[0].peakWorkingSet,
                withKeyboard.processes[1].peakWorkingSet);
    PrintLinuxMemory("keyboard filtered", keyvaneMemory, floorMemory);
    PrintWineserver("keyboard filtered", withKeyboard, floorAlone);
    PrintCpu("no keyboard", withoutKeyboard);
    PrintWineserver("no keyboard", withoutKeyboard, floorAlone);
    PrintCpu("keyboard without its filter, no driver package", unfilteredWithoutPackage);
    PrintWineserver("keyboard without its filter, no driver package", unfilteredWithoutPackage, floorAlone);
    PrintCpu("keyboard without its filter, a package that did not take", unfilteredWithPackage);
    PrintWineserver("keyboard without its filter, a package that did not take", unfilteredWithPackage, floorAlone);
}
