// The keyboard's device instances as Windows keeps them in the registry, seen
// by the shared keyvane.exe, whose "Driver" folder (the build folder's) holds
// the stand-in installer "DPInst.exe". The stand-in says on the diagnostics
// channel when it starts and ends; the poll thread's passes are counted by
// keys written to the key log, so a case can tell that the driver check has
// run without waiting a fixed time.
#pragma once

#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/registry_fixture.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

class DriverScene {
public:
    // The keyboard's key made afresh, without instances; the key log in place
    // and the poll thread in step with it.
    DriverScene();
    ~DriverScene();
    DriverScene(const DriverScene&) = delete;
    DriverScene& operator=(const DriverScene&) = delete;

    KeyvaneProcess& Keyvane() const { return m_keyvane; }

    // Adds an instance after those already there and gives its name, one the
    // running program has not seen before. `lowerFilters` is stored as a
    // multi-string ('\0' between the names); `configFlags` as it stands.
    // Either left out is no value at all.
    std::string AddInstance(const std::optional<std::string>& lowerFilters, const std::optional<RawValue>& configFlags);
    void SetLowerFilters(const std::string& instance, const std::string& lowerFilters) const;
    // The first name of the instance's "LowerFilters", empty when it has none.
    std::string FirstLowerFilter(const std::string& instance) const;
    // The instances in the order the system enumerates them.
    std::vector<std::string> Instances() const;

    // Waits until the poll thread has made `count` more passes, each one
    // within `passTimeoutMs`; false when one did not come in time.
    bool WaitPasses(int count, unsigned passTimeoutMs = 10000) const;

    // Since the scene began, "started: " or "ended: " and the command line of
    // each run of the stand-in installer, in order.
    std::vector<std::string> InstallerEvents() const;
    bool WaitForInstallerEvents(std::size_t count, unsigned timeoutMs = 10000) const;
    // Its runs that have ended: "working folder|command line" each.
    std::vector<std::string> InstallerRecords() const;
    // The lines in which the program says it reinstalls the package for an instance.
    std::vector<std::string> ReinstallLines() const;

    // The command lines the program should run: the installer's path quoted.
    static std::string UninstallCommand();
    static std::string InstallCommand();
    static std::string InstallerPath();
    static RawValue Dword(DWORD value);

private:
    // Whether a run of the stand-in installer has started and not yet ended.
    bool InstallerAtWork() const;

    KeyvaneProcess& m_keyvane;
    ScratchKey m_keyboard;
    std::size_t m_from;
    int m_scene;
    int m_instances = 0;
};

// The stand-in installer cancels its wizard (sets no filter) while this lives.
class InstallerCancels {
public:
    InstallerCancels();
    ~InstallerCancels();
    InstallerCancels(const InstallerCancels&) = delete;
    InstallerCancels& operator=(const InstallerCancels&) = delete;
};

// The program's "Driver\DPInst.exe" is away while this lives.
class InstallerRemoved {
public:
    InstallerRemoved();
    ~InstallerRemoved() { PutBack(); }
    InstallerRemoved(const InstallerRemoved&) = delete;
    InstallerRemoved& operator=(const InstallerRemoved&) = delete;

    void PutBack();

private:
    bool m_away = true;
};

// A top-level window of the test program with a title and a window class of its choice.
class TitledWindow {
public:
    TitledWindow(const char* windowClass, const char* title);
    ~TitledWindow();
    TitledWindow(const TitledWindow&) = delete;
    TitledWindow& operator=(const TitledWindow&) = delete;

private:
    HWND m_window;
};

}  // namespace e2e
