#include "bench/key_stages.h"

#include "bench/figures.h"
#include "bench/key_target.h"
#include "bench/keyvane_runs.h"
#include "bench/stage_reader.h"
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"

#include <map>
#include <random>
#include <vector>

namespace bench {

namespace {

using framework::Stage;
using framework::StageStamp;
using framework::StageStampRing;

constexpr int kRuns = 2;
constexpr char kBefore[] = "keyvane_before.exe";
constexpr char kAfter[] = "keyvane.exe";
// The play key only shows its picture.
constexpr LPARAM kPlay = 0x29;

struct Row {
    std::string what;
    std::vector<double> ms;
};

// The samples of one program, in the order they are printed.
class Samples {
public:
    void Add(const std::string& what, double ms) {
        auto found = m_index.find(what);
        if (found == m_index.end()) {
            found = m_index.emplace(what, m_rows.size()).first;
            m_rows.push_back(Row{what, {}});
        }
        m_rows[found->second].ms.push_back(ms);
    }
    void Print(const std::string& prefix, const std::string& samples) const {
        for (const Row& row : m_rows) {
            PrintLatency(prefix + row.what, row.ms, samples);
        }
    }

private:
    std::map<std::string, size_t> m_index;
    std::vector<Row> m_rows;
};

// One key through the program, from `sentMs` to the target's Ctrl; false when a stamp is missing.
bool AddKey(const KeyRoad& road, const StageStampRing& ring, long mark, double sentMs, double ctrlMs,
            Samples& samples) {
    const Found posted = road.pollThreadStage ? First(ring, Stage::kKeyLogPosted, mark) : Found{mark, sentMs};
    const Found took = First(ring, Stage::kViewTook, mark);
    const Found entered = First(ring, Stage::kDispatcherEntered, took.number);
    const Found handed = First(ring, Stage::kInputHanded, entered.number);
    const Found hook = First(ring, Stage::kHookSaw, handed.number);
    const Found returned = First(ring, Stage::kInputReturned, handed.number);
    const Found iconFrom = First(ring, Stage::kIconSwitching, took.number);
    const Found iconTo = First(ring, Stage::kIconSwitched, iconFrom.number);
    for (const Found& found : {posted, took, entered, handed, hook, returned, iconFrom, iconTo}) {
        if (found.number < 0) {
            return false;
        }
    }
    const std::string start = road.start;
    if (road.pollThreadStage) {
        samples.Add(start + " to the poll thread's hand-over", posted.ms - sentMs);
        samples.Add("hand-over to taken by the view", took.ms - posted.ms);
    } else {
        samples.Add(start + " to taken by the view", took.ms - sentMs);
    }
    samples.Add("taken to the dispatcher's start (icon switch first where it precedes)", entered.ms - took.ms);
    samples.Add("dispatcher's start to Ctrl handed to the system", handed.ms - entered.ms);
    samples.Add("Ctrl handed to the program's own hook seeing it", hook.ms - handed.ms);
    samples.Add("own hook seeing Ctrl to the target window's Ctrl down", ctrlMs - hook.ms);
    samples.Add("(aside) Ctrl handed to keybd_event returning", returned.ms - handed.ms);
    samples.Add("(aside) tray icon switch to active, on the view's thread", iconTo.ms - iconFrom.ms);
    samples.Add("total: " + start + " to the target window's Ctrl down", ctrlMs - sentMs);
    return true;
}

// The floors, measured between the keys, and what a key picture costs the key that shows it.
void AddFloors(const e2e::KeyvaneProcess& keyvane, const KeyTarget& target, StampReader& reader, Samples& samples) {
    const double sent = e2e::NowMs();
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(keyvane.View(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
    samples.Add("floor: a message round trip to the view", e2e::NowMs() - sent);

    const long ups = target.CtrlUps();
    const BYTE scan = static_cast<BYTE>(::MapVirtualKeyA(VK_CONTROL, MAPVK_VK_TO_VSC));
    const double pressed = e2e::NowMs();
    ::keybd_event(VK_CONTROL, scan, 0, 0);
    ::keybd_event(VK_CONTROL, scan, KEYEVENTF_KEYUP, 0);
    E2E_CHECK(e2e::WaitFor([&] { return target.CtrlUps() > ups; }, 2000), "the benchmark's own Ctrl arrived");
    samples.Add("floor: a keystroke the benchmark sends itself, to its window's Ctrl down",
                target.LastCtrlDownMs() - pressed);

    const long mark = reader.Read().next;
    E2E_CHECK(::PostMessageA(keyvane.View(), ::RegisterWindowMessageA("KeyCommand"), 0, kPlay), "a KeyCommand posted");
    Found asked;
    Found shown;
    E2E_CHECK(e2e::WaitFor(
                  [&] {
                      const StageStampRing& ring = reader.Read();
                      asked = First(ring, Stage::kPictureShowing, mark);
                      shown = First(ring, Stage::kPictureShown, asked.number);
                      return asked.number >= 0 && shown.number >= 0;
                  },
                  2000),
              "the play key's picture was asked for");
    samples.Add("(aside) play key: picture asked for to the dispatcher going on", shown.ms - asked.ms);
}

void MeasureRun(const char* program, const KeyRoad& road, const PrepareRun& prepare, const SendKey& send,
                std::mt19937& random, Samples& samples) {
    e2e::KeyvaneProcess keyvane("winxp", program);
    WaitSettled(keyvane);
    prepare(keyvane);
    E2E_CHECK(keyvane.Sync() >= 0, "the view answered");
    // The keys are measured as on a user's machine, where no debug-output
    // viewer makes each of the program's diagnostics lines wait for it; from
    // here on the run reads the stamps alone.
    e2e::CloseMonitor();
    StampReader reader(keyvane);
    const KeyTarget target;
    E2E_CHECK(target.Activate(), "the target window is in front");
    std::uniform_int_distribution<DWORD> pauseMs(road.minPauseMs, road.maxPauseMs);
    for (int key = 0; key < road.keysPerRun; ++key) {
        ::Sleep(pauseMs(random));
        const long mark = reader.Read().next;
        const long ups = target.CtrlUps();
        const double sent = send(keyvane);
        E2E_CHECK(e2e::WaitFor([&] { return target.CtrlUps() > ups; }, 2000),
                  std::string(program) + ": key " + std::to_string(key + 1) + "'s Ctrl reached the target");
        // The view is done with the key once its last stamp is in.
        const double ctrlMs = target.LastCtrlDownMs();
        E2E_CHECK(e2e::WaitFor([&] { return AddKey(road, reader.Read(), mark, sent, ctrlMs, samples); }, 2000),
                  std::string(program) + ": key " + std::to_string(key + 1) + " left every stage's stamp");
        AddFloors(keyvane, target, reader, samples);
    }
    Quit(keyvane);
}

}  // namespace

void MeasureKeyStages(const KeyRoad& road, const PrepareRun& prepare, const SendKey& send) {
    std::vector<const char*> programs;
    if (::GetFileAttributesA((e2e::TestDirectory() + kBefore).c_str()) != INVALID_FILE_ATTRIBUTES) {
        programs.push_back(kBefore);
    }
    programs.push_back(kAfter);
    std::mt19937 random(20010401);
    std::map<std::string, Samples> samples;
    // In turns, so that both meet the same load of the machine.
    for (int run = 0; run < kRuns; ++run) {
        for (const char* program : programs) {
            MeasureRun(program, road, prepare, send, random, samples[program]);
        }
    }
    for (const char* program : programs) {
        samples[program].Print(std::string(road.name) + ", " + program + ": ",
                               std::to_string(kRuns * road.keysPerRun) + " keys");
    }
}

}  // namespace bench
